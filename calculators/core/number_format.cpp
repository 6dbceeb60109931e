#include "calculators/core/number_format.h"

#include <cassert>
#include <charconv>
#include <cmath>
#include <string_view>

namespace loco {
namespace {

// Adds one unit in the last place of a string of decimal digits.
void increment(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

} // namespace

std::string formatNumber(double value, Pattern pattern, char separator)
{
    assert(std::isfinite(value));
    const int decimals = static_cast<int>(pattern);

    // Shortest round-trip form, "d.ddde±xx": the decimal the user would write.
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific).ptr;
    const std::string_view scientific(buffer, end - buffer);
    const std::size_t e = scientific.find('e');
    std::string digits(1, scientific[0]);
    if (e > 1)
        digits += scientific.substr(2, e - 2);
    int exponent = 0;
    std::from_chars(buffer + e + 2, end, exponent);
    if (scientific[e + 1] == '-')
        exponent = -exponent;

    // The value scaled by 10^decimals, rounded to a whole number, as digits.
    const int kept = exponent + 1 + decimals;
    std::string scaled;
    if (kept <= 0) {
        scaled = kept == 0 && digits[0] >= '5' ? "1" : "0";
    } else if (kept >= static_cast<int>(digits.size())) {
        scaled = digits + std::string(kept - digits.size(), '0');
    } else {
        scaled = digits.substr(0, kept);
        if (digits[kept] >= '5')
            increment(scaled);
    }
    if (static_cast<int>(scaled.size()) <= decimals)
        scaled.insert(0, decimals + 1 - scaled.size(), '0');

    std::string text;
    if (std::signbit(value) && scaled.find_first_not_of('0') != std::string::npos)
        text += '-';
    const std::size_t integerDigits = scaled.size() - decimals;
    text.append(scaled, 0, integerDigits);
    if (decimals > 0) {
        text += separator;
        text.append(scaled, integerDigits);
    }
    return text;
}

} // namespace loco
