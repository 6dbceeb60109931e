#include "calculators/core/number_reader.h"
#include "tests/calculators/error_message.h"

#include <cfloat>
#include <climits>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace loco {
namespace {

const std::string kManyZeros(100'000, '0');

struct Row {
    const char* name;
    std::string text;
    char separator = ',';
    double value = 0;
};

TEST(NumberReader, ReadsAcceptedForms)
{
    const Row rows[] = {{"SpacesAround", "   12  ", ',', 12}, {"Plus", "+12", ',', 12}, {"Minus", "-12,5", ',', -12.5},
        {"CommaWithExponent", "1,5E2", ',', 150}, {"PointSeparator", "1.5", '.', 1.5},
        {"SeparatorFirst", ",5", ',', 0.5}, {"SeparatorLast", "5,", ',', 5}, {"LoneSeparator", ",", ',', 0},
        {"LoneSeparatorWithExponent", " -,e7 ", ',', 0}, {"NegativeExponent", "2e-3", ',', 0.002},
        {"ExponentWithoutDigits", "1e", ',', 1}, {"ExponentSignWithoutDigits", "3,5E- ", ',', 3.5},
        {"Largest", "1,7976931348623157e308", ',', DBL_MAX}, {"Subnormal", "4,9e-324", ',', 4.9e-324},
        {"UnderflowIsZero", "-1e-400", ',', 0}, {"ZeroWithHugeExponent", "0e99999", ',', 0},
        {"SmallMantissaLargeExponent", "0,001e310", ',', 1e307},
        {"LongMantissa", "1" + kManyZeros + "e-100000", ',', 1},
        {"LongFraction", "0," + kManyZeros + "1e100001", ',', 1},
        {"LongExponent", "1e-" + kManyZeros + "5", ',', 1e-5}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(readNumber(row.text, row.separator), row.value);
        EXPECT_EQ(tryReadNumber(row.text, row.separator), row.value);
    }
}

TEST(NumberReader, RefusesOtherFormsNamingTheText)
{
    const Row rows[] = {{"Empty", "", ','}, {"OnlySpaces", "   ", ','}, {"OnlySign", "-", ','},
        {"OnlyExponent", "e5", ','}, {"PointUnderComma", "1.5", ','}, {"CommaUnderPoint", "1,5", '.'},
        {"Grouping", "1.000,5", ','}, {"SpaceInside", " 1 2 ", ','}, {"SpaceAfterSign", "- 12", ','},
        {"Tab", "\t12", ','}, {"TwoSigns", "+-1", ','}, {"TwoSeparators", "1,,5", ','},
        {"TwoExponentSigns", "1e+-5", ','}, {"FractionalExponent", "1e2,5", ','}, {"Hexadecimal", "0x10", ','},
        {"Infinity", "inf", ','}, {"LongWithTrailingLetter", "1" + kManyZeros + "x", ','}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(errorMessage([&] { readNumber(row.text, row.separator); }),
            "'" + row.text + "' is not a valid floating point value");
        EXPECT_FALSE(tryReadNumber(row.text, row.separator));
    }
}

TEST(NumberReader, RefusesValuesBeyondADouble)
{
    const Row rows[] = {{"JustAboveLargest", "1,8e308"}, {"Negative", "-1e309"}, {"ManyDigits", "1" + kManyZeros},
        {"HugeExponent", "1e" + std::string(30, '9')}, {"LongLeadingZeros", "0," + kManyZeros + "1e100400"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(errorMessage([&] { readNumber(row.text, ','); }), "Floating point overflow");
    }
}

TEST(NumberReader, ReadsWholeNumbers)
{
    const struct {
        const char* name;
        std::string text;
        std::optional<int> value; // nothing when refused
    } rows[] = {{"LeadingSpacesAndSign", "  +75", 75}, {"Minus", "-5", -5}, {"Smallest", "-2147483648", INT_MIN},
        {"Empty", "", {}}, {"OnlySign", "+", {}}, {"TrailingSpace", "70 ", {}}, {"Fraction", "7,5", {}},
        {"Exponent", "1e2", {}}, {"TwoSigns", "+-5", {}}, {"BeyondInt", "2147483648", {}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.value)
            EXPECT_EQ(readWholeNumber(row.text), *row.value);
        else
            EXPECT_EQ(
                errorMessage([&] { readWholeNumber(row.text); }), "'" + row.text + "' is not a valid integer value");
    }
}

} // namespace
} // namespace loco
