#include "calculators/core/brake_block_lifetime.h"
#include "tests/calculators/calculation_record.h"

#include <gtest/gtest.h>

namespace loco {
namespace {

using enum BrakeBlockLifetimeResult;
using E = BrakeBlockLifetimeEntries;
using Effects = std::vector<Effect<BrakeBlockLifetimeResult>>;
using Sink = RecordingSink<BrakeBlockLifetimeResult>;

const BrakeBlockLifetimeEntries kDefaults{.wheelDiameter = "774",
    .arcAngle = "60",
    .blockWidth = "80",
    .thickness = "50",
    .minimumThickness = "8",
    .particleDiameter = "0,226",
    .speed = "70",
    .wearCoefficient = "0,19",
    .materialFactor = "0,8",
    .contactFactor = "0,8",
    .hardness = "165",
    .brakingsPerTrip = "20",
    .tripsPerDay = "4",
    .pistonArea = "730",
    .maxPressure = "3,8",
    .maxEfficiency = "100",
    .upperArm = "475",
    .lowerArm = "355",
    .springForce = "140",
    .slackAdjusterForce = "200",
    .wheels = "8"};

TEST(BrakeBlockLifetime, DefaultsShowForcePerBlockFirst)
{
    Sink sink;
    computeBrakeBlockLifetime(kDefaults, sink, ',');
    EXPECT_EQ(sink.effects,
        (Effects{text(ForcePerBlock, "1662,18"), text(TreadCircumference, "2430,36"), text(ArcLength, "405,06"),
            text(ContactArea, "32404,80"), text(AllowedWear, "1361001,60"), text(ParticleArea, "0,04"),
            text(Particles, "808207,38"), text(Contacts, "1234,39"), text(WearVolume, "4950,18"),
            text(Lifetime, "3,44"), text(DaysFillIn, "3"), text(HoursFillIn, "82"), shown(HoursFillIn),
            conclusion<BrakeBlockLifetimeResult>()}));
}

TEST(BrakeBlockLifetime, ReadsTheEntriesInOrder)
{
    using enum BrakeBlockLifetimeEntry;
    expectReadOrder<BrakeBlockLifetimeEntry>(kDefaults,
        {{&E::wheelDiameter, WheelDiameter}, {&E::arcAngle, ArcAngle}, {&E::blockWidth, BlockWidth},
            {&E::thickness, Thickness}, {&E::minimumThickness, MinimumThickness},
            {&E::particleDiameter, ParticleDiameter}, {&E::speed, Speed}, {&E::wearCoefficient, WearCoefficient},
            {&E::materialFactor, MaterialFactor}, {&E::contactFactor, ContactFactor}, {&E::hardness, Hardness},
            {&E::brakingsPerTrip, BrakingsPerTrip}, {&E::tripsPerDay, TripsPerDay}, {&E::pistonArea, PistonArea},
            {&E::maxPressure, MaxPressure}, {&E::maxEfficiency, MaxEfficiency}, {&E::upperArm, UpperArm},
            {&E::lowerArm, LowerArm}, {&E::springForce, SpringForce}, {&E::slackAdjusterForce, SlackAdjusterForce},
            {&E::wheels, Wheels}},
        [](const E& entries) {
            Sink sink;
            computeBrakeBlockLifetime(entries, sink, ',');
        });
}

TEST(BrakeBlockLifetime, OtherSpeedAndThickness)
{
    const struct {
        const char* name;
        EntryTexts<E> entries;
        std::map<BrakeBlockLifetimeResult, std::string> shown;
    } rows[] = {
        {"FastestSpeed", {{&E::speed, "100"}},
            {{Contacts, "2468,77"}, {WearVolume, "9900,37"}, {Lifetime, "1,72"}, {DaysFillIn, "2"},
                {HoursFillIn, "41"}}},
        {"MinimumEqualsThickness", {{&E::minimumThickness, "50"}},
            {{AllowedWear, "0,00"}, {Lifetime, "0,00"}, {HoursFillIn, "0"}}},
        {"MinimumAboveThickness", {{&E::minimumThickness, "60"}},
            {{AllowedWear, "-324048,00"}, {Lifetime, "-0,82"}, {HoursFillIn, "-20"}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Sink sink;
        computeBrakeBlockLifetime(replaced(kDefaults, row.entries), sink, ',');
        for (const auto& [field, text] : row.shown)
            EXPECT_EQ(sink.written.at(field), text) << int(field);
    }
}

TEST(BrakeBlockLifetime, StopsAtTheFault)
{
    const Effects onlyForce{text(ForcePerBlock, "1662,18")};
    const struct {
        const char* name;
        EntryTexts<E> entries;
        std::string message;
        Effects effects;
    } rows[] = {
        {"EmptyWheelDiameter", {{&E::wheelDiameter, ""}}, "'' is not a valid floating point value", {}},
        {"FractionalSpeed", {{&E::speed, "7,5"}}, "'7,5' is not a valid integer value", {}},
        {"SpeedWithTrailingBlank", {{&E::speed, "70 "}}, "'70 ' is not a valid integer value", {}},
        {"ZeroParticleDiameter", {{&E::particleDiameter, "0"}}, "Floating point division by zero", {}},
        {"ZeroWheels", {{&E::wheels, "0"}}, "Invalid floating point operation", {}},
        {"ZeroWheelDiameter", {{&E::wheelDiameter, "0"}}, "Floating point division by zero", onlyForce},
        {"ZeroHardness", {{&E::hardness, "0"}}, "Floating point division by zero", onlyForce},
        {"SpeedOutsideTable", {{&E::speed, "75"}}, "Floating point division by zero", onlyForce},
        {"SpeedWithLeadingBlankIsNotAnItem", {{&E::speed, " 70"}}, "Floating point division by zero", onlyForce},
        {"NoWearAndNoAllowance", {{&E::tripsPerDay, "0"}, {&E::minimumThickness, "50"}},
            "Invalid floating point operation", onlyForce},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Sink sink;
        EXPECT_EQ(
            errorMessage([&] { computeBrakeBlockLifetime(replaced(kDefaults, row.entries), sink, ','); }), row.message);
        EXPECT_EQ(sink.effects, row.effects);
    }
}

TEST(BrakeBlockLifetime, ThicknessNoticeOnlyWhenMinimumIsNotBelowThickness)
{
    const struct {
        const char* minimum;
        const char* thickness;
        bool notice;
    } rows[] = {{"9", "50", false}, {"50", "50", true}, {"60", "50", true}, {"100", "50", true}, {"", "", false},
        {"60", "", false}, {"6x", "50", false}, {"1e999", "50", false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.minimum) + " / " + row.thickness);
        EXPECT_EQ(thicknessNoticeDue(row.minimum, row.thickness, ','), row.notice);
    }
}

} // namespace
} // namespace loco
