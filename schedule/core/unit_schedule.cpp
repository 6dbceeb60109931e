#include "schedule/core/unit_schedule.h"

#include "toolkit/core/error.h"

#include <algorithm>
#include <cmath>

namespace loco {
namespace {

constexpr double kKmPerMile = 1.609344;

const MaintenanceEntry* entryOf(const MaintenanceTable& table, int entry)
{
    return entry >= 1 && entry <= MaintenanceTable::kSize ? &table.at(entry) : nullptr;
}

bool isTask(const MaintenanceTable& table, TaskId id)
{
    const MaintenanceEntry* entry = entryOf(table, id.entry);
    return entry && std::any_of(entry->tasks.begin(), entry->tasks.end(), [&](const auto& t) { return t.id == id; });
}

void noteChanged(UnitTasks& unit, const MaintenanceTable& table, TaskId stored)
{
    if (isTask(table, stored)
        && std::find(unit.textChanged.begin(), unit.textChanged.end(), stored) == unit.textChanged.end())
        unit.textChanged.push_back(stored);
}

// The meters of the latest reading on or before the date, else of the first.
const Reading& readingAround(std::span<const MeterReading> readings, const Date& date)
{
    const MeterReading* found = &readings.front();
    for (const MeterReading& reading : readings) {
        if (reading.reading.date > date)
            break;
        found = &reading;
    }
    return found->reading;
}

std::string lowerCase(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
        [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return lower;
}

std::string_view trimmed(std::string_view text)
{
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return {};
    return text.substr(start, text.find_last_not_of(' ') - start + 1);
}

// "20.000" or "20000": a whole number, dots only between groups of three.
std::optional<int> typedNumber(std::string_view text)
{
    std::string digits;
    for (std::size_t start = 0, group = 0; start <= text.size(); ++group) {
        const std::size_t end = std::min(text.find('.', start), text.size());
        const std::size_t length = end - start;
        if (length == 0 || (group > 0 && length != 3) || (end < text.size() && length > 3))
            return std::nullopt;
        digits += text.substr(start, length);
        start = end + 1;
    }
    return parseWholeNumber(digits);
}

[[noreturn]] void unreadable(std::string_view figure)
{
    throw Error("\"" + std::string(figure)
        + "\" tidak dapat dibaca sebagai interval: tulis angka dan satuannya (jam, km, miles, hari, bulan atau "
          "tahun), misalnya \"750 jam atau 20.000 km\".");
}

} // namespace

std::optional<TaskId> taskNow(const MaintenanceTable& table, TaskId stored, std::string_view lineText)
{
    const MaintenanceEntry* entry = entryOf(table, stored.entry);
    if (!entry)
        return std::nullopt;
    if (stored.line >= 1 && stored.line <= entry->lines.size() && entry->lines[stored.line - 1] == lineText
        && isTask(table, stored))
        return stored;
    for (const MaintenanceTask& task : entry->tasks)
        if (entry->lines[task.id.line - 1] == lineText)
            return task.id;
    return std::nullopt;
}

UnitTasks currentTasks(const MaintenanceTable& table, std::span<const MeterReading> readings,
    std::span<const StoredCompletion> completions, std::span<const StoredSetting> settings)
{
    UnitTasks unit;
    for (const StoredCompletion& stored : completions) {
        const auto task = taskNow(table, stored.task, stored.lineText);
        if (!task) {
            noteChanged(unit, table, stored.task);
            continue;
        }
        Reading at{stored.date, stored.hours.value_or(0), stored.km.value_or(0)};
        if (!stored.hours || !stored.km) {
            if (readings.empty())
                continue;
            const Reading& around = readingAround(readings, stored.date);
            at.hours = stored.hours.value_or(around.hours);
            at.km = stored.km.value_or(around.km);
        }
        unit.completions.push_back({*task, at});
    }
    for (const StoredSetting& stored : settings) {
        const auto task = taskNow(table, stored.setting.task, stored.lineText);
        if (!task) {
            noteChanged(unit, table, stored.setting.task);
            continue;
        }
        TaskSetting setting = stored.setting;
        setting.task = *task;
        unit.settings.push_back(setting);
    }
    return unit;
}

records::DoneTask doneTask(const MaintenanceTable& table, TaskId task)
{
    return {task.entry, task.line, table.at(task.entry).lines.at(task.line - 1)};
}

std::vector<records::DoneTask> procedureDone(const MaintenanceTable& table, int entry)
{
    std::vector<records::DoneTask> done;
    if (const MaintenanceEntry* procedure = entryOf(table, entry))
        for (const MaintenanceTask& task : procedure->tasks)
            done.push_back(doneTask(table, task.id));
    return done;
}

Interval parseDepotInterval(std::string_view typed)
{
    std::string text = lowerCase(typed);
    // "48.280 km (30.000 miles)", as lists write it, reads as two figures.
    for (const std::string_view separator : {" atau ", ",", "(", ")"}) {
        for (std::size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, at + 1))
            text.replace(at, separator.size(), ";");
    }
    Interval interval;
    bool any = false;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find(';', start), text.size());
        const std::string_view figure = trimmed(std::string_view(text).substr(start, end - start));
        start = end + 1;
        if (figure.empty())
            continue;
        const std::size_t blank = figure.rfind(' ');
        const std::string_view unit = blank == std::string_view::npos ? figure : figure.substr(blank + 1);
        const std::string_view count = blank == std::string_view::npos ? "" : trimmed(figure.substr(0, blank));
        const std::optional<int> number = count.empty() ? std::optional<int>(1) : typedNumber(count);
        if (!number)
            unreadable(figure);
        const auto once = [&](auto& slot, std::string_view what) {
            if (slot)
                throw Error("Interval dipo memuat dua angka " + std::string(what) + ".");
        };
        if (unit == "jam" && !count.empty()) {
            once(interval.hours, "jam");
            interval.hours = number;
        } else if (unit == "km" && !count.empty()) {
            once(interval.km, "kilometer");
            interval.km = number;
        } else if ((unit == "mile" || unit == "miles") && !count.empty()) {
            once(interval.miles, "miles");
            interval.miles = number;
        } else if (unit == "hari" || unit == "bulan" || unit == "tahun") {
            once(interval.calendar, "kalender");
            interval.calendar = unit == "hari"
                ? CalendarInterval{*number, CalendarInterval::Unit::Day}
                : CalendarInterval{*number * (unit == "tahun" ? 12 : 1), CalendarInterval::Unit::Month};
        } else {
            unreadable(figure);
        }
        any = true;
    }
    if (!any)
        throw Error("Tulis interval dipo, misalnya \"750 jam\" atau \"20.000 km atau 3 bulan\".");
    if (interval.miles) {
        const int km = static_cast<int>(std::lround(*interval.miles * kKmPerMile));
        if (interval.km && std::abs(*interval.km - km) > 1)
            throw Error(std::to_string(*interval.miles) + " miles sama dengan " + std::to_string(km) + " km, bukan "
                + std::to_string(*interval.km) + " km.");
        interval.km = km;
    }
    if (const auto problem = depotIntervalProblem(interval))
        throw Error(*problem);
    return interval;
}

std::vector<MeterReading> readingsToStore(const TypedReading& typed)
{
    std::vector<MeterReading> readings;
    const bool oldHours = typed.hourMeterReplaced && typed.oldHourMeterLast;
    const bool oldKm = typed.odometerReplaced && typed.oldOdometerLast;
    // A swapped meter whose last figure is unknown starts anew in the first
    // reading already.
    const bool split = oldHours || oldKm;
    if (split)
        readings.push_back(
            {{typed.date, oldHours ? *typed.oldHourMeterLast : typed.hours, oldKm ? *typed.oldOdometerLast : typed.km},
                typed.hourMeterReplaced && !oldHours, typed.odometerReplaced && !oldKm});
    readings.push_back({{typed.date, typed.hours, typed.km}, typed.hourMeterReplaced && (oldHours || !split),
        typed.odometerReplaced && (oldKm || !split)});
    return readings;
}

} // namespace loco
