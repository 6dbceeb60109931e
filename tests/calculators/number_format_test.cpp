#include "calculators/core/number_format.h"

#include <gtest/gtest.h>
#include <string>

namespace loco {
namespace {

TEST(NumberFormat, RoundsHalfAwayFromZeroOnTheShortestDecimal)
{
    const struct {
        const char* name;
        double value;
        Pattern pattern;
        char separator;
        std::string text;
    } rows[] = {{"TwoDecimals", 1813.7690746597823, Pattern::TwoDecimals, ',', "1813,77"},
        {"EightDecimals", 8.821409640034358e-05, Pattern::EightDecimals, ',', "0,00008821"},
        {"Whole", 1813.7690746597823, Pattern::Whole, ',', "1814"},
        {"PointSeparator", 2634, Pattern::TwoDecimals, '.', "2634.00"},
        {"ExactEighth", 0.125, Pattern::TwoDecimals, ',', "0,13"},
        {"BinaryBelowHalf", 2.675, Pattern::TwoDecimals, ',', "2,68"}, {"WholeHalf", 2.5, Pattern::Whole, ',', "3"},
        {"NegativeHalf", -2.5, Pattern::Whole, ',', "-3"},
        {"JustBelowHalf", 0.49999999999999994, Pattern::Whole, ',', "0"},
        {"Negative", -12.5, Pattern::TwoDecimals, ',', "-12,50"},
        {"HalfAtFirstDroppedPlace", 5e-9, Pattern::EightDecimals, ',', "0,00000001"},
        {"FarBelowLastPlace", 1e-300, Pattern::TwoDecimals, ',', "0,00"},
        {"CarryIntoNewDigit", 9.995, Pattern::TwoDecimals, ',', "10,00"},
        {"CarryAfterBinaryNines", 1361001.5999999999, Pattern::TwoDecimals, ',', "1361001,60"},
        {"NegativeRoundingToZero", -0.004, Pattern::TwoDecimals, ',', "0,00"},
        {"NegativeZero", -0.0, Pattern::Whole, ',', "0"},
        {"NoGrouping", 1e20, Pattern::TwoDecimals, ',', "100000000000000000000,00"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(formatNumber(row.value, row.pattern, row.separator), row.text);
    }
}

} // namespace
} // namespace loco
