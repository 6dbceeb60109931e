#include "calculators/core/engine_power.h"
#include "tests/calculators/calculation_record.h"

#include <gtest/gtest.h>

namespace loco {
namespace {

using enum EnginePowerResult;
using E = EnginePowerEntries;
using Effects = std::vector<Effect<EnginePowerResult>>;
using Sink = RecordingSink<EnginePowerResult>;

const EnginePowerEntries kDefaults{.bore = "22,86",
    .stroke = "26,67",
    .speed = "1050",
    .meanPressure = "18",
    .cycles = "4",
    .cylinders = "8",
    .fuelUsed = "0,16"};

TEST(EnginePower, DefaultsFillTheConclusionLast)
{
    Sink sink;
    computeEnginePower(kDefaults, sink, ',');
    EXPECT_EQ(sink.effects,
        (Effects{text(SweptVolume, "10940,70"), text(Torque, "1254,35"), text(Power, "1813,77"),
            text(SpecificConsumption, "0,00008821"), text(PowerFillIn, "1814"), shown(PowerFillIn),
            text(ConsumptionFillIn, "0,00008821"), shown(ConsumptionFillIn), conclusion<EnginePowerResult>()}));
}

TEST(EnginePower, ReadsTheEntriesInOrder)
{
    using enum EnginePowerEntry;
    expectReadOrder<EnginePowerEntry>(kDefaults,
        {{&E::bore, Bore}, {&E::stroke, Stroke}, {&E::speed, Speed}, {&E::meanPressure, MeanPressure},
            {&E::cylinders, Cylinders}, {&E::cycles, Cycles}, {&E::fuelUsed, FuelUsed}},
        [](const E& entries) {
            Sink sink;
            computeEnginePower(entries, sink, ',');
        });
}

TEST(EnginePower, ListTextsAndOtherEntries)
{
    const struct {
        const char* name;
        EntryTexts<E> entries;
        char separator;
        std::map<EnginePowerResult, std::string> shown;
    } rows[] = {
        {"TwoStroke", {{&E::cycles, "2"}}, ',',
            {{Torque, "2508,70"}, {Power, "3627,54"}, {SpecificConsumption, "0,00004411"}}},
        {"TypedStrokeCountIsTheCycles", {{&E::cycles, "3"}}, ',', {{Torque, "7526,09"}}},
        {"StrokeCountWithBlankIsNotAnItem", {{&E::cycles, " 4"}}, ',', {{Torque, "10034,78"}}},
        {"TypedCylinderCount", {{&E::cylinders, "10"}}, ',', {{Torque, "1567,93"}}},
        {"NegativeEntries", {{&E::bore, "-22,86"}, {&E::stroke, "-26,67"}}, ',',
            {{SweptVolume, "-10940,70"}, {SpecificConsumption, "-0,00008821"}, {PowerFillIn, "-1814"}}},
        {"PointSeparator", {{&E::bore, "22.86"}, {&E::stroke, "26.67"}, {&E::fuelUsed, "0.16"}}, '.',
            {{Power, "1813.77"}, {ConsumptionFillIn, "0.00008821"}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Sink sink;
        computeEnginePower(replaced(kDefaults, row.entries), sink, row.separator);
        for (const auto& [field, text] : row.shown)
            EXPECT_EQ(sink.written.at(field), text) << int(field);
    }
}

TEST(EnginePower, StopsAtTheFault)
{
    using enum EnginePowerEntry;
    const Effects beforeConsumption{text(SweptVolume, "10940,70"), text(Torque, "1254,35"), text(Power, "0,00")};
    const struct {
        const char* name;
        EntryTexts<E> entries;
        std::string message;
        std::optional<EnginePowerEntry> entry;
        Effects effects;
    } rows[] = {
        {"EmptyBore", {{&E::bore, ""}}, "'' is not a valid floating point value", Bore, {}},
        {"FirstBadEntryNamed", {{&E::speed, "1.050"}, {&E::fuelUsed, "x"}},
            "'1.050' is not a valid floating point value", Speed, {}},
        {"EmptyStrokeList", {{&E::cycles, ""}}, "'' is not a valid floating point value", Cycles, {}},
        {"HugeEntry", {{&E::fuelUsed, "1e400"}}, "Floating point overflow", FuelUsed, {}},
        {"VolumeOverflow", {{&E::bore, "1e200"}}, "Floating point overflow", {}, {}},
        {"ZeroSpeed", {{&E::speed, "0"}}, "Floating point division by zero", {}, beforeConsumption},
        {"ZeroSpeedAndFuel", {{&E::speed, "0"}, {&E::fuelUsed, "0"}}, "Invalid floating point operation", {},
            beforeConsumption},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Sink sink;
        const Thrown failure = thrown([&] { computeEnginePower(replaced(kDefaults, row.entries), sink, ','); });
        EXPECT_EQ(failure.message, row.message);
        EXPECT_EQ(failure.entry, row.entry ? std::optional<EntryName>(*row.entry) : std::nullopt);
        EXPECT_EQ(sink.effects, row.effects);
    }
}

} // namespace
} // namespace loco
