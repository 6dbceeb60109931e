#include "calculators/core/brake_block_lifetime.h"
#include "tests/calculators/error_message.h"
#include "tests/calculators/recording_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const RecordingForm::Texts defaults{{"Edit1", "774"}, {"Edit2", "60"}, {"Edit3", "80"}, {"Edit4", "50"}, {"Edit5", "8"},
    {"Edit6", "0,226"}, {"ComboBox1", "70"}, {"Edit7", "0,19"}, {"Edit8", "0,8"}, {"Edit9", "0,8"}, {"Edit11", "165"},
    {"Edit12", "20"}, {"Edit13", "4"}, {"Edit16", "730"}, {"Edit17", "3,8"}, {"Edit18", "100"}, {"Edit19", "475"},
    {"Edit20", "355"}, {"Edit21", "140"}, {"Edit22", "200"}, {"Edit23", "8"}};

struct Example {
    const char* name;
    RecordingForm::Texts entries;
    RecordingForm::Texts shown;
};

class LifetimeExample : public testing::TestWithParam<Example> {};

TEST_P(LifetimeExample, ShowsResultsAndConclusion)
{
    RecordingForm form(withEntries(defaults, GetParam().entries));
    loco::computeBrakeBlockLifetime(form, ',');
    for (const auto& [control, text] : GetParam().shown)
        EXPECT_EQ(form.written().at(control), text) << control;
}

INSTANTIATE_TEST_SUITE_P(BrakeBlockLifetime, LifetimeExample,
    testing::Values(
        Example{"Defaults", {},
            {{"Edit40", "2430,36"}, {"Edit39", "405,06"}, {"Edit37", "32404,80"}, {"Edit36", "1361001,60"},
                {"Edit35", "0,04"}, {"Edit34", "808207,38"}, {"Edit33", "1234,39"}, {"Edit24", "1662,18"},
                {"Edit32", "4950,18"}, {"Edit31", "3,44"}, {"Edit14", "3"}, {"Edit15", "82"}}},
        Example{"FastestSpeed", {{"ComboBox1", "100"}},
            {{"Edit33", "2468,77"}, {"Edit32", "9900,37"}, {"Edit31", "1,72"}, {"Edit14", "2"}, {"Edit15", "41"}}},
        Example{"MinimumEqualsThickness", {{"Edit5", "50"}},
            {{"Edit36", "0,00"}, {"Edit31", "0,00"}, {"Edit14", "0"}, {"Edit15", "0"}}},
        Example{"MinimumAboveThickness", {{"Edit5", "60"}},
            {{"Edit36", "-324048,00"}, {"Edit31", "-0,82"}, {"Edit14", "-1"}, {"Edit15", "-20"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BrakeBlockLifetime, ReadsEachEntryOnceInOrder)
{
    RecordingForm form(defaults);
    loco::computeBrakeBlockLifetime(form, ',');
    EXPECT_EQ(form.reads(),
        (std::vector<std::string>{"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "ComboBox1", "Edit7", "Edit8",
            "Edit9", "Edit11", "Edit12", "Edit13", "Edit16", "Edit17", "Edit18", "Edit19", "Edit20", "Edit21", "Edit22",
            "Edit23"}));
}

TEST(BrakeBlockLifetime, ShowsForcePerBlockFirstAndConclusionLast)
{
    RecordingForm form(defaults);
    loco::computeBrakeBlockLifetime(form, ',');
    EXPECT_EQ(form.changes(),
        (std::vector<std::string>{"Edit24=1662,18", "Edit40=2430,36", "Edit39=405,06", "Edit37=32404,80",
            "Edit36=1361001,60", "Edit35=0,04", "Edit34=808207,38", "Edit33=1234,39", "Edit32=4950,18", "Edit31=3,44",
            "Edit14=3", "Edit15=82", "show Edit15", "hide Panel18"}));
}

struct Failure {
    const char* name;
    RecordingForm::Texts entries;
    std::string message;
    std::vector<std::string> changes;
};

class LifetimeFailure : public testing::TestWithParam<Failure> {};

TEST_P(LifetimeFailure, StopsAtTheFault)
{
    RecordingForm form(withEntries(defaults, GetParam().entries));
    EXPECT_EQ(errorMessage([&] { loco::computeBrakeBlockLifetime(form, ','); }), GetParam().message);
    EXPECT_EQ(form.changes(), GetParam().changes);
}

const std::vector<std::string> onlyForce{"Edit24=1662,18"};

INSTANTIATE_TEST_SUITE_P(BrakeBlockLifetime, LifetimeFailure,
    testing::Values(Failure{"EmptyWheelDiameter", {{"Edit1", ""}}, "'' is not a valid floating point value", {}},
        Failure{"FractionalSpeed", {{"ComboBox1", "7,5"}}, "'7,5' is not a valid integer value", {}},
        Failure{"SpeedWithTrailingBlank", {{"ComboBox1", "70 "}}, "'70 ' is not a valid integer value", {}},
        Failure{"BadEntryAfterSpeed", {{"Edit13", "4x"}}, "'4x' is not a valid floating point value", {}},
        Failure{"ZeroParticleDiameter", {{"Edit6", "0"}}, "Floating point division by zero", {}},
        Failure{"ZeroLowerArm", {{"Edit20", "0"}}, "Floating point division by zero", {}},
        Failure{"ZeroWheels", {{"Edit23", "0"}}, "Invalid floating point operation", {}},
        Failure{"ZeroWheelDiameter", {{"Edit1", "0"}}, "Floating point division by zero", onlyForce},
        Failure{"ZeroAngleAndNoRoute", {{"Edit2", "0"}, {"ComboBox1", "75"}}, "Invalid floating point operation",
            onlyForce},
        Failure{"ZeroHardness", {{"Edit11", "0"}}, "Floating point division by zero", onlyForce},
        Failure{"SpeedOutsideTable", {{"ComboBox1", "75"}}, "Floating point division by zero", onlyForce},
        Failure{"SpeedWithLeadingBlankIsNotAnItem", {{"ComboBox1", " 70"}}, "Floating point division by zero", onlyForce},
        Failure{"ZeroBrakings", {{"Edit12", "0"}}, "Floating point division by zero", onlyForce},
        Failure{"NoWearAndNoLifetime", {{"Edit13", "0"}, {"Edit5", "50"}}, "Invalid floating point operation",
            onlyForce}),
    [](const auto& info) { return std::string(info.param.name); });

struct Thickness {
    const char* name;
    std::string minimum; // Edit5
    std::string block;   // Edit4
    bool notice;
};

class ThicknessNotice : public testing::TestWithParam<Thickness> {};

TEST_P(ThicknessNotice, OnlyWhenTheMinimumIsNotBelowTheThickness)
{
    EXPECT_EQ(loco::thicknessNoticeDue(GetParam().minimum, GetParam().block, ','), GetParam().notice);
}

INSTANTIATE_TEST_SUITE_P(BrakeBlockLifetime, ThicknessNotice,
    testing::Values(Thickness{"Below", "9", "50", false}, Thickness{"JustBelow", "49,999", "50", false},
        Thickness{"Equal", "50", "50", true}, Thickness{"Above", "60", "50", true}, Thickness{"FarAbove", "100", "50", true},
        Thickness{"BothEmpty", "", "", false}, Thickness{"MinimumEmpty", "", "50", false},
        Thickness{"ThicknessEmpty", "60", "", false}, Thickness{"HalfTyped", "6x", "50", false},
        Thickness{"MinimumTooLarge", "1e999", "50", false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
