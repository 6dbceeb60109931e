#include "diagnosis/core/answer_path.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace loco {
namespace {

// One press: the question line before and after it, and what the window
// showed before (here just a number standing for it).
struct Press {
    std::string question;
    Answer answer;
    std::string lineAfter;
    int before;
};

struct PathCase {
    const char* name;
    std::vector<Press> presses;
    std::vector<std::string> recorded; // questions, in order
};

void PrintTo(const PathCase& row, std::ostream* out)
{
    *out << row.name;
}

class AnswerPathTest : public testing::TestWithParam<PathCase> { };

TEST_P(AnswerPathTest, RecordsOnlyTheAnswersThatMovedTheDialogue)
{
    AnswerPath<int> path;
    for (const Press& press : GetParam().presses)
        path.answered(press.question, press.answer, press.lineAfter, press.before);
    std::vector<std::string> questions;
    for (const auto& step : path.steps())
        questions.push_back(step.question);
    EXPECT_EQ(questions, GetParam().recorded);
}

INSTANTIATE_TEST_SUITE_P(Presses, AnswerPathTest,
    testing::Values(PathCase{"NextQuestionsAndConclusion",
                        {{"Q1", Answer::Tidak, "Q2", 1}, {"Q2", Answer::Ya, "lihat hasil diagnosa ", 2}}, {"Q1", "Q2"}},
        PathCase{"AnswerWithoutOutcome", {{"Q1", Answer::Tidak, "Q2", 1}, {"Q2", Answer::Ya, "Q2", 2}}, {"Q1"}},
        PathCase{"PromptAfterUlangi", {{"silahkan pilih", Answer::Ya, "silahkan pilih", 1}}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AnswerPath, TakesBackTheLastAnswerFirstAndNothingAtTheFirstQuestion)
{
    AnswerPath<int> path;
    path.answered("Q1", Answer::Tidak, "Q2", 1);
    path.answered("Q2", Answer::Ya, "lihat hasil diagnosa ", 2);

    auto last = path.takeBack();
    ASSERT_TRUE(last.has_value());
    EXPECT_EQ(last->question, "Q2");
    EXPECT_EQ(last->answer, Answer::Ya);
    EXPECT_EQ(last->before, 2);
    EXPECT_EQ(path.takeBack()->question, "Q1");
    EXPECT_FALSE(path.takeBack().has_value());

    path.answered("Q1", Answer::Ya, "Q5", 3);
    path.restart();
    EXPECT_FALSE(path.takeBack().has_value());
}

} // namespace
} // namespace loco
