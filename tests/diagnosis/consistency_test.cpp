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

// A chain of questions whose YA and TIDAK both lead to the next: 2^n paths.
std::string manyPaths(int n)
{
    std::string text = "start\tQ0\nclosing\tN\tn\n";
    for (int i = 0; i < n; ++i) {
        const std::string next = i + 1 < n ? "Q" + std::to_string(i + 1) : "N";
        text += "question\tQ" + std::to_string(i) + "\t" + std::to_string(i) + "\nya\t" + next + "\ntidak\t" + next
            + "\n";
    }
    return text;
}

INSTANTIATE_TEST_SUITE_P(Bases, Consistency,
    testing::Values(Fault{"Sound", kSound, {}},
        Fault{"AnswerLeadsNowhere", "start\tQ1\nclosing\tN1\tn\nquestion\tQ1\tA\ntidak\tN1\n",
            {"k.txt:3: error: Q1 YA leads nowhere: the question has no \"ya\" line"}},
        Fault{
            "UnusedHeading", kSound + "heading\tH2\tx\n", {"k.txt:10: warning: heading H2 is not used by any answer"}},
        Fault{"UnusedClosing", kSound + "closing\tN2\tx\n",
            {"k.txt:10: warning: closing text N2 is not used by any answer"}},
        Fault{"UnknownStart", "start\tQ0\nheading\tH1\th\nquestion\tQ1\tA\n" + kConcluding,
            {"k.txt:1: error: start: Q0 names nothing; did you mean Q1?"}},
        Fault{"StartIsAClosing", "start\tN1\nclosing\tN1\tn\nquestion\tQ1\tA\nya\tN1\ntidak\tN1\n",
            {"k.txt:1: error: start: N1 is a closing text, not a question"}},
        Fault{"UnreachableRow", kSound + "question\tQ3\tC\n" + kConcluding,
            {"k.txt:10: error: Q3 cannot be reached from the start question"}},
        Fault{"UnknownTarget", "start\tQ1\nheading\tH1\th\nquestion\tQ1\tA\nya\tH1\tc\ntidak\tX9\n",
            {"k.txt:5: error: Q1 TIDAK: there is no question or closing text X9"}},
        // The rows after a mistyped label are not reported again as out of reach.
        Fault{"MistypedLabelOnce",
            "start\tQ1\nheading\tH1\th\nclosing\tN1\tn\nquestion\tQ1\tA\nya\tH1\tc\ntidak\tQ2\n"
            "question\tQ2\tB\nya\tH1\tc\ntidak\tQ33\nquestion\tQ3\tC\nya\tH1\tc\ntidak\tQ4\n"
            "question\tQ4\tD\nya\tH1\tc\ntidak\tN1\n",
            {"k.txt:9: error: Q2 TIDAK: there is no question or closing text Q33; did you mean Q3?"}},
        Fault{"HeadingWithoutItsCause", "start\tQ1\nheading\tH1\th\nquestion\tQ1\tA\nya\tH1\ntidak\tH1\tc\n",
            {"k.txt:4: error: Q1 YA: H1 is a heading: a conclusion needs its cause line after it (<TAB>H1<TAB>cause)"}},
        Fault{"UnknownHeading", "start\tQ1\nheading\tH1\th\nquestion\tQ1\tA\nya\tH2\tcause\ntidak\tH1\tc\n",
            {"k.txt:4: error: Q1 YA: there is no heading H2; did you mean H1?"}},
        Fault{"ClosingUsedAsHeading", "start\tQ1\nclosing\tN1\tn\nquestion\tQ1\tA\nya\tN1\tcause\ntidak\tN1\n",
            {"k.txt:4: error: Q1 YA: N1 is a closing text, not a heading: a closing text takes no cause line"}},
        Fault{"QuestionUsedAsHeading", kSound + "question\tQ3\tC\nya\tQ1\tcause\ntidak\tN1\n",
            {"k.txt:10: error: Q3 cannot be reached from the start question",
                "k.txt:11: error: Q3 YA: Q1 is a question, not a heading: a next question takes no cause line"}},
        Fault{"UnreachablePartOnce", kSound + "question\tQ3\tC\nya\tH1\tc\ntidak\tQ4\nquestion\tQ4\tD\n" + kConcluding,
            {"k.txt:10: error: Q3 cannot be reached from the start question, nor can the 1 question it leads to"}},
        Fault{"RepeatedText",
            "start\tQ1\nheading\tH1\th\nquestion\tQ1\tA\nya\tH1\tc\ntidak\tQ2\nquestion\tQ2\tA\n" + kConcluding,
            {"k.txt:6: error: Q2 repeats the question text of Q1"}},
        Fault{"Loop",
            "start\tQ1\nheading\tH1\th\nquestion\tQ1\tA\nya\tH1\tc\ntidak\tQ2\nquestion\tQ2\tB\nya\tH1\tc\n"
            "tidak\tQ3\nquestion\tQ3\tC\nya\tQ2\ntidak\tH1\tc\n",
            {"k.txt:10: error: the questions can loop: Q2 -> Q3 -> Q2"}},
        Fault{"ManyPaths", manyPaths(17),
            {"k.txt:1: warning: there are 131072 answer paths from the start question, more than 100000: questions "
             "reached in more than one way multiply them"}},
        Fault{"SelfLoopOutOfReach", kSound + "question\tQ3\tC\nya\tQ3\ntidak\tN1\n",
            {"k.txt:10: error: Q3 cannot be reached from the start question",
                "k.txt:11: error: the questions can loop: Q3 -> Q3"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Consistency, EmptyBaseHasNoStart)
{
    EXPECT_EQ(problems(loco::KnowledgeBase{}), std::vector<std::string>{"k.txt:0: error: there is no start question"});
}

} // namespace
} // namespace loco
