#include "calculators/core/number_format.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using loco::Pattern;

TEST(NumberFormat, RoundsHalfAwayFromZeroOnTheShortestDecimal)
{
    const struct {
        const char* name;
        double value;
        Pattern pattern;
        char separator;
        std::string text;
    } rows[] = {{"TwoDecimals", 1813.7690746597823, Pattern::twoDecimals, ',', "1813,77"},
        {"EightDecimals", 8.821409640034358e-05, Pattern::eightDecimals, ',', "0,00008821"},
        {"Whole", 1813.7690746597823, Pattern::whole, ',', "1814"},
        {"PointSeparator", 2634, Pattern::twoDecimals, '.', "2634.00"},
        {"ExactEighth", 0.125, Pattern::twoDecimals, ',', "0,13"},
        {"BinaryBelowHalf", 2.675, Pattern::twoDecimals, ',', "2,68"},
        {"WholeHalf", 2.5, Pattern::whole, ',', "3"}, {"NegativeHalf", -2.5, Pattern::whole, ',', "-3"},
        {"JustBelowHalf", 0.49999999999999994, Pattern::whole, ',', "0"},
        {"Negative", -12.5, Pattern::twoDecimals, ',', "-12,50"},
        {"HalfAtFirstDroppedPlace", 5e-9, Pattern::eightDecimals, ',', "0,00000001"},
        {"FarBelowLastPlace", 1e-300, Pattern::twoDecimals, ',', "0,00"},
        {"CarryIntoNewDigit", 9.995, Pattern::twoDecimals, ',', "10,00"},
        {"CarryAfterBinaryNines", 1361001.5999999999, Pattern::twoDecimals, ',', "1361001,60"},
        {"NegativeRoundingToZero", -0.004, Pattern::twoDecimals, ',', "0,00"},
        {"NegativeZero", -0.0, Pattern::whole, ',', "0"},
        {"NoGrouping", 1e20, Pattern::twoDecimals, ',', "100000000000000000000,00"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(loco::formatNumber(row.value, row.pattern, row.separator), row.text);
    }
}

} // namespace
