#include "calculators/core/number_format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <string>

namespace {

using loco::Pattern;

struct Shown {
    const char* name;
    double value;
    Pattern pattern;
    char separator;
    std::string text;
};

class FormatNumber : public testing::TestWithParam<Shown> {};

TEST_P(FormatNumber, ShowsTheRoundedValue)
{
    const Shown& row = GetParam();
    EXPECT_EQ(loco::formatNumber(row.value, row.pattern, row.separator), row.text);
}

INSTANTIATE_TEST_SUITE_P(Patterns, FormatNumber,
    testing::Values(Shown{"TwoDecimals", 1813.7690746597823, Pattern::twoDecimals, ',', "1813,77"},
        Shown{"EightDecimals", 8.821409640034358e-05, Pattern::eightDecimals, ',', "0,00008821"},
        Shown{"Whole", 1813.7690746597823, Pattern::whole, ',', "1814"},
        Shown{"PointSeparator", 1813.7690746597823, Pattern::twoDecimals, '.', "1813.77"},
        Shown{"PaddedDecimals", 2634, Pattern::twoDecimals, ',', "2634,00"},
        Shown{"ExactEighth", 0.125, Pattern::twoDecimals, ',', "0,13"},
        Shown{"HalfJudgedOnShortestDecimal", 2.675, Pattern::twoDecimals, ',', "2,68"},
        Shown{"HalfJudgedOnShortestDecimalBelowOne", 1.005, Pattern::twoDecimals, ',', "1,01"},
        Shown{"WholeHalf", 2.5, Pattern::whole, ',', "3"},
        Shown{"NegativeWholeHalfAwayFromZero", -2.5, Pattern::whole, ',', "-3"},
        Shown{"HalfBelowOne", 0.5, Pattern::whole, ',', "1"},
        Shown{"JustBelowHalf", 0.49999999999999994, Pattern::whole, ',', "0"},
        Shown{"Negative", -12.5, Pattern::twoDecimals, ',', "-12,50"},
        Shown{"RoundsUpAtFirstDroppedPlace", 5e-9, Pattern::eightDecimals, ',', "0,00000001"},
        Shown{"RoundsDownAtFirstDroppedPlace", 4.9e-9, Pattern::eightDecimals, ',', "0,00000000"},
        Shown{"FarBelowLastPlace", 1e-300, Pattern::twoDecimals, ',', "0,00"},
        Shown{"CarryIntoNewDigit", 9.995, Pattern::twoDecimals, ',', "10,00"},
        Shown{"CarryThroughNines", 999.9999999, Pattern::twoDecimals, ',', "1000,00"},
        Shown{"CarryAfterNinesOfBinaryValue", 1361001.5999999999, Pattern::twoDecimals, ',', "1361001,60"},
        Shown{"NegativeRoundingToZero", -0.004, Pattern::twoDecimals, ',', "0,00"},
        Shown{"NegativeZero", -0.0, Pattern::whole, ',', "0"},
        Shown{"Zero", 0.0, Pattern::eightDecimals, ',', "0,00000000"},
        Shown{"NoGrouping", 1e20, Pattern::twoDecimals, ',', "100000000000000000000,00"},
        Shown{"Largest", -DBL_MAX, Pattern::whole, ',', "-17976931348623157" + std::string(292, '0')}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
