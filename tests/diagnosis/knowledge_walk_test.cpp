#include "diagnosis/core/knowledge_parser.h"
#include "diagnosis/core/knowledge_walk.h"

#include <gtest/gtest.h>
#include <span>
#include <string>
#include <vector>

namespace loco {
namespace {

// Q4 is reached two ways, each two answers long: by Q1 YA, Q2 TIDAK and by
// Q1 TIDAK, Q3 YA.
const KnowledgeBase kBase = parseKnowledgeBase("start\tQ1\nheading\tH\th\nclosing\tN\tn\n"
                                               "question\tQ1\tA\nya\tQ2\ntidak\tQ3\n"
                                               "question\tQ2\tB\nya\tH\tc1\ntidak\tQ4\n"
                                               "question\tQ3\tC\nya\tQ4\ntidak\tH\tc2\n"
                                               "question\tQ4\tD\nya\tH\tc3\ntidak\tN\n");

std::string text(std::span<const AnsweredQuestion> answers)
{
    std::string line;
    for (const AnsweredQuestion& step : answers)
        line += (line.empty() ? "" : ", ") + kBase.questions()[step.question].label
            + (step.answer == Answer::Ya ? " YA" : " TIDAK");
    return line;
}

std::size_t row(const char* label)
{
    return kBase.findLabel(label)->index;
}

TEST(KnowledgeWalk, ListsEveryPathYaFirstAndStopsWhenAsked)
{
    std::vector<std::string> paths;
    forEachAnswerPath(kBase, [&](std::span<const AnsweredQuestion> answers) {
        paths.push_back(text(answers));
        return true;
    });
    EXPECT_EQ(paths,
        (std::vector<std::string>{"Q1 YA, Q2 YA", "Q1 YA, Q2 TIDAK, Q4 YA", "Q1 YA, Q2 TIDAK, Q4 TIDAK",
            "Q1 TIDAK, Q3 YA, Q4 YA", "Q1 TIDAK, Q3 YA, Q4 TIDAK", "Q1 TIDAK, Q3 TIDAK"}));
    int visited = 0;
    forEachAnswerPath(kBase, [&](std::span<const AnsweredQuestion>) { return ++visited < 2; });
    EXPECT_EQ(visited, 2);
    EXPECT_EQ(countAnswerPaths(kBase, 100), 6u);
    EXPECT_EQ(countAnswerPaths(kBase, 4), 4u);
}

TEST(KnowledgeWalk, FindsTheShortestWayTidakFirstOnATie)
{
    EXPECT_EQ(text(*shortestPathTo(kBase, row("Q4"))), "Q1 TIDAK, Q3 YA");
    EXPECT_EQ(text(*shortestPathTo(kBase, AnsweredQuestion{row("Q2"), Answer::Ya})), "Q1 YA, Q2 YA");
    EXPECT_TRUE(shortestPathTo(kBase, row("Q1"))->empty());
}

TEST(KnowledgeWalk, GivesTheEndingsInReachNearestFirst)
{
    std::vector<std::string> endings;
    for (const ReachableEnding& ending : reachableEndings(kBase, row("Q3")))
        endings.push_back(text(std::span(&ending.last, 1)) + " " + std::to_string(ending.answers));
    EXPECT_EQ(endings, (std::vector<std::string>{"Q3 TIDAK 1", "Q4 TIDAK 2", "Q4 YA 2"}));
    EXPECT_EQ(symptomQuestions(kBase), (std::vector<std::size_t>{row("Q1"), row("Q3")}));
}

} // namespace
} // namespace loco
