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

class Consistency : public testing::TestWithParam<Fault> {};

TEST_P(Consistency, ReportsEveryFault)
{
    EXPECT_EQ(loco::findInconsistencies(loco::parseKnowledgeBase(GetParam().text)), GetParam().problems);
}

// A sound chain: Q1 -> Q2 -> closing, each YA a conclusion.
const std::string sound = "start\tQ1\n"
                          "heading\tH1\th\n"
                          "closing\tN1\tn\n"
                          "question\tQ1\tA\nya\tH1\tc\ntidak\tQ2\n"
                          "question\tQ2\tB\nya\tH1\tc\ntidak\tN1\n";

INSTANTIATE_TEST_SUITE_P(
    Bases, Consistency,
    testing::Values(
        Fault{"Sound", sound, {}},
        Fault{"SoundWithAnswerWithoutOutcome", "start\tQ1\nclosing\tN1\tn\nquestion\tQ1\tA\ntidak\tN1\n", {}},
        Fault{"UnknownStart", "start\tQ0\nquestion\tQ1\tA\n", {"start: there is no question Q0"}},
        Fault{"StartIsAClosing", "start\tN1\nclosing\tN1\tn\nquestion\tQ1\tA\n", {"start: there is no question N1"}},
        Fault{"UnreachableRow", sound + "question\tQ3\tC\n", {"Q3 cannot be reached from the start question"}},
        Fault{"UnknownTarget", "start\tQ1\nquestion\tQ1\tA\ntidak\tQ2\n",
              {"Q1 TIDAK: there is no question or closing text Q2"}},
        Fault{"HeadingUsedAsTarget", "start\tQ1\nheading\tH1\th\nquestion\tQ1\tA\nya\tH1\n",
              {"Q1 YA: there is no question or closing text H1"}},
        Fault{"UnknownHeading", "start\tQ1\nheading\tH1\th\nquestion\tQ1\tA\nya\tH2\tcause\n",
              {"Q1 YA: there is no heading H2"}},
        Fault{"ClosingUsedAsHeading", "start\tQ1\nclosing\tN1\tn\nquestion\tQ1\tA\nya\tN1\tcause\n",
              {"Q1 YA: there is no heading N1"}},
        Fault{"RepeatedText", "start\tQ1\nquestion\tQ1\tA\ntidak\tQ2\nquestion\tQ2\tA\n",
              {"Q2 repeats the question text of Q1"}},
        Fault{"Loop",
              "start\tQ1\nquestion\tQ1\tA\ntidak\tQ2\nquestion\tQ2\tB\ntidak\tQ3\nquestion\tQ3\tC\nya\tQ2\n",
              {"the questions can loop: Q2 -> Q3 -> Q2"}},
        Fault{"SelfLoopOutOfReach", sound + "question\tQ3\tC\nya\tQ3\n",
              {"Q3 cannot be reached from the start question", "the questions can loop: Q3 -> Q3"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Consistency, EmptyBaseHasNoStart)
{
    EXPECT_EQ(loco::findInconsistencies(loco::KnowledgeBase{}),
              std::vector<std::string>{"start: there is no question "});
}

} // namespace
} // namespace loco
