#pragma once

#include "schedule/core/due_list.h"

#include <optional>
#include <string>
#include <string_view>

// The due list in the words and figures the schedule window and the work
// order show, Indonesian style: dots between thousands, a decimal comma.
namespace loco {

/// "12.345" or "12.345,5": a figure to one decimal.
std::string figureText(double value);

/// "07-12-2026".
std::string dateText(const Date& date);

/// A meter figure as typed: digits, the user's decimal separator and
/// digits after it, the other mark allowed between groups of three
/// ("12.345,5" where the separator is a comma). Nothing when the text is no
/// such figure.
std::optional<double> parseMeterFigure(std::string_view typed, char decimalSeparator);

/// "01-12-2026, 12.000 jam, 450.000 km"; "belum pernah tercatat".
std::string lastDoneText(const DueTask& row);

/// When the task falls due, by the figure that comes first, and how far off
/// that is from now: "13.345 jam (45 jam lagi)", "01-03-2027 (lewat 3 hari)".
/// Empty for a task never recorded.
std::string dueText(const DueTask& row, const Reading& now);

} // namespace loco
