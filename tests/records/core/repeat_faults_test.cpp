#include "records/core/repeat_faults.h"

#include <gtest/gtest.h>

namespace loco::records {
namespace {

constexpr std::int64_t kDayMs = 24 * 60 * 60 * 1000LL;

TEST(RepeatFaults, SameConclusionWithinNinetyDaysOfTheLatestOne)
{
    const std::vector<Finding> findings{
        {0, "Pompa air rusak"},
        {90 * kDayMs, "pompa\tAIR  rusak\n"}, // exactly 90 days: a repeat
        {180 * kDayMs + 1, "Pompa air rusak"}, // 90 days and a moment after the latest
        {181 * kDayMs, "Pompa air bocor"},
        {182 * kDayMs, ""}, // no conclusion: nothing to repeat
        {183 * kDayMs, " "},
    };
    const std::vector<std::optional<std::size_t>> expected{
        std::nullopt, 0, std::nullopt, std::nullopt, std::nullopt, std::nullopt};
    EXPECT_EQ(findRepeats(findings), expected);
}

} // namespace
} // namespace loco::records
