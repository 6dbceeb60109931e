#include "tests/diagnosis/step_text.h"
#include "tests/support/shipped_data.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace loco {
namespace {

using loco::Answer;
using loco::System;

struct SystemData {
    const char* name;
    System system;
    const char* startQuestion;
    std::size_t questions;
    std::size_t headings;
    std::size_t closings;
};

void PrintTo(const SystemData& row, std::ostream* out)
{
    *out << row.name;
}

class EachSystem : public testing::TestWithParam<SystemData> {
protected:
    const loco::KnowledgeBase& base() const { return loco::shippedData().knowledge[GetParam().system]; }
};

TEST_P(EachSystem, HasItsStartQuestionAndCounts)
{
    EXPECT_EQ(base().startQuestion(), GetParam().startQuestion);
    EXPECT_EQ(base().questions().size(), GetParam().questions);
    EXPECT_EQ(base().headings().size(), GetParam().headings);
    EXPECT_EQ(base().closings().size(), GetParam().closings);
}

// Every sequence of answers from the start question must end in a conclusion
// or closing text without meeting a question twice. Counts the ends reached.
void walk(
    const loco::KnowledgeBase& base, std::string_view question, std::vector<std::string_view>& path, std::size_t& ends)
{
    for (const std::string_view seen : path)
        ASSERT_NE(seen, question) << "loop back to " << question;
    path.push_back(question);
    for (const Answer answer : {Answer::Ya, Answer::Tidak}) {
        const loco::Step step = base.answer(question, answer);
        ASSERT_FALSE(std::holds_alternative<std::monostate>(step))
            << (answer == Answer::Ya ? "YA" : "TIDAK") << " does nothing on " << question;
        if (const auto* next = std::get_if<loco::NextQuestion>(&step)) {
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
    EXPECT_GT(ends, GetParam().questions);
}

INSTANTIATE_TEST_SUITE_P(Systems, EachSystem,
    testing::Values(SystemData{"EngineDrive", System::EngineDrive, "APAKAH MESIN TIDAK MAU HIDUP", 107, 16, 9},
        SystemData{"Cooling", System::Cooling, "APAKAH AIR PENDINGIN BERKURANG", 67, 7, 8},
        SystemData{
            "Lubrication", System::Lubrication, "APAKAH OLI BOROS ATAU PEMAKAIAN OLI PELUMAS BERLEBIHAN", 29, 3, 4},
        SystemData{"Fuel", System::Fuel,
            "APAKAH NOZEL MACET/RUSAK KARENA SAMBUNGAN TUAS LING TIDAK LURUS ATAU TERDAPATNYA "
            "KOTORAN PADA SAMBUNGAN",
            13, 1, 1},
        SystemData{"Exhaust", System::Exhaust, "APAKAH MESIN MENGELUARKAN ASAP BERWARNA HITAM ATAU PUTIH", 22, 4, 3},
        SystemData{"Brakes", System::Brakes, "APAKAH TERDENGAR BUNYI SESUATU PADA RODA", 16, 16, 1}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace loco
