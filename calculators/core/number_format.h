#pragma once

#include <string>

namespace loco {

// The display patterns of calculator results; the value is the number of
// decimals shown.
enum class Pattern {
    Whole = 0, // "0"
    TwoDecimals = 2, // "0.00"
    EightDecimals = 8, // "0.00000000"
};

// Formats a finite value with the pattern: at least one integer digit, the
// pattern's decimals after `separator` ('.' or ','), no grouping. Rounds to
// nearest with an exact half away from zero, judged on the shortest decimal
// that reads back as the same double (0.125 gives "0,13"). A negative value
// has a leading "-" unless it rounds to zero.
std::string formatNumber(double value, Pattern pattern, char separator);

} // namespace loco
