#include "calculators/core/engine_power.h"
#include "tests/calculators/error_message.h"
#include "tests/calculators/recording_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const RecordingForm::Texts defaults{{"edit11", "22,86"}, {"edit12", "26,67"}, {"edit13", "1050"}, {"edit14", "18"},
    {"ComboBox1", "4"}, {"ComboBox2", "8"}, {"edit18", "0,16"}};

struct Example {
    const char* name;
    RecordingForm::Texts entries; // replacing defaults
    RecordingForm::Texts shown;   // expected texts of some results
};

class EnginePowerExample : public testing::TestWithParam<Example> {};

TEST_P(EnginePowerExample, ShowsTheResults)
{
    RecordingForm form(withEntries(defaults, GetParam().entries));
    loco::computeEnginePower(form, ',');
    for (const auto& [control, text] : GetParam().shown)
        EXPECT_EQ(form.written().at(control), text) << control;
}

INSTANTIATE_TEST_SUITE_P(EnginePower, EnginePowerExample,
    testing::Values(
        Example{"Defaults", {},
            {{"Edit2", "10940,70"}, {"Edit5", "1254,35"}, {"Edit6", "1813,77"}, {"Edit15", "0,00008821"},
                {"Edit21", "1814"}, {"Edit25", "0,00008821"}}},
        Example{"TwoStroke", {{"ComboBox1", "2"}}, {{"Edit5", "2508,70"}, {"Edit6", "3627,54"}, {"Edit15", "0,00004411"}}},
        Example{"TypedStrokeCountIsTheCycles", {{"ComboBox1", "3"}}, {{"Edit5", "7526,09"}}},
        Example{"StrokeCountWithBlankIsNotAnItem", {{"ComboBox1", " 4"}}, {{"Edit5", "10034,78"}}},
        Example{"TypedCylinderCount", {{"ComboBox2", "10"}}, {{"Edit5", "1567,93"}}},
        Example{"NegativeEntries", {{"edit11", "-22,86"}, {"edit12", "-26,67"}},
            {{"Edit2", "-10940,70"}, {"Edit6", "-1813,77"}, {"Edit15", "-0,00008821"}, {"Edit21", "-1814"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EnginePower, ReadsEachEntryOnceInOrder)
{
    RecordingForm form(defaults);
    loco::computeEnginePower(form, ',');
    EXPECT_EQ(form.reads(),
        (std::vector<std::string>{"edit11", "edit12", "edit13", "edit14", "ComboBox2", "ComboBox1", "edit18"}));
}

TEST(EnginePower, FillsTheConclusionAfterTheResults)
{
    RecordingForm form(defaults);
    loco::computeEnginePower(form, ',');
    EXPECT_EQ(form.changes(),
        (std::vector<std::string>{"Edit2=10940,70", "Edit5=1254,35", "Edit6=1813,77", "Edit15=0,00008821", "Edit21=1814",
            "show Edit21", "Edit25=0,00008821", "show Edit25", "hide Memo2", "show Memo1"}));
}

TEST(EnginePower, UsesTheGivenSeparator)
{
    RecordingForm form(withEntries(defaults, {{"edit11", "22.86"}, {"edit12", "26.67"}, {"edit18", "0.16"}}));
    loco::computeEnginePower(form, '.');
    EXPECT_EQ(form.written().at("Edit6"), "1813.77");
}

struct Failure {
    const char* name;
    RecordingForm::Texts entries;
    std::string message;
    std::vector<std::string> changes; // made before the error
};

class EnginePowerFailure : public testing::TestWithParam<Failure> {};

TEST_P(EnginePowerFailure, StopsAtTheFault)
{
    RecordingForm form(withEntries(defaults, GetParam().entries));
    EXPECT_EQ(errorMessage([&] { loco::computeEnginePower(form, ','); }), GetParam().message);
    EXPECT_EQ(form.changes(), GetParam().changes);
}

INSTANTIATE_TEST_SUITE_P(EnginePower, EnginePowerFailure,
    testing::Values(Failure{"EmptyBore", {{"edit11", ""}}, "'' is not a valid floating point value", {}},
        Failure{"FirstBadEntryNamed", {{"edit13", "1.050"}, {"edit18", "x"}}, "'1.050' is not a valid floating point value", {}},
        Failure{"EmptyStrokeList", {{"ComboBox1", ""}}, "'' is not a valid floating point value", {}},
        Failure{"HugeFuelEntry", {{"edit18", "1e400"}}, "Floating point overflow", {}},
        Failure{"VolumeOverflow", {{"edit11", "1e200"}}, "Floating point overflow", {}},
        Failure{"ZeroSpeed", {{"edit13", "0"}}, "Floating point division by zero",
            {"Edit2=10940,70", "Edit5=1254,35", "Edit6=0,00"}},
        Failure{"ZeroSpeedAndFuel", {{"edit13", "0"}, {"edit18", "0"}}, "Invalid floating point operation",
            {"Edit2=10940,70", "Edit5=1254,35", "Edit6=0,00"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
