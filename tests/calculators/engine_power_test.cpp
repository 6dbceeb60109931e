#include "calculators/core/engine_power.h"
#include "tests/calculators/error_message.h"
#include "tests/calculators/recording_form.h"

#include <gtest/gtest.h>

namespace {

using Texts = RecordingForm::Texts;
using Changes = std::vector<std::string>;

const Texts defaults{{"edit11", "22,86"}, {"edit12", "26,67"}, {"edit13", "1050"}, {"edit14", "18"}, {"ComboBox1", "4"},
    {"ComboBox2", "8"}, {"edit18", "0,16"}};

TEST(EnginePower, DefaultsReadInOrderAndFillTheConclusionLast)
{
    RecordingForm form(defaults);
    loco::computeEnginePower(form, ',');
    EXPECT_EQ(form.reads, (Changes{"edit11", "edit12", "edit13", "edit14", "ComboBox2", "ComboBox1", "edit18"}));
    EXPECT_EQ(form.changes, (Changes{"Edit2=10940,70", "Edit5=1254,35", "Edit6=1813,77", "Edit15=0,00008821", "Edit21=1814",
                                "show Edit21", "Edit25=0,00008821", "show Edit25", "hide Memo2", "show Memo1"}));
}

TEST(EnginePower, ListTextsAndOtherEntries)
{
    const struct {
        const char* name;
        Texts entries;
        char separator;
        Texts shown;
    } rows[] = {{"TwoStroke", {{"ComboBox1", "2"}}, ',', {{"Edit5", "2508,70"}, {"Edit6", "3627,54"}, {"Edit15", "0,00004411"}}},
        {"TypedStrokeCountIsTheCycles", {{"ComboBox1", "3"}}, ',', {{"Edit5", "7526,09"}}},
        {"StrokeCountWithBlankIsNotAnItem", {{"ComboBox1", " 4"}}, ',', {{"Edit5", "10034,78"}}},
        {"TypedCylinderCount", {{"ComboBox2", "10"}}, ',', {{"Edit5", "1567,93"}}},
        {"NegativeEntries", {{"edit11", "-22,86"}, {"edit12", "-26,67"}}, ',',
            {{"Edit2", "-10940,70"}, {"Edit15", "-0,00008821"}, {"Edit21", "-1814"}}},
        {"PointSeparator", {{"edit11", "22.86"}, {"edit12", "26.67"}, {"edit18", "0.16"}}, '.',
            {{"Edit6", "1813.77"}, {"Edit25", "0.00008821"}}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        RecordingForm form(defaults, row.entries);
        loco::computeEnginePower(form, row.separator);
        for (const auto& [control, text] : row.shown)
            EXPECT_EQ(form.written.at(control), text) << control;
    }
}

TEST(EnginePower, StopsAtTheFault)
{
    const Changes beforeConsumption{"Edit2=10940,70", "Edit5=1254,35", "Edit6=0,00"};
    const struct {
        const char* name;
        Texts entries;
        std::string message;
        Changes changes;
    } rows[] = {{"EmptyBore", {{"edit11", ""}}, "'' is not a valid floating point value", {}},
        {"FirstBadEntryNamed", {{"edit13", "1.050"}, {"edit18", "x"}}, "'1.050' is not a valid floating point value", {}},
        {"EmptyStrokeList", {{"ComboBox1", ""}}, "'' is not a valid floating point value", {}},
        {"HugeEntry", {{"edit18", "1e400"}}, "Floating point overflow", {}},
        {"VolumeOverflow", {{"edit11", "1e200"}}, "Floating point overflow", {}},
        {"ZeroSpeed", {{"edit13", "0"}}, "Floating point division by zero", beforeConsumption},
        {"ZeroSpeedAndFuel", {{"edit13", "0"}, {"edit18", "0"}}, "Invalid floating point operation", beforeConsumption}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        RecordingForm form(defaults, row.entries);
        EXPECT_EQ(errorMessage([&] { loco::computeEnginePower(form, ','); }), row.message);
        EXPECT_EQ(form.changes, row.changes);
    }
}

} // namespace
