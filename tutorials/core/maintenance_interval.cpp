#include "tutorials/core/maintenance_interval.h"

#include "toolkit/core/error.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace loco {
namespace {

constexpr double kKmPerMile = 1.609344;

// Counts before a calendar unit as the texts spell them ("setiap enam bulan").
constexpr std::array<std::string_view, 12> kCountWords{
    "satu", "dua", "tiga", "empat", "lima", "enam", "tujuh", "delapan", "sembilan", "sepuluh", "sebelas", "dua belas"};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int kmOfMiles(int miles)
{
    return static_cast<int>(std::lround(miles * kKmPerMile));
}

// Digits, grouped by threes with dots or commas or not at all: "30.000",
// "14,484", "9656".
std::optional<int> groupedNumber(std::string_view written)
{
    std::string digits;
    for (std::size_t start = 0, group = 0;; ++group) {
        const std::size_t end = std::min(written.find_first_of(".,", start), written.size());
        const std::size_t length = end - start;
        const bool grouped = group > 0 || end < written.size();
        if (length == 0 || (group > 0 && length != 3) || (grouped && length > 3))
            return std::nullopt;
        digits += written.substr(start, length);
        if (end == written.size())
            return parseWholeNumber(digits);
        start = end + 1;
    }
}

// Why `number` followed by `unit` ("jam", "miles", "km") is not what `text`
// says, or nothing when it is. A number may be read grouped ("14,484") or,
// where a comma joins two, as either of them ("100,300"), of which only the
// smallest counts; a km figure may also stand alone in brackets ("(48.280)").
std::optional<std::string> numberProblem(int number, std::string_view unit, std::string_view text)
{
    const std::string_view unitStart = unit == "miles" ? "mile" : unit;
    std::optional<int> smallest;
    for (std::size_t start = 0; start < text.size(); ++start) {
        if (!isDigit(text[start]) || (start > 0 && isDigit(text[start - 1])))
            continue;
        std::size_t end = start;
        while (end < text.size()
            && (isDigit(text[end])
                || ((text[end] == '.' || text[end] == ',') && end + 1 < text.size() && isDigit(text[end + 1]))))
            ++end;
        const std::string_view written = text.substr(start, end - start);
        const std::string_view after = text.substr(std::min(text.find_first_not_of(' ', end), text.size()));
        const bool bracketed = start > 0 && text[start - 1] == '(' && end < text.size() && text[end] == ')';
        start = end;
        if (!after.starts_with(unitStart) && !(unit == "km" && bracketed))
            continue;
        if (groupedNumber(written) == number)
            return std::nullopt;
        if (written.find(',') == std::string_view::npos)
            continue;
        std::vector<int> alternatives;
        for (std::size_t from = 0; from <= written.size();) {
            const std::size_t comma = std::min(written.find(',', from), written.size());
            if (const auto alternative = groupedNumber(written.substr(from, comma - from)))
                alternatives.push_back(*alternative);
            from = comma + 1;
        }
        if (std::find(alternatives.begin(), alternatives.end(), number) == alternatives.end())
            continue;
        const int least = *std::min_element(alternatives.begin(), alternatives.end());
        if (least == number)
            return std::nullopt;
        smallest = least;
    }
    if (smallest)
        return "the line gives two figures: take the smallest, " + std::to_string(*smallest) + " " + std::string(unit);
    return "\"" + std::to_string(number) + " " + std::string(unit) + "\" is not in the procedure line";
}

std::optional<int> calendarCount(std::string_view count)
{
    if (count.empty())
        return 1;
    if (const auto word = std::find(kCountWords.begin(), kCountWords.end(), count); word != kCountWords.end())
        return static_cast<int>(word - kCountWords.begin()) + 1;
    return parseWholeNumber(count);
}

// 48280 as "48.280".
std::string withGroups(int number)
{
    std::string digits = std::to_string(number);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ".");
    return digits;
}

} // namespace

