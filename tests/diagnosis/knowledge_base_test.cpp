#include "diagnosis/core/knowledge_parser.h"
#include "diagnosis/core/knowledge_set.h"
#include "tests/diagnosis/step_text.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace loco {
namespace {

// Two systems that share a question text, each with its own outcomes.
loco::KnowledgeSet twoSystems()
{
    loco::KnowledgeSet set;
    set[System::Cooling] = loco::parseKnowledgeBase("start\tC1\n"
                                                    "heading\tCH\tcooling heading\n"
                                                    "closing\tCN\tcooling closing\n"
                                                    "question\tC1\tAPAKAH SAMA\n"
                                                    "ya\tCH\tcooling cause\n"
                                                    "tidak\tC2\n"
                                                    "question\tC2\tAPAKAH C2 \n"
                                                    "tidak\tCN\n");
    set[System::Lubrication] = loco::parseKnowledgeBase("start\tL1\n"
                                                        "heading\tLH\tlubrication heading\n"
                                                        "question\tL1\tAPAKAH SAMA\n"
                                                        "ya\tLH\tlubrication cause\t10\n");
    return set;
}

struct Press {
    const char* name;
    int system;
    std::string questionLine;
    Answer answer;
    std::string expected;
};

void PrintTo(const Press& row, std::ostream* out)
{
    *out << row.name;
}

class Answering : public testing::TestWithParam<Press> { };

TEST_P(Answering, GivesWhatTheWindowMustDo)
{
    const loco::KnowledgeSet set = twoSystems();
    const Press& press = GetParam();
    EXPECT_EQ(stepText(set.answer(press.system, press.questionLine, press.answer)), press.expected);
}

constexpr int kCooling = static_cast<int>(System::Cooling);
constexpr int kLubrication = static_cast<int>(System::Lubrication);

INSTANTIATE_TEST_SUITE_P(Presses, Answering,
    testing::Values(Press{"SharedTextInFirstSystem", kCooling, "APAKAH SAMA", Answer::Ya,
                        "conclusion 12pt [cooling heading] [cooling cause]"},
        Press{"SharedTextInSecondSystem", kLubrication, "APAKAH SAMA", Answer::Ya,
            "conclusion 10pt [lubrication heading] [lubrication cause]"},
        Press{"NextQuestionOnly", kCooling, "APAKAH SAMA", Answer::Tidak, "next [APAKAH C2 ]"},
        Press{"ClosingText", kCooling, "APAKAH C2 ", Answer::Tidak, "closing [cooling closing]"},
        Press{"AnswerWithoutOutcome", kCooling, "APAKAH C2 ", Answer::Ya, "nothing"},
        Press{"TrailingBlankMissing", kCooling, "APAKAH C2", Answer::Tidak, "nothing"},
        Press{"OtherCase", kCooling, "apakah sama", Answer::Ya, "nothing"},
        Press{"QuestionOfAnotherSystem", kLubrication, "APAKAH C2 ", Answer::Tidak, "nothing"},
        Press{"NoSystemSelected", -1, "APAKAH SAMA", Answer::Ya, "nothing"},
        Press{"SystemOutOfRange", 6, "APAKAH SAMA", Answer::Ya, "nothing"},
        Press{"EmptySystem", static_cast<int>(System::Brakes), "APAKAH SAMA", Answer::Ya, "nothing"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KnowledgeSet, StartQuestionOfEachSystem)
{
    const loco::KnowledgeSet set = twoSystems();
    EXPECT_EQ(set.startQuestion(kCooling), "APAKAH SAMA");
    EXPECT_EQ(set.startQuestion(static_cast<int>(System::Brakes)), "");
    EXPECT_EQ(set.startQuestion(-1), "");
    EXPECT_EQ(set.startQuestion(6), "");
}

TEST(KnowledgeBase, UnknownLabelsAnswerNothing)
{
    const loco::KnowledgeBase base = loco::parseKnowledgeBase("start\tQ9\n"
                                                              "heading\tH1\theading\n"
                                                              "question\tQ1\tA\n"
                                                              "ya\tQ7\n"
                                                              "tidak\tH1\n");
    EXPECT_EQ(base.startQuestion(), "");
    EXPECT_EQ(stepText(base.answer("A", Answer::Ya)), "nothing");
    EXPECT_EQ(stepText(base.answer("A", Answer::Tidak)), "nothing");
}

} // namespace
} // namespace loco
