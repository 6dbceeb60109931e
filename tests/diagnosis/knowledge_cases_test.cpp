#include "diagnosis/core/knowledge_cases.h"
#include "diagnosis/core/knowledge_parser.h"
#include "toolkit/core/error.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace loco {
namespace {

const std::string kText = "start\tQ1\nheading\tH1\th \nclosing\tN1\tn\tm\n"
                          "question\tQ1\tA\nya\tH1\t c \t10\ntidak\tQ2\n"
                          "question\tQ2\tB\nya\tH1\td\ntidak\tN1\n";

std::vector<std::string> messages(const std::vector<Diagnostic>& found)
{
    std::vector<std::string> lines;
    for (const Diagnostic& d : found)
        lines.push_back(describe(d));
    return lines;
}

// Written and read back, the cases are what they were made from; every
// blank of the texts survives.
TEST(KnowledgeCases, ReadBackAsWritten)
{
    const SystemCases made = casesOf(parseKnowledgeBase(kText), "k.txt");
    const std::string written = writeCases({made});
    EXPECT_NE(written.find("path\tQ1 YA\tH1\t10pt\t[ c ]\n"), std::string::npos) << written;
    EXPECT_NE(written.find("path\tQ1 TIDAK, Q2 TIDAK\tN1\n"), std::string::npos) << written;
    const std::vector<SystemCases> read = readCases(written, "k.cases");
    ASSERT_EQ(read.size(), 1u);
    EXPECT_TRUE(compareCases(read.front(), made, "k.cases").empty());
}

TEST(KnowledgeCases, NameEveryDifferenceAtItsLine)
{
    const std::vector<SystemCases> expected
        = readCases(writeCases({casesOf(parseKnowledgeBase(kText), "k.txt")}), "k.cases");
    std::string edited = kText;
    edited.replace(edited.find("ya\tH1\td"), 7, "ya\tH1\te");
    edited.replace(edited.find("question\tQ2\tB"), 13, "question\tQ2\tBB");
    EXPECT_EQ(messages(compareCases(expected.front(), casesOf(parseKnowledgeBase(edited), "k.txt"), "k.cases")),
        (std::vector<std::string>{"k.cases:11: error: k.txt: question Q2: expected [B], found [BB]",
            "k.cases:15: error: k.txt: path Q1 TIDAK, Q2 YA: expected H1 12pt [d], found H1 12pt [e]"}));
}

TEST(KnowledgeCases, RefuseAMalformedLine)
{
    EXPECT_THROW(readCases("file\tk.txt\npath\tQ1 JA\tN1\n", "k.cases"), Error);
    EXPECT_THROW(readCases("file\tk.txt\nquestion\tQ1\tno brackets\n", "k.cases"), Error);
}

} // namespace
} // namespace loco
