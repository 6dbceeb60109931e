#include "calculators/core/number_reader.h"
#include "tests/calculators/error_message.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <optional>
#include <string>

namespace {

const std::string manyZeros(100'000, '0');

struct Accepted {
    const char* name;
    std::string text;
    char separator;
    double value;
};

class AcceptedNumber : public testing::TestWithParam<Accepted> {};

TEST_P(AcceptedNumber, ReadsTheValue)
{
    const Accepted& row = GetParam();
    EXPECT_EQ(loco::readNumber(row.text, row.separator), row.value);
    EXPECT_EQ(loco::tryReadNumber(row.text, row.separator), row.value);
}

INSTANTIATE_TEST_SUITE_P(Numbers, AcceptedNumber,
    testing::Values(Accepted{"Whole", "12", ',', 12}, Accepted{"SpacesAround", "   12  ", ',', 12},
        Accepted{"Plus", "+12", ',', 12}, Accepted{"Minus", "-12,5", ',', -12.5},
        Accepted{"CommaWithExponent", "1,5E2", ',', 150}, Accepted{"PointSeparator", "1.5", '.', 1.5},
        Accepted{"DefaultText", "0,226", ',', 0.226}, Accepted{"SeparatorFirst", ",5", ',', 0.5},
        Accepted{"SeparatorLast", "5,", ',', 5}, Accepted{"LoneSeparator", ",", ',', 0},
        Accepted{"LoneSeparatorWithExponent", " -,e7 ", ',', 0}, Accepted{"NegativeExponent", "2e-3", ',', 0.002},
        Accepted{"ExponentWithoutDigits", "1e", ',', 1}, Accepted{"ExponentSignWithoutDigits", "1E+", ',', 1},
        Accepted{"ExponentMinusWithoutDigits", "3,5e- ", ',', 3.5}, Accepted{"Largest", "1,7976931348623157e308", ',', DBL_MAX},
        Accepted{"Subnormal", "4,9e-324", ',', 4.9e-324}, Accepted{"UnderflowIsZero", "1e-400", ',', 0},
        Accepted{"NegativeUnderflowIsZero", "-2,4e-324", ',', 0}, Accepted{"ZeroWithHugeExponent", "0e99999", ',', 0},
        Accepted{"SmallMantissaLargeExponent", "0,001e310", ',', 1e307},
        Accepted{"LargeMantissaSmallExponent", "1" + std::string(400, '0') + "e-400", ',', 1},
        Accepted{"LongMantissa", "1" + manyZeros + "e-100000", ',', 1},
        Accepted{"LongFraction", "0," + manyZeros + "1e100001", ',', 1},
        Accepted{"LongExponent", "1e-" + manyZeros + "5", ',', 1e-5}, Accepted{"HugeExponentOfZero", "0,0e" + std::string(30, '9'), ',', 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct Refused {
    const char* name;
    std::string text;
    char separator;
};

class RefusedNumber : public testing::TestWithParam<Refused> {};

TEST_P(RefusedNumber, NamesTheTextAsTyped)
{
    const Refused& row = GetParam();
    EXPECT_EQ(errorMessage([&] { loco::readNumber(row.text, row.separator); }),
        "'" + row.text + "' is not a valid floating point value");
    EXPECT_FALSE(loco::tryReadNumber(row.text, row.separator));
}

INSTANTIATE_TEST_SUITE_P(Numbers, RefusedNumber,
    testing::Values(Refused{"Empty", "", ','}, Refused{"OnlySpaces", "   ", ','}, Refused{"OnlySign", "-", ','},
        Refused{"OnlyExponent", "e5", ','}, Refused{"PointUnderComma", "1.5", ','}, Refused{"CommaUnderPoint", "1,5", '.'},
        Refused{"Grouping", "1.000,5", ','}, Refused{"SpaceInside", " 1 2 ", ','}, Refused{"SpaceAfterSign", "- 12", ','},
        Refused{"SpaceBeforeExponent", "1 e5", ','}, Refused{"Tab", "\t12", ','}, Refused{"Newline", "12\n", ','},
        Refused{"TwoSigns", "+-1", ','}, Refused{"TwoSeparators", "1,,5", ','}, Refused{"TwoExponentSigns", "1e+-5", ','},
        Refused{"TwoExponents", "1e5e5", ','}, Refused{"FractionalExponent", "1e2,5", ','}, Refused{"Letters", "12abc", ','},
        Refused{"Hexadecimal", "0x10", ','}, Refused{"Infinity", "inf", ','}, Refused{"NotANumber", "nan", ','},
        Refused{"LongWithTrailingLetter", "1" + manyZeros + "x", ','}),
    [](const auto& info) { return std::string(info.param.name); });

struct TooLarge {
    const char* name;
    std::string text;
};

class TooLargeNumber : public testing::TestWithParam<TooLarge> {};

TEST_P(TooLargeNumber, IsAnOverflow)
{
    EXPECT_EQ(errorMessage([&] { loco::readNumber(GetParam().text, ','); }), "Floating point overflow");
    EXPECT_FALSE(loco::tryReadNumber(GetParam().text, ','));
}

INSTANTIATE_TEST_SUITE_P(Numbers, TooLargeNumber,
    testing::Values(TooLarge{"JustAboveLargest", "1,8e308"}, TooLarge{"Negative", "-1e309"},
        TooLarge{"ManyDigits", "1" + std::string(400, '0')}, TooLarge{"HugeExponent", "1e" + std::string(30, '9')},
        TooLarge{"LongLeadingZeros", "0," + manyZeros + "1e100400"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Whole {
    const char* name;
    std::string text;
    std::optional<int> value; // nothing when refused
};

class WholeNumber : public testing::TestWithParam<Whole> {};

TEST_P(WholeNumber, ReadsOrRefuses)
{
    const Whole& row = GetParam();
    if (row.value)
        EXPECT_EQ(loco::readWholeNumber(row.text), *row.value);
    else
        EXPECT_EQ(errorMessage([&] { loco::readWholeNumber(row.text); }), "'" + row.text + "' is not a valid integer value");
}

INSTANTIATE_TEST_SUITE_P(Numbers, WholeNumber,
    testing::Values(Whole{"Plain", "70", 70}, Whole{"LeadingSpaces", "  75", 75}, Whole{"Plus", "+80", 80},
        Whole{"Minus", "-5", -5}, Whole{"Largest", "2147483647", 2147483647},
        Whole{"Smallest", "-2147483648", -2147483647 - 1}, Whole{"Empty", "", {}}, Whole{"OnlySign", "+", {}},
        Whole{"TrailingSpace", "70 ", {}}, Whole{"Fraction", "7,5", {}}, Whole{"Exponent", "1e2", {}},
        Whole{"TwoSigns", "+-5", {}}, Whole{"Tab", "\t70", {}}, Whole{"BeyondInt", "2147483648", {}},
        Whole{"LongBeyondInt", "1" + manyZeros, {}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
