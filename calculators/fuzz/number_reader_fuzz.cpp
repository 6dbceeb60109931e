// Checks the number reader and the result formatter against a reference
// model: the grammar as a regular expression, the value from strtod.

#include "calculators/core/number_format.h"
#include "calculators/core/number_reader.h"
#include "toolkit/core/error.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <regex>
#include <string>
#include <utility>

namespace loco {
namespace {

// std::regex recurses per character; longer texts are left to the unit tests.
constexpr std::size_t kMaxLength = 1024;

[[noreturn]] void fail(const char* what, const std::string& text, char separator)
{
    std::fprintf(stderr, "%s: separator '%c', text '%s'\n", what, separator, text.c_str());
    std::abort();
}

struct Expected {
    enum { Refused, Overflow, Number } outcome;
    double value = 0;
};

Expected referenceNumber(const std::string& text, char separator)
{
    static const std::regex withPoint(R"( *[+-]?([0-9]+(\.[0-9]*)?|\.[0-9]*)([eE][+-]?[0-9]*)? *)");
    static const std::regex withComma(R"( *[+-]?([0-9]+(,[0-9]*)?|,[0-9]*)([eE][+-]?[0-9]*)? *)");
    if (!std::regex_match(text, separator == '.' ? withPoint : withComma))
        return {Expected::Refused};
    std::string c = text;
    for (char& ch : c) {
        if (ch == separator)
            ch = '.';
    }
    // strtod stops before an exponent without digits and reads a lone
    // separator as nothing, that is 0, which is what the grammar means.
    errno = 0;
    const double value = std::strtod(c.c_str(), nullptr);
    if (errno == ERANGE && std::isinf(value))
        return {Expected::Overflow};
    return {Expected::Number, value};
}

std::optional<long> referenceWholeNumber(const std::string& text)
{
    static const std::regex grammar(R"( *[+-]?[0-9]+)");
    if (!std::regex_match(text, grammar))
        return std::nullopt;
    errno = 0;
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (errno == ERANGE || value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return value;
}

void checkNumber(const std::string& text, char separator)
{
    const Expected expected = referenceNumber(text, separator);
    // what() is a C string: a NUL in the text ends the message there.
    const std::string refusal = ("'" + text + "' is not a valid floating point value").c_str();
    try {
        const double value = loco::readNumber(text, separator);
        if (expected.outcome != Expected::Number || value != expected.value || !std::isfinite(value))
            fail("number read differently", text, separator);
    } catch (const loco::Error& error) {
        const std::string message = error.what();
        if (!(expected.outcome == Expected::Refused && message == refusal)
            && !(expected.outcome == Expected::Overflow && message == "Floating point overflow"))
            fail("number refused differently", text, separator);
    }
}

void checkWholeNumber(const std::string& text, char separator)
{
    const auto expected = referenceWholeNumber(text);
    try {
        const int value = loco::readWholeNumber(text);
        if (!expected || value != *expected)
            fail("whole number read differently", text, separator);
    } catch (const loco::Error& error) {
        if (expected || std::string(error.what()) != ("'" + text + "' is not a valid integer value").c_str())
            fail("whole number refused differently", text, separator);
    }
}

const std::regex& shapeOf(int decimals, char separator)
{
    static std::map<std::pair<int, char>, std::regex> shapes;
    auto [it, added] = shapes.try_emplace({decimals, separator});
    if (added && decimals > 0)
        it->second.assign("-?[0-9]+[" + std::string(1, separator) + "][0-9]{" + std::to_string(decimals) + "}");
    else if (added)
        it->second.assign("-?[0-9]+");
    return it->second;
}

// The shown text has the pattern's shape, no sign on zero, and reads back
// within half a unit of its last place.
void checkFormat(double value, const std::string& text, char separator)
{
    for (const int decimals : {0, 2, 8}) {
        std::string shown = loco::formatNumber(value, static_cast<loco::Pattern>(decimals), separator);
        if (!std::regex_match(shown, shapeOf(decimals, separator)))
            fail("badly shaped result", text, separator);
        std::replace(shown.begin(), shown.end(), separator, '.');
        const double back = std::strtod(shown.c_str(), nullptr);
        const double tolerance = 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + std::fabs(value) * 1e-15;
        if (std::fabs(back - value) > tolerance || (shown[0] == '-' && back == 0))
            fail("result shown wrongly", text, separator);
    }
}

} // namespace
} // namespace loco

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0 || size > loco::kMaxLength)
        return 0;
    const char separator = data[0] % 2 ? ',' : '.';
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    loco::checkNumber(text, separator);
    loco::checkWholeNumber(text, separator);
    if (const auto value = loco::tryReadNumber(text, separator))
        loco::checkFormat(*value, text, separator);
    return 0;
}
