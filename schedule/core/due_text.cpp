#include "schedule/core/due_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace loco {
namespace {

bool digitsOnly(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// "13.345 jam (45 jam lagi)"; "... (lewat 45 jam)".
std::string pointAndDistance(const std::string& point, double remaining, const char* unit)
{
    const std::string distance = figureText(std::abs(remaining)) + " " + unit;
    return point + (remaining < 0 ? " (lewat " + distance + ")" : " (" + distance + " lagi)");
}

} // namespace

std::string figureText(double value)
{
    const long long tenths = std::llround(std::abs(value) * 10);
    std::string whole = std::to_string(tenths / 10);
    for (auto at = static_cast<std::ptrdiff_t>(whole.size()) - 3; at > 0; at -= 3)
        whole.insert(static_cast<std::size_t>(at), ".");
    if (value < 0 && tenths != 0)
        whole.insert(0, "-");
    return tenths % 10 == 0 ? whole : whole + "," + std::to_string(tenths % 10);
}

std::string dateText(const Date& date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02u-%02u-%04d", static_cast<unsigned>(date.day()),
        static_cast<unsigned>(date.month()), static_cast<int>(date.year()));
    return text;
}

std::optional<double> parseMeterFigure(std::string_view typed, char decimalSeparator)
{
    const std::size_t first = typed.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    typed = typed.substr(first, typed.find_last_not_of(' ') - first + 1);
    const char groupMark = decimalSeparator == ',' ? '.' : ',';
    const std::size_t separator = typed.find(decimalSeparator);
    const std::string_view whole = typed.substr(0, separator);
    const std::string_view fraction
        = separator == std::string_view::npos ? std::string_view() : typed.substr(separator + 1);
    if (separator != std::string_view::npos && !digitsOnly(fraction))
        return std::nullopt;
    std::string digits;
    for (std::size_t start = 0, group = 0; start <= whole.size(); ++group) {
        const std::size_t end = std::min(whole.find(groupMark, start), whole.size());
        const std::string_view part = whole.substr(start, end - start);
        const bool grouped = group > 0 || end < whole.size();
        if (!digitsOnly(part) || (group > 0 && part.size() != 3) || (grouped && part.size() > 3))
            return std::nullopt;
        digits += part;
        start = end + 1;
    }
    // Beyond any meter: no figure of more than 12 digits is read.
    if (digits.size() > 12)
        return std::nullopt;
    // from_chars reads the point whatever the C locale says.
    const std::string number = digits + (fraction.empty() ? "" : "." + std::string(fraction));
    double value = 0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    return value;
}

std::string lastDoneText(const DueTask& row)
{
    if (!row.lastDone)
        return "belum pernah tercatat";
    return dateText(row.lastDone->date) + ", " + figureText(row.lastDone->hours) + " jam, "
        + figureText(row.lastDone->km) + " km";
}

std::string dueText(const DueTask& row, const Reading& now)
{
    if (!row.firstDue)
        return {};
    switch (*row.firstDue) {
    case DueMeasure::Hours:
        return pointAndDistance(figureText(*row.dueHours) + " jam", *row.dueHours - now.hours, "jam");
    case DueMeasure::Km:
        return pointAndDistance(figureText(*row.dueKm) + " km", *row.dueKm - now.km, "km");
    case DueMeasure::Calendar:
        break;
    }
    using std::chrono::sys_days;
    return pointAndDistance(
        dateText(*row.dueDate), double((sys_days(*row.dueDate) - sys_days(now.date)).count()), "hari");
}

} // namespace loco
