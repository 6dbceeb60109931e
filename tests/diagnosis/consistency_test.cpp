#include "diagnosis/core/consistency.h"
#include "diagnosis/core/knowledge_parser.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace loco {
namespace {

struct Fault {
    const char* name;
    std::string text;
    std::vector<std::string> problems;
};

void PrintTo(const Fault& row, std::ostream* out)
{
    *out << row.name;
}

std::vector<std::string> problems(const loco::KnowledgeBase& base)
{
    std::vector<std::string> lines;
    for (const loco::Diagnostic& diagnostic : loco::findInconsistencies(base, "k.txt"))
        lines.push_back(loco::describe(diagnostic));
    return lines;
}

class Consistency : public testing::TestWithParam<Fault> { };

TEST_P(Consistency, ReportsEveryFaultAtItsLine)
{
    EXPECT_EQ(problems(loco::parseKnowledgeBase(GetParam().text)), GetParam().problems);
}

// A sound chain: Q1 -> Q2 -> closing, each YA a conclusion.
const std::string kSound = "start\tQ1\n"
                           "heading\tH1\th\n"
                           "closing\tN1\tn\n"
                           "question\tQ1\tA\nya\tH1\tc\ntidak\tQ2\n"
                           "question\tQ2\tB\nya\tH1\tc\ntidak\tN1\n";
// One question with its two outcomes, for bases that need a heading only.
const std::string kConcluding = "ya\tH1\tc\ntidak\tH1\td\n";

INSTANTIATE_TEST_SUITE_P(Bases, Consistency,
    testing::Values(Fault{"Sound", kSound, {}},
        Fault{"AnswerLeadsNowhere", "start\tQ1\nclosing\tN1\tn\nquestion\tQ1\tA\ntidak\tN1\n",
            {"k.txt:3: warning: Q1 YA leads nowhere: the question has no \"ya\" line"}},
        Fault{
            "UnusedHeading", kSound + "heading\tH2\tx\n", {"k.txt:10: warning: heading H2 is not used by any answer"}},
        Fault{"UnusedClosing", kSound + "closing\tN2\tx\n",
            {"k.txt:10: warning: closing text N2 is not used by any answer"}},
        Fault{"UnknownStart", "start\tQ0\nheading\tH1\th\nquestion\tQ1\tA\n" + kConcluding,
            {"k.txt:1: error: start: there is no question Q0"}},
        Fault{"StartIsAClosing", "start\tN1\nclosing\tN1\tn\nquestion\tQ1\tA\nya\tN1\ntidak\tN1\n",
            {"k.txt:1: error: start: there is no question N1"}},
        Fault{"UnreachableRow", kSound + "question\tQ3\tC\n" + kConcluding,
            {"k.txt:10: error: Q3 cannot be reached from the start question"}},
        Fault{"UnknownTarget", "start\tQ1\nheading\tH1\th\nquestion\tQ1\tA\nya\tH1\tc\ntidak\tQ2\n",
            {"k.txt:5: error: Q1 TIDAK: there is no question or closing text Q2"}},
        Fault{"HeadingUsedAsTarget", "start\tQ1\nheading\tH1\th\nquestion\tQ1\tA\nya\tH1\ntidak\tH1\tc\n",
            {"k.txt:4: error: Q1 YA: there is no question or closing text H1"}},
        Fault{"UnknownHeading", "start\tQ1\nheading\tH1\th\nquestion\tQ1\tA\nya\tH2\tcause\ntidak\tH1\tc\n",
            {"k.txt:4: error: Q1 YA: there is no heading H2"}},
        Fault{"ClosingUsedAsHeading", "start\tQ1\nclosing\tN1\tn\nquestion\tQ1\tA\nya\tN1\tcause\ntidak\tN1\n",
            {"k.txt:4: error: Q1 YA: there is no heading N1"}},
        Fault{"RepeatedText",
            "start\tQ1\nheading\tH1\th\nquestion\tQ1\tA\nya\tH1\tc\ntidak\tQ2\nquestion\tQ2\tA\n" + kConcluding,
            {"k.txt:6: error: Q2 repeats the question text of Q1"}},
        Fault{"Loop",
            "start\tQ1\nheading\tH1\th\nquestion\tQ1\tA\nya\tH1\tc\ntidak\tQ2\nquestion\tQ2\tB\nya\tH1\tc\n"
            "tidak\tQ3\nquestion\tQ3\tC\nya\tQ2\ntidak\tH1\tc\n",
            {"k.txt:10: error: the questions can loop: Q2 -> Q3 -> Q2"}},
        Fault{"SelfLoopOutOfReach", kSound + "question\tQ3\tC\nya\tQ3\ntidak\tN1\n",
            {"k.txt:10: error: Q3 cannot be reached from the start question",
                "k.txt:11: error: the questions can loop: Q3 -> Q3"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Consistency, EmptyBaseHasNoStart)
{
    EXPECT_EQ(
        problems(loco::KnowledgeBase{}), std::vector<std::string>{"k.txt:0: error: start: there is no question "});
}

} // namespace
} // namespace loco
