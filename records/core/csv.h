#pragma once

#include "records/core/record.h"

#include <string>
#include <string_view>
#include <vector>

// Text for a spreadsheet under an Indonesian locale, which opens it as
// columns: UTF-8 with a byte-order mark, fields separated by semicolons, a
// decimal comma, ISO dates, lines ended by CR LF.
namespace loco::records {

inline constexpr std::string_view kCsvByteOrderMark = "\xEF\xBB\xBF";

// A text field: quoted when it holds a semicolon, a quote, a line break or
// blanks at its ends, quotes doubled. Text that a spreadsheet would take for a
// formula (beginning with =, +, -, @, TAB or CR) gets a leading apostrophe,
// so that opening an export never runs what someone typed into a record.
std::string csvText(std::string_view text);

// A number with a decimal comma and the given decimals, no grouping:
// "1234,50"; empty when not finite.
std::string csvDecimal(double value, int decimals);

// Appends one line of already encoded fields.
void appendCsvLine(std::string& document, const std::vector<std::string>& fields);

// The records as a document: the byte-order mark, a heading line, one line
// per record (every field but the report content).
std::string recordsCsv(const std::vector<Record>& records);

} // namespace loco::records
