#include "calculators/core/brake_force.h"
#include "tests/calculators/error_message.h"
#include "tests/calculators/recording_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const RecordingForm::Texts defaults{{"Edit14", "475"}, {"Edit15", "355"}, {"Edit16", "8"}, {"Edit17", "730"},
    {"Edit18", "3,8"}, {"Edit19", "140"}, {"Edit20", "100"}, {"Edit21", "200"}, {"Edit23", "35500"}, {"Edit24", "39660"}};

// Entries under which both percentages equal the piston area entry.
RecordingForm::Texts percentagesOf(const std::string& percentage)
{
    return {{"Edit14", "1"}, {"Edit15", "1"}, {"Edit16", "1"}, {"Edit17", percentage}, {"Edit18", "1"},
        {"Edit19", "0"}, {"Edit20", "100"}, {"Edit21", "0"}, {"Edit23", "100"}, {"Edit24", "100"}};
}

struct Example {
    const char* name;
    RecordingForm::Texts entries;
    RecordingForm::Texts shown;
};

class BrakeForceExample : public testing::TestWithParam<Example> {};

TEST_P(BrakeForceExample, ShowsResultsAndVerdicts)
{
    RecordingForm form(GetParam().entries);
    loco::computeBrakeForce(form, ',');
    for (const auto& [control, text] : GetParam().shown)
        EXPECT_EQ(form.written().at(control), text) << control;
}

const char* const good = "memuaskan";
const char* const poor = "kurang memuaskan";

INSTANTIATE_TEST_SUITE_P(BrakeForce, BrakeForceExample,
    testing::Values(
        Example{"Defaults", defaults,
            {{"Edit14jwb", "10,70"}, {"Edit15jwb", "2634,00"}, {"Edit16jwb", "26594,93"}, {"Edit19jwb", "67,06"},
                {"Edit20jwb", "74,92"}, {"Edit6", "67,06"}, {"Edit8", good}, {"Edit5", "74,92"}, {"Edit7", good}}},
        Example{"SlackAdjusterOutweighsBraking", withEntries(defaults, {{"Edit21", "5000"}}),
            {{"Edit16jwb", "-11805,07"}, {"Edit6", "-29,77"}, {"Edit8", poor}, {"Edit5", "-33,25"}, {"Edit7", poor}}},
        Example{"Fifty", percentagesOf("50"), {{"Edit6", "50,00"}, {"Edit8", poor}, {"Edit7", poor}}},
        Example{"JustAboveFifty", percentagesOf("50,001"), {{"Edit6", "50,00"}, {"Edit8", good}, {"Edit7", good}}},
        Example{"VerdictOnFullValue", percentagesOf("79,999"), {{"Edit6", "80,00"}, {"Edit8", good}, {"Edit7", good}}},
        Example{"Eighty", percentagesOf("80"), {{"Edit8", poor}, {"Edit7", good}}},
        Example{"Hundred", percentagesOf("100"), {{"Edit8", poor}, {"Edit7", good}}},
        Example{"JustAboveHundred", percentagesOf("100,001"), {{"Edit5", "100,00"}, {"Edit8", poor}, {"Edit7", poor}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BrakeForce, ReadsEachEntryOnceInOrder)
{
    RecordingForm form(defaults);
    loco::computeBrakeForce(form, ',');
    EXPECT_EQ(form.reads(), (std::vector<std::string>{"Edit14", "Edit15", "Edit16", "Edit17", "Edit18", "Edit19",
                                "Edit20", "Edit21", "Edit23", "Edit24"}));
}

struct Failure {
    const char* name;
    RecordingForm::Texts entries;
    std::string message;
    std::vector<std::string> changes;
};

class BrakeForceFailure : public testing::TestWithParam<Failure> {};

TEST_P(BrakeForceFailure, StopsAtTheFault)
{
    RecordingForm form(withEntries(defaults, GetParam().entries));
    EXPECT_EQ(errorMessage([&] { loco::computeBrakeForce(form, ','); }), GetParam().message);
    EXPECT_EQ(form.changes(), GetParam().changes);
}

const std::vector<std::string> forcesShown{"Edit14jwb=10,70", "Edit15jwb=2634,00", "Edit16jwb=26594,93"};

std::vector<std::string> plus(std::vector<std::string> changes, const std::vector<std::string>& more)
{
    changes.insert(changes.end(), more.begin(), more.end());
    return changes;
}

INSTANTIATE_TEST_SUITE_P(BrakeForce, BrakeForceFailure,
    testing::Values(Failure{"BadLastEntry", {{"Edit24", "39 660"}}, "'39 660' is not a valid floating point value", {}},
        Failure{"ZeroLowerArm", {{"Edit15", "0"}}, "Floating point division by zero", {}},
        Failure{"ZeroArms", {{"Edit14", "0"}, {"Edit15", "0"}}, "Invalid floating point operation", {}},
        Failure{"ZeroFullLoad", {{"Edit24", "0"}}, "Floating point division by zero", forcesShown},
        Failure{"ZeroEmptyLoad", {{"Edit23", "0"}}, "Floating point division by zero",
            plus(forcesShown, {"Edit19jwb=67,06", "Edit6=67,06", "Edit8=memuaskan", "show Edit6", "show Edit8"})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BrakeForce, BringsTheConclusionIntoViewLast)
{
    RecordingForm form(defaults);
    loco::computeBrakeForce(form, ',');
    const std::vector<std::string> last(form.changes().end() - 7, form.changes().end());
    EXPECT_EQ(last, (std::vector<std::string>{"Edit20jwb=74,92", "Edit5=74,92", "Edit7=memuaskan", "show Edit5",
                        "show Edit7", "show RichEdit1", "hide Memo2"}));
}

} // namespace
