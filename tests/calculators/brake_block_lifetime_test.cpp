#include "calculators/core/brake_block_lifetime.h"
#include "tests/calculators/error_message.h"
#include "tests/calculators/recording_form.h"

#include <gtest/gtest.h>

namespace {

using Texts = RecordingForm::Texts;
using Changes = std::vector<std::string>;

const Texts defaults{{"Edit1", "774"}, {"Edit2", "60"}, {"Edit3", "80"}, {"Edit4", "50"}, {"Edit5", "8"},
    {"Edit6", "0,226"}, {"ComboBox1", "70"}, {"Edit7", "0,19"}, {"Edit8", "0,8"}, {"Edit9", "0,8"}, {"Edit11", "165"},
    {"Edit12", "20"}, {"Edit13", "4"}, {"Edit16", "730"}, {"Edit17", "3,8"}, {"Edit18", "100"}, {"Edit19", "475"},
    {"Edit20", "355"}, {"Edit21", "140"}, {"Edit22", "200"}, {"Edit23", "8"}};

TEST(BrakeBlockLifetime, DefaultsReadInOrderAndShowForcePerBlockFirst)
{
    RecordingForm form(defaults);
    loco::computeBrakeBlockLifetime(form, ',');
    EXPECT_EQ(form.reads, (Changes{"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "ComboBox1", "Edit7", "Edit8",
                              "Edit9", "Edit11", "Edit12", "Edit13", "Edit16", "Edit17", "Edit18", "Edit19", "Edit20",
                              "Edit21", "Edit22", "Edit23"}));
    EXPECT_EQ(form.changes, (Changes{"Edit24=1662,18", "Edit40=2430,36", "Edit39=405,06", "Edit37=32404,80",
                                "Edit36=1361001,60", "Edit35=0,04", "Edit34=808207,38", "Edit33=1234,39",
                                "Edit32=4950,18", "Edit31=3,44", "Edit14=3", "Edit15=82", "show Edit15", "hide Panel18"}));
}

TEST(BrakeBlockLifetime, OtherSpeedAndThickness)
{
    const struct {
        const char* name;
        Texts entries, shown;
    } rows[] = {{"FastestSpeed", {{"ComboBox1", "100"}},
                    {{"Edit33", "2468,77"}, {"Edit32", "9900,37"}, {"Edit31", "1,72"}, {"Edit14", "2"}, {"Edit15", "41"}}},
        {"MinimumEqualsThickness", {{"Edit5", "50"}}, {{"Edit36", "0,00"}, {"Edit31", "0,00"}, {"Edit15", "0"}}},
        {"MinimumAboveThickness", {{"Edit5", "60"}}, {{"Edit36", "-324048,00"}, {"Edit31", "-0,82"}, {"Edit15", "-20"}}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        RecordingForm form(defaults, row.entries);
        loco::computeBrakeBlockLifetime(form, ',');
        for (const auto& [control, text] : row.shown)
            EXPECT_EQ(form.written.at(control), text) << control;
    }
}

TEST(BrakeBlockLifetime, StopsAtTheFault)
{
    const Changes onlyForce{"Edit24=1662,18"};
    const struct {
        const char* name;
        Texts entries;
        std::string message;
        Changes changes;
    } rows[] = {{"EmptyWheelDiameter", {{"Edit1", ""}}, "'' is not a valid floating point value", {}},
        {"FractionalSpeed", {{"ComboBox1", "7,5"}}, "'7,5' is not a valid integer value", {}},
        {"SpeedWithTrailingBlank", {{"ComboBox1", "70 "}}, "'70 ' is not a valid integer value", {}},
        {"ZeroParticleDiameter", {{"Edit6", "0"}}, "Floating point division by zero", {}},
        {"ZeroWheels", {{"Edit23", "0"}}, "Invalid floating point operation", {}},
        {"ZeroWheelDiameter", {{"Edit1", "0"}}, "Floating point division by zero", onlyForce},
        {"ZeroHardness", {{"Edit11", "0"}}, "Floating point division by zero", onlyForce},
        {"SpeedOutsideTable", {{"ComboBox1", "75"}}, "Floating point division by zero", onlyForce},
        {"SpeedWithLeadingBlankIsNotAnItem", {{"ComboBox1", " 70"}}, "Floating point division by zero", onlyForce},
        {"NoWearAndNoAllowance", {{"Edit13", "0"}, {"Edit5", "50"}}, "Invalid floating point operation", onlyForce}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        RecordingForm form(defaults, row.entries);
        EXPECT_EQ(errorMessage([&] { loco::computeBrakeBlockLifetime(form, ','); }), row.message);
        EXPECT_EQ(form.changes, row.changes);
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
        EXPECT_EQ(loco::thicknessNoticeDue(row.minimum, row.thickness, ','), row.notice);
    }
}

} // namespace
