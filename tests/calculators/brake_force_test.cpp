#include "calculators/core/brake_force.h"
#include "tests/calculators/calculation_record.h"

#include <gtest/gtest.h>

namespace loco {
namespace {

using enum BrakeForceResult;
using E = BrakeForceEntries;
using Effects = std::vector<Effect<BrakeForceResult>>;
using Sink = RecordingSink<BrakeForceResult>;

const BrakeForceEntries kDefaults{.upperArm = "475",
    .lowerArm = "355",
    .wheels = "8",
    .pistonArea = "730",
    .maxPressure = "3,8",
    .springForce = "140",
    .maxEfficiency = "100",
    .slackAdjusterForce = "200",
    .emptyLoad = "35500",
    .fullLoad = "39660"};

const Effects kForcesShown{text(RiggingRatio, "10,70"), text(CylinderForce, "2634,00"), text(BlockForce, "26594,93")};
const Effects kFullCarShown{text(FullCarPercentage, "67,06"), text(FullCarFillIn, "67,06"),
    text(FullCarVerdict, "memuaskan"), shown(FullCarFillIn), shown(FullCarVerdict)};

Effects operator+(Effects effects, const Effects& more)
{
    effects.insert(effects.end(), more.begin(), more.end());
    return effects;
}

TEST(BrakeForce, DefaultsFillTheConclusionLast)
{
    Sink sink;
    computeBrakeForce(kDefaults, sink, ',');
    const Effects emptyCarAndConclusion{text(EmptyCarPercentage, "74,92"), text(EmptyCarFillIn, "74,92"),
        text(EmptyCarVerdict, "memuaskan"), shown(EmptyCarFillIn), shown(EmptyCarVerdict),
        conclusion<BrakeForceResult>()};
    EXPECT_EQ(sink.effects, kForcesShown + kFullCarShown + emptyCarAndConclusion);
}

TEST(BrakeForce, ReadsTheEntriesInOrder)
{
    using enum BrakeForceEntry;
    expectReadOrder<BrakeForceEntry>(kDefaults,
        {{&E::upperArm, UpperArm}, {&E::lowerArm, LowerArm}, {&E::wheels, Wheels}, {&E::pistonArea, PistonArea},
            {&E::maxPressure, MaxPressure}, {&E::springForce, SpringForce}, {&E::maxEfficiency, MaxEfficiency},
            {&E::slackAdjusterForce, SlackAdjusterForce}, {&E::emptyLoad, EmptyLoad}, {&E::fullLoad, FullLoad}},
        [](const E& entries) {
            Sink sink;
            computeBrakeForce(entries, sink, ',');
        });
}

TEST(BrakeForce, VerdictsJudgeTheFullValue)
{
    // Both percentages equal the piston area entered here.
    const BrakeForceEntries plain{.upperArm = "1",
        .lowerArm = "1",
        .wheels = "1",
        .pistonArea = {},
        .maxPressure = "1",
        .springForce = "0",
        .maxEfficiency = "100",
        .slackAdjusterForce = "0",
        .emptyLoad = "100",
        .fullLoad = "100"};
    const struct {
        const char* percentage;
        std::string shown, full, empty;
    } rows[] = {{"50", "50,00", "kurang memuaskan", "kurang memuaskan"}, {"50,001", "50,00", "memuaskan", "memuaskan"},
        {"79,999", "80,00", "memuaskan", "memuaskan"}, {"80", "80,00", "kurang memuaskan", "memuaskan"},
        {"100", "100,00", "kurang memuaskan", "memuaskan"},
        {"100,001", "100,00", "kurang memuaskan", "kurang memuaskan"},
        {"-30", "-30,00", "kurang memuaskan", "kurang memuaskan"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.percentage);
        Sink sink;
        computeBrakeForce(replaced(plain, {{&E::pistonArea, row.percentage}}), sink, ',');
        EXPECT_EQ(sink.written.at(FullCarFillIn), row.shown);
        EXPECT_EQ(sink.written.at(FullCarVerdict), row.full);
        EXPECT_EQ(sink.written.at(EmptyCarFillIn), row.shown);
        EXPECT_EQ(sink.written.at(EmptyCarVerdict), row.empty);
    }
}

TEST(BrakeForce, StopsAtTheFault)
{
    const struct {
        const char* name;
        EntryTexts<E> entries;
        std::string message;
        Effects effects;
    } rows[] = {{"BadLastEntry", {{&E::fullLoad, "39 660"}}, "'39 660' is not a valid floating point value", {}},
        {"ZeroLowerArm", {{&E::lowerArm, "0"}}, "Floating point division by zero", {}},
        {"ZeroArms", {{&E::upperArm, "0"}, {&E::lowerArm, "0"}}, "Invalid floating point operation", {}},
        {"ZeroFullLoad", {{&E::fullLoad, "0"}}, "Floating point division by zero", kForcesShown},
        {"ZeroEmptyLoad", {{&E::emptyLoad, "0"}}, "Floating point division by zero", kForcesShown + kFullCarShown}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Sink sink;
        EXPECT_EQ(errorMessage([&] { computeBrakeForce(replaced(kDefaults, row.entries), sink, ','); }), row.message);
        EXPECT_EQ(sink.effects, row.effects);
    }
}

} // namespace
} // namespace loco
