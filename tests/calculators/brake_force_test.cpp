#include "calculators/core/brake_force.h"
#include "tests/calculators/error_message.h"
#include "tests/calculators/recording_form.h"

#include <gtest/gtest.h>

namespace {

using Texts = RecordingForm::Texts;
using Changes = std::vector<std::string>;

const Texts defaults{{"Edit14", "475"}, {"Edit15", "355"}, {"Edit16", "8"}, {"Edit17", "730"}, {"Edit18", "3,8"},
    {"Edit19", "140"}, {"Edit20", "100"}, {"Edit21", "200"}, {"Edit23", "35500"}, {"Edit24", "39660"}};

const Changes forcesShown{"Edit14jwb=10,70", "Edit15jwb=2634,00", "Edit16jwb=26594,93"};
const Changes fullCarShown{"Edit19jwb=67,06", "Edit6=67,06", "Edit8=memuaskan", "show Edit6", "show Edit8"};

Changes operator+(Changes changes, const Changes& more)
{
    changes.insert(changes.end(), more.begin(), more.end());
    return changes;
}

TEST(BrakeForce, DefaultsReadInOrderAndFillTheConclusionLast)
{
    RecordingForm form(defaults);
    loco::computeBrakeForce(form, ',');
    EXPECT_EQ(form.reads,
        (Changes{"Edit14", "Edit15", "Edit16", "Edit17", "Edit18", "Edit19", "Edit20", "Edit21", "Edit23", "Edit24"}));
    const Changes emptyCarAndConclusion{"Edit20jwb=74,92", "Edit5=74,92", "Edit7=memuaskan", "show Edit5", "show Edit7",
        "show RichEdit1", "hide Memo2"};
    EXPECT_EQ(form.changes, forcesShown + fullCarShown + emptyCarAndConclusion);
}

TEST(BrakeForce, VerdictsJudgeTheFullValue)
{
    // Both percentages equal the piston area entered here.
    const Texts plain{{"Edit14", "1"}, {"Edit15", "1"}, {"Edit16", "1"}, {"Edit18", "1"}, {"Edit19", "0"},
        {"Edit20", "100"}, {"Edit21", "0"}, {"Edit23", "100"}, {"Edit24", "100"}};
    const struct {
        const char* percentage;
        std::string shown, full, empty;
    } rows[] = {{"50", "50,00", "kurang memuaskan", "kurang memuaskan"}, {"50,001", "50,00", "memuaskan", "memuaskan"},
        {"79,999", "80,00", "memuaskan", "memuaskan"}, {"80", "80,00", "kurang memuaskan", "memuaskan"},
        {"100", "100,00", "kurang memuaskan", "memuaskan"}, {"100,001", "100,00", "kurang memuaskan", "kurang memuaskan"},
        {"-30", "-30,00", "kurang memuaskan", "kurang memuaskan"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.percentage);
        RecordingForm form(plain, {{"Edit17", row.percentage}});
        loco::computeBrakeForce(form, ',');
        EXPECT_EQ(form.written.at("Edit6"), row.shown);
        EXPECT_EQ(form.written.at("Edit8"), row.full);
        EXPECT_EQ(form.written.at("Edit5"), row.shown);
        EXPECT_EQ(form.written.at("Edit7"), row.empty);
    }
}

TEST(BrakeForce, StopsAtTheFault)
{
    const struct {
        const char* name;
        Texts entries;
        std::string message;
        Changes changes;
    } rows[] = {{"BadLastEntry", {{"Edit24", "39 660"}}, "'39 660' is not a valid floating point value", {}},
        {"ZeroLowerArm", {{"Edit15", "0"}}, "Floating point division by zero", {}},
        {"ZeroArms", {{"Edit14", "0"}, {"Edit15", "0"}}, "Invalid floating point operation", {}},
        {"ZeroFullLoad", {{"Edit24", "0"}}, "Floating point division by zero", forcesShown},
        {"ZeroEmptyLoad", {{"Edit23", "0"}}, "Floating point division by zero", forcesShown + fullCarShown}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        RecordingForm form(defaults, row.entries);
        EXPECT_EQ(errorMessage([&] { loco::computeBrakeForce(form, ','); }), row.message);
        EXPECT_EQ(form.changes, row.changes);
    }
}

} // namespace
