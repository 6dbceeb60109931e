#include "diagnosis/core/knowledge_cases.h"
#include "tests/diagnosis/step_text.h"
#include "tests/support/shipped_data.h"
#include "toolkit/core/file_bytes.h"

#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// The built-in knowledge against its reviewed regression cases
// (diagnosis/data/knowledge.cases, written by lokomotif-kb paths --cases):
// what each system holds, and where every sequence of answers leads, replayed
// through the rule engine by the texts the window shows. A maintainer's valid
// edit changes the cases file, not this test.
namespace loco {
namespace {

struct SystemData {
    const char* name;
    System system;
};

void PrintTo(const SystemData& row, std::ostream* out)
{
    *out << row.name;
}

const std::vector<SystemCases>& shippedCases()
{
    static const std::vector<SystemCases> cases = [] {
        const std::vector<std::uint8_t> bytes
            = readFileBytes(LOKO_SOURCE_DIR "/diagnosis/data/knowledge.cases", 16 * 1024 * 1024);
        return readCases(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), "cases");
    }();
    return cases;
}

// Texts by label, as the cases give them.
std::map<std::string, std::vector<std::string>> byLabel(const std::vector<CaseTexts>& records)
{
    std::map<std::string, std::vector<std::string>> texts;
    for (const CaseTexts& record : records)
        texts[record.label] = record.texts;
    return texts;
}

class EachSystem : public testing::TestWithParam<SystemData> {
protected:
    void SetUp() override
    {
        const std::string_view file = kSystemFileNames[static_cast<std::size_t>(GetParam().system)];
        for (const SystemCases& system : shippedCases()) {
            if (system.file == file)
                cases_ = &system;
        }
        ASSERT_NE(cases_, nullptr) << "no cases for " << file;
    }

    const KnowledgeBase& base() const { return shippedData().knowledge[GetParam().system]; }
    const SystemCases& cases() const { return *cases_; }

private:
    const SystemCases* cases_ = nullptr;
};

TEST_P(EachSystem, HoldsWhatItsCasesList)
{
    const auto questions = byLabel(cases().questions);
    ASSERT_EQ(questions.count(cases().start), 1u);
    EXPECT_EQ(base().startLabel(), cases().start);
    EXPECT_EQ(base().startQuestion(), questions.at(cases().start).front());
    EXPECT_EQ(base().questions().size(), cases().questions.size());
    EXPECT_EQ(base().headings().size(), cases().headings.size());
    EXPECT_EQ(base().closings().size(), cases().closings.size());
    for (const Question& question : base().questions())
        EXPECT_EQ(std::vector<std::string>{question.text}, questions.at(question.label)) << question.label;
}

// Every sequence of answers from the start question must end in a conclusion
// or closing text without meeting a question twice. Counts the ends reached.
void walk(const KnowledgeBase& base, std::string_view question, std::vector<std::string_view>& path, std::size_t& ends)
{
    for (const std::string_view seen : path)
        ASSERT_NE(seen, question) << "loop back to " << question;
    path.push_back(question);
    for (const Answer answer : {Answer::Ya, Answer::Tidak}) {
        const Step step = base.answer(question, answer);
        ASSERT_FALSE(std::holds_alternative<std::monostate>(step))
            << (answer == Answer::Ya ? "YA" : "TIDAK") << " does nothing on " << question;
        if (const auto* next = std::get_if<NextQuestion>(&step)) {
            walk(base, next->text, path, ends);
            if (testing::Test::HasFatalFailure())
                return;
        } else {
            ++ends;
        }
    }
    path.pop_back();
}

TEST_P(EachSystem, EveryAnswerSequenceEnds)
{
    std::vector<std::string_view> path;
    std::size_t ends = 0;
    walk(base(), base().startQuestion(), path, ends);
    // Each question adds one end to the tree of answer sequences, at least.
    EXPECT_GT(ends, base().questions().size());
    EXPECT_EQ(ends, cases().paths.size());
}

// Each path of the cases, answered as a user would: every question shown is
// the text its label has in the cases, and the last answer writes exactly
// the ending listed, every blank and the type size included.
TEST_P(EachSystem, EveryCasePathReplaysThroughTheDialogue)
{
    const auto questions = byLabel(cases().questions);
    const auto headings = byLabel(cases().headings);
    const auto closings = byLabel(cases().closings);
    const KnowledgeSet& set = shippedData().knowledge;
    const int system = static_cast<int>(GetParam().system);
    for (const CasePath& path : cases().paths) {
        SCOPED_TRACE("cases line " + std::to_string(path.line) + ": " + answersText(path.steps));
        std::string question(set.startQuestion(system));
        Step step;
        for (std::size_t i = 0; i < path.steps.size(); ++i) {
            if (i > 0) {
                const auto* shown = std::get_if<NextQuestion>(&step);
                ASSERT_NE(shown, nullptr) << "answer " << i << " ended the dialogue: " << stepText(step);
                question = shown->text;
            }
            ASSERT_EQ(question, questions.at(path.steps[i].label).front());
            step = set.answer(system, question, path.steps[i].answer);
        }
        std::string expected;
        if (path.ending.pointSize > 0) {
            expected = "conclusion " + std::to_string(path.ending.pointSize) + "pt ["
                + headings.at(path.ending.label).front() + "] [" + path.ending.cause + "]";
        } else {
            expected = "closing";
            for (const std::string& line : closings.at(path.ending.label))
                expected += " [" + line + "]";
        }
        EXPECT_EQ(stepText(step), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Systems, EachSystem,
    testing::Values(SystemData{"EngineDrive", System::EngineDrive}, SystemData{"Cooling", System::Cooling},
        SystemData{"Lubrication", System::Lubrication}, SystemData{"Fuel", System::Fuel},
        SystemData{"Exhaust", System::Exhaust}, SystemData{"Brakes", System::Brakes}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace loco
