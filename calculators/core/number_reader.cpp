#include "calculators/core/number_reader.h"

#include "calculators/core/float_faults.h"
#include "toolkit/core/error.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cstdint>
#include <string>

namespace loco {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t skipDigits(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    return pos;
}

std::size_t skipSpaces(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    return pos;
}

// The parts of a text that has the form of a number.
struct NumberParts {
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    bool negativeExponent = false;
    std::string_view exponentDigits;
};

std::optional<NumberParts> split(std::string_view text, char separator)
{
    NumberParts parts;
    std::size_t pos = skipSpaces(text, 0);
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        parts.negative = text[pos++] == '-';

    std::size_t end = skipDigits(text, pos);
    parts.integerDigits = text.substr(pos, end - pos);
    pos = end;
    const bool hasSeparator = pos < text.size() && text[pos] == separator;
    if (hasSeparator) {
        end = skipDigits(text, ++pos);
        parts.fractionDigits = text.substr(pos, end - pos);
        pos = end;
    }
    if (parts.integerDigits.empty() && !hasSeparator)
        return std::nullopt;

    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            parts.negativeExponent = text[pos++] == '-';
        end = skipDigits(text, pos);
        parts.exponentDigits = text.substr(pos, end - pos);
        pos = end;
    }
    if (skipSpaces(text, pos) != text.size())
        return std::nullopt;
    return parts;
}

// Power of ten of the leading non-zero digit, saturated far beyond the range
// of a double; enough to tell an overflow from an underflow.
std::int64_t leadingPowerOfTen(const NumberParts& parts)
{
    constexpr std::int64_t kLimit = 1'000'000'000'000'000;
    std::int64_t exponent = 0;
    for (char digit : parts.exponentDigits)
        exponent = std::min(exponent * 10 + (digit - '0'), kLimit);
    if (parts.negativeExponent)
        exponent = -exponent;

    const auto first = parts.integerDigits.find_first_not_of('0');
    if (first != std::string_view::npos)
        return exponent + static_cast<std::int64_t>(parts.integerDigits.size() - first - 1);
    return exponent - static_cast<std::int64_t>(parts.fractionDigits.find_first_not_of('0') + 1);
}

bool allZero(std::string_view digits)
{
    return digits.find_first_not_of('0') == std::string_view::npos;
}

enum class Outcome { Number, Refused, Overflow };

struct Reading {
    Outcome outcome;
    double value = 0;
};

Reading read(std::string_view text, char separator)
{
    assert(separator == '.' || separator == ',');
    const auto parts = split(text, separator);
    if (!parts)
        return {Outcome::Refused};
    const double zero = parts->negative ? -0.0 : 0.0;
    if (allZero(parts->integerDigits) && allZero(parts->fractionDigits))
        return {Outcome::Number, zero};

    // from_chars wants '.', no '+' and at least one integer digit.
    std::string normal;
    normal.reserve(text.size() + 2);
    if (parts->negative)
        normal += '-';
    normal += parts->integerDigits.empty() ? std::string_view("0") : parts->integerDigits;
    normal += '.';
    normal += parts->fractionDigits;
    if (!parts->exponentDigits.empty()) {
        normal += parts->negativeExponent ? "e-" : "e";
        normal += parts->exponentDigits;
    }

    double value = 0;
    const char* last = normal.data() + normal.size();
    const auto [end, error] = std::from_chars(normal.data(), last, value);
    // Out of range covers overflow and underflow to zero alike, without a value.
    if (error == std::errc::result_out_of_range)
        return leadingPowerOfTen(*parts) >= 0 ? Reading{Outcome::Overflow} : Reading{Outcome::Number, zero};
    assert(error == std::errc() && end == last);
    return {Outcome::Number, value};
}

} // namespace

double readNumber(std::string_view text, char separator)
{
    const Reading reading = read(text, separator);
    switch (reading.outcome) {
    case Outcome::Refused:
        throw Error("'" + std::string(text) + "' is not a valid floating point value");
    case Outcome::Overflow:
        throw Error(kOverflowMessage);
    case Outcome::Number:
        break;
    }
    return reading.value;
}

std::optional<double> tryReadNumber(std::string_view text, char separator)
{
    const Reading reading = read(text, separator);
    if (reading.outcome != Outcome::Number)
        return std::nullopt;
    return reading.value;
}

int readWholeNumber(std::string_view text)
{
    std::size_t pos = skipSpaces(text, 0);
    const bool negative = pos < text.size() && text[pos] == '-';
    if (pos < text.size() && (negative || text[pos] == '+'))
        ++pos;
    const std::size_t end = skipDigits(text, pos);
    // from_chars takes a '-' but not a '+'.
    const char* first = text.data() + pos - (negative ? 1 : 0);
    int value = 0;
    if (end == pos || end != text.size() || std::from_chars(first, text.data() + end, value).ec != std::errc())
        throw Error("'" + std::string(text) + "' is not a valid integer value");
    return value;
}

} // namespace loco