MaintenanceTask readTaskInterval(
    const HeaderLine& header, int entry, const std::vector<std::string>& lines, std::string_view file)
{
    const auto fail = [&](const std::string& problem) { return dataError(file, header.line, problem); };
    const std::string_view value = header.value;
    const std::size_t colon = value.find(": ");
    const auto line = colon == std::string_view::npos ? std::nullopt : parseWholeNumber(value.substr(0, colon));
    if (!line)
        throw fail("expected \"interval: <procedure line>: <figure>, <figure>...\"");
    if (*line < 1 || static_cast<std::size_t>(*line) > lines.size())
        throw fail("procedure line " + std::to_string(*line) + " does not exist; the entry has "
            + std::to_string(lines.size()));
    const std::string& text = lines[static_cast<std::size_t>(*line) - 1];
    const std::string where = " (procedure line " + std::to_string(*line) + ")";

    Interval interval;
    const std::string_view figures = value.substr(colon + 2);
    for (std::size_t start = 0; start <= figures.size();) {
        const std::size_t end = std::min(figures.find(", ", start), figures.size());
        const std::string_view figure = figures.substr(start, end - start);
        start = end + 2;
        const std::size_t blank = figure.rfind(' ');
        const std::string_view unit = blank == std::string_view::npos ? figure : figure.substr(blank + 1);
        const std::string_view count = blank == std::string_view::npos ? "" : figure.substr(0, blank);
        if (unit == "jam" || unit == "miles" || unit == "km") {
            auto& slot = unit == "jam" ? interval.hours : unit == "miles" ? interval.miles : interval.km;
            const auto number = parseWholeNumber(count);
            if (!number || *number == 0)
                throw fail("\"" + std::string(figure) + "\": the number must be whole and above zero");
            if (slot)
                throw fail("a second figure in " + std::string(unit));
            if (const auto problem = numberProblem(*number, unit, text))
                throw fail(*problem + where);
            slot = number;
        } else if (unit == "hari" || unit == "bulan" || unit == "tahun") {
            const auto number = calendarCount(count);
            if (!number || *number == 0)
                throw fail("\"" + std::string(figure) + "\": the count must be a number above zero or a word from "
                    + "\"satu\" to \"dua belas\"");
            if (interval.calendar)
                throw fail("a second calendar figure");
            if (text.find("setiap " + std::string(figure)) == std::string::npos)
                throw fail("\"setiap " + std::string(figure) + "\" is not in the procedure line" + where);
            interval.calendar = unit == "hari"
                ? CalendarInterval{*number, CalendarInterval::Unit::Day}
                : CalendarInterval{*number * (unit == "tahun" ? 12 : 1), CalendarInterval::Unit::Month};
        } else {
            throw fail("\"" + std::string(figure)
                + "\" is no interval figure: write \"<n> jam\", \"<n> miles\", \"<n> km\", or \"hari\", \"bulan\" "
                  "or \"tahun\" with an optional count");
        }
    }
    if (interval.miles && interval.km && std::abs(kmOfMiles(*interval.miles) - *interval.km) > 1)
        throw fail(std::to_string(*interval.miles) + " miles are " + std::to_string(kmOfMiles(*interval.miles))
            + " km, not " + std::to_string(*interval.km) + where);
    if (interval.miles && !interval.km)
        interval.km = kmOfMiles(*interval.miles);
    return {{entry, static_cast<std::size_t>(*line)}, interval};
}

std::string intervalText(const Interval& interval)
{
    std::vector<std::string> parts;
    if (interval.hours)
        parts.push_back(withGroups(*interval.hours) + " jam");
    if (interval.km)
        parts.push_back(withGroups(*interval.km) + " km"
            + (interval.miles ? " (" + withGroups(*interval.miles) + " miles)" : std::string()));
    if (interval.calendar)
        parts.push_back(std::to_string(interval.calendar->count)
            + (interval.calendar->unit == CalendarInterval::Unit::Day ? " hari" : " bulan"));
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : " atau ") + part;
    return text;
}

} // namespace loco
