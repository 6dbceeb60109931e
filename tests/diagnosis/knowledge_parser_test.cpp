#include "diagnosis/core/knowledge_parser.h"
#include "tests/diagnosis/step_text.h"
#include "toolkit/core/error.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace loco {
namespace {

// Labels are used before they are defined, and texts carry the blanks that
// the real data has at either end.
const std::string kSample = "# comment\n"
                            "\n"
                            "start\tQ1\n"
                            "question\tQ1\tFIRST \n"
                            "ya\tH1\t cause with blanks  \n"
                            "tidak\tQ2\n"
                            "question\tQ2\tSECOND\n"
                            "ya\tH1\t \t10\n"
                            "tidak\tN2\n"
                            "question\tQ3\tTHIRD \"QUOTED\" <>0.3 mm\n"
                            "tidak\tN1\n"
                            "heading\tH1\tHeading  text :\n"
                            "closing\tN1\tonly line\n"
                            "closing\tN2\tline one\tline two \n";

std::string withCrLf(const std::string& text)
{
    std::string result;
    for (const char c : text) {
        if (c == '\n')
            result += '\r';
        result += c;
    }
    return result;
}

class ParserFormat : public testing::TestWithParam<bool> { };

TEST_P(ParserFormat, KeepsEveryCharacterOfTheTexts)
{
    const loco::KnowledgeBase base = loco::parseKnowledgeBase(GetParam() ? withCrLf(kSample) : kSample);
    EXPECT_EQ(base.startQuestion(), "FIRST ");
    EXPECT_EQ(base.questions().size(), 3u);
    EXPECT_EQ(base.headings().size(), 1u);
    EXPECT_EQ(base.closings().size(), 2u);
    EXPECT_EQ(stepText(base.answer("FIRST ", Answer::Ya)), "conclusion 12pt [Heading  text :] [ cause with blanks  ]");
    EXPECT_EQ(stepText(base.answer("FIRST ", Answer::Tidak)), "next [SECOND]");
    EXPECT_EQ(stepText(base.answer("SECOND", Answer::Ya)), "conclusion 10pt [Heading  text :] [ ]");
    EXPECT_EQ(stepText(base.answer("SECOND", Answer::Tidak)), "closing [line one] [line two ]");
    EXPECT_EQ(stepText(base.answer("THIRD \"QUOTED\" <>0.3 mm", Answer::Tidak)), "closing [only line]");
    EXPECT_EQ(stepText(base.answer("THIRD \"QUOTED\" <>0.3 mm", Answer::Ya)), "nothing");
}

INSTANTIATE_TEST_SUITE_P(
    LineEnds, ParserFormat, testing::Bool(), [](const auto& info) { return info.param ? "CrLf" : "Lf"; });

TEST(Parser, AcceptsALastLineWithoutLineEnd)
{
    const loco::KnowledgeBase base = loco::parseKnowledgeBase("start\tQ1\nquestion\tQ1\tA \nya\tQ1");
    EXPECT_EQ(stepText(base.answer("A ", Answer::Ya)), "next [A ]");
}

TEST(Parser, IgnoresAByteOrderMarkAndBlankLines)
{
    const loco::KnowledgeBase base = loco::parseKnowledgeBase("\xEF\xBB\xBFstart\tQ1\n \t \nquestion\tQ1\tA\n");
    EXPECT_EQ(base.startQuestion(), "A");
}

// Every malformed line at once; the answers of a question that cannot be
// read are passed over, since their faults would follow from its own.
TEST(Parser, ReportsEveryMalformedLineOnce)
{
    const auto read = readKnowledgeBase("question\tQ1\tA\tB\nya\tH1\tc\ntidak\tQ2\n"
                                        "heading\tH1\t\n"
                                        "question\tQ2\tC\nya\tH1\tc\t0\ntidak\tN1\n");
    const auto* errors = std::get_if<std::vector<ParseError>>(&read);
    ASSERT_NE(errors, nullptr);
    std::vector<std::size_t> lines;
    for (const ParseError& error : *errors)
        lines.push_back(error.line);
    EXPECT_EQ(lines, (std::vector<std::size_t>{1, 1, 4, 6}));
}

struct BrokenInput {
    const char* name;
    std::string text;
    std::string message;
};

void PrintTo(const BrokenInput& row, std::ostream* out)
{
    *out << row.name;
}

class ParserErrors : public testing::TestWithParam<BrokenInput> { };

TEST_P(ParserErrors, NameTheFileAndLine)
{
    try {
        loco::parseKnowledgeBase(GetParam().text, "rem.txt");
        FAIL() << "no error";
    } catch (const loco::Error& error) {
        EXPECT_EQ(std::string(error.what()), GetParam().message);
    }
}

const std::string kHead = "start\tQ1\nquestion\tQ1\tA\n";

INSTANTIATE_TEST_SUITE_P(Rows, ParserErrors,
    testing::Values(BrokenInput{"Empty", "", "rem.txt:1: there is no \"start\" line"},
        BrokenInput{"NoStart", "# only\nquestion\tQ1\tA\n", "rem.txt:1: there is no \"start\" line"},
        BrokenInput{"UnknownRecord", kHead + "\nqestion\tQ2\tB\n",
            "rem.txt:4: unknown record \"qestion\"; the records are start, heading, closing, question, ya and tidak"},
        BrokenInput{"RecordInCapitals", kHead + "YA\tQ1\n",
            "rem.txt:3: unknown record \"YA\": record names are lower case: start, heading, closing, question, ya, "
            "tidak"},
        BrokenInput{"NonBreakingSpaceAfterLabel", kHead + "ya\tQ1\xC2\xA0\n",
            "rem.txt:3: label \"Q1\\u00A0\" holds an invisible character"},
        BrokenInput{"TabAtTheEndOfALine", kHead + "ya\tQ1\t\n",
            "rem.txt:3: the line ends with a TAB after Q1: a next question or closing text takes no further field, a "
            "conclusion needs a cause line"},
        BrokenInput{"TabInsideACause", kHead + "ya\tH1\tcause\twith a tab\n",
            "rem.txt:3: the cause line holds a TAB (before \"with a tab\"): a TAB separates fields, so a text cannot "
            "hold one"},
        BrokenInput{"TabInsideAQuestion", "start\tQ1\nquestion\tQ1\tA\tB\n",
            "rem.txt:2: the question text holds a TAB (before \"B\"): a TAB separates fields, so a text cannot hold "
            "one"},
        BrokenInput{"EmptyHeadingText", "heading\tH1\t\n", "rem.txt:1: empty heading text (the line ends with a TAB)"},
        BrokenInput{"EmptyClosingLine", "closing\tN1\t\tsecond\n", "rem.txt:1: empty line 1 of closing text N1"},
        BrokenInput{"SizeTooLarge", kHead + "ya\tH1\tcause\t73\n",
            "rem.txt:3: type size \"73\" is not a whole number of points from 1 to 72"},
        BrokenInput{"SecondStart", kHead + "start\tQ1\n", "rem.txt:3: second \"start\" line"},
        BrokenInput{
            "QuestionWithoutText", "start\tQ1\nquestion\tQ1\n", "rem.txt:2: expected question<TAB>row<TAB>text"},
        BrokenInput{"EmptyQuestionText", "start\tQ1\nquestion\tQ1\t\n", "rem.txt:2: empty question text"},
        BrokenInput{"ClosingOfThreeLines", "closing\tN1\ta\tb\tc\n",
            "rem.txt:1: closing text N1 has more than two lines (a TAB inside a line?)"},
        BrokenInput{"OutcomeBeforeAnyQuestion", "start\tQ1\nya\tQ1\n", "rem.txt:2: \"ya\" does not follow a question"},
        BrokenInput{"OutcomeAfterAHeading", kHead + "heading\tH1\tx\ntidak\tQ1\n",
            "rem.txt:4: \"tidak\" does not follow a question"},
        BrokenInput{"SecondYa", kHead + "ya\tN1\n# between\nya\tN2\n", "rem.txt:5: second \"ya\" for Q1"},
        BrokenInput{"OutcomeWithoutTarget", kHead + "tidak\n",
            "rem.txt:3: expected ya|tidak<TAB>target or ya|tidak<TAB>heading<TAB>cause[<TAB>size]"},
        BrokenInput{"SizeNotANumber", kHead + "ya\tH1\tcause\t10pt\n",
            "rem.txt:3: type size \"10pt\" is not a whole number of points from 1 to 72"},
        BrokenInput{"RowLabelTwice", kHead + "question\tQ1\tB\n", "rem.txt:3: label Q1 is defined twice"},
        BrokenInput{"ClosingNamedLikeARow", kHead + "closing\tQ1\tx\n", "rem.txt:3: label Q1 is defined twice"},
        BrokenInput{"BlanksAfterRecordName", kHead + "question Q2 B\n",
            "rem.txt:3: fields must be separated by a TAB, found blanks after \"question\""},
        BrokenInput{"BlanksBeforeATab", kHead + "tidak  \tQ1\n", "rem.txt:3: record \"tidak  \" ends with blanks"},
        BrokenInput{"BlanksAfterLabel", kHead + "ya\tH1  sebab\n",
            "rem.txt:3: fields must be separated by a TAB, found blanks after \"H1\""},
        BrokenInput{"LabelStartsWithBlank", "start\t Q1\n", "rem.txt:1: label \" Q1\" starts with a blank"},
        BrokenInput{"SingleByteCodePage", kHead + "question\tQ2\tB\xE9\n",
            "rem.txt:3: text is not valid UTF-8: byte 0xE9 at offset 36"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace loco
