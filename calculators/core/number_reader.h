#pragma once

#include <optional>
#include <string_view>

namespace loco {

// Reads the text of a calculator entry as a number. Accepted, in this order:
// any number of spaces (no other blank), an optional "+" or "-", digits with
// an optional decimal separator and further digits (at least one digit or the
// separator; a lone separator is zero), an optional exponent "E" or "e" with
// an optional sign and zero or more digits (none meaning 0), then any number
// of spaces. `separator` is the user's decimal separator, '.' or ','.
//
// Throws loco::Error "'<text>' is not a valid floating point value" (the text
// exactly as given) for any other text, and "Floating point overflow" when
// the value is beyond the range of a double. A value too small for a double
// reads as the nearest one, possibly zero. Linear in the length of the text.
double readNumber(std::string_view text, char separator);

// As readNumber, but gives nothing instead of throwing.
std::optional<double> tryReadNumber(std::string_view text, char separator);

// Reads a whole number: any number of leading spaces, an optional "+" or "-"
// and decimal digits up to the end of the text. Throws loco::Error
// "'<text>' is not a valid integer value" for anything else, including
// trailing spaces and values outside the range of int.
int readWholeNumber(std::string_view text);

} // namespace loco
