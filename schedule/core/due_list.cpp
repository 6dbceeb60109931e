#include "schedule/core/due_list.h"

#include "toolkit/core/error.h"

#include <algorithm>
#include <limits>
#include <map>
#include <tuple>

namespace loco {
namespace {

using std::chrono::sys_days;

// A shift's worth or less: checked at every start, whatever the calendar.
constexpr int kDailyCheckHours = 8;
// "segera": within this share of an interval, or these days of a monthly or longer one.
constexpr double kSoonShare = 0.1;
constexpr double kSoonDaysOfMonths = 7;

bool isDailyCheck(const Interval& interval)
{
    const auto& calendar = interval.calendar;
    return (calendar && calendar->unit == CalendarInterval::Unit::Day && calendar->count == 1)
        || (interval.hours && *interval.hours <= kDailyCheckHours);
}

Date after(const Date& from, const CalendarInterval& calendar)
{
    if (calendar.unit == CalendarInterval::Unit::Day)
        return sys_days(from) + std::chrono::days(calendar.count);
    const Date due = from + std::chrono::months(calendar.count);
    // 31 January and a month: the last day of February.
    return due.ok() ? due : Date(due.year() / due.month() / std::chrono::last);
}

// Status and due points of a task done before; returns the smallest share of
// its interval still to run, by which tasks of one status are ordered.
double judge(DueTask& row, const MeterHistory& meters, const Reading& last)
{
    const Reading& now = meters.latest();
    double leastShare = std::numeric_limits<double>::infinity();
    row.status = DueStatus::Good;
    const auto measure = [&](DueMeasure which, double remaining, double length, double soonWithin) {
        if (remaining / length < leastShare) {
            leastShare = remaining / length;
            row.firstDue = which;
        }
        if (remaining < 0)
            row.status = DueStatus::Overdue;
        else if (remaining <= soonWithin && row.status != DueStatus::Overdue)
            row.status = DueStatus::Soon;
    };
    const Interval& interval = row.interval;
    if (interval.hours) {
        const double remaining = *interval.hours - (meters.runningHours(now) - meters.runningHours(last));
        row.dueHours = now.hours + remaining;
        measure(DueMeasure::Hours, remaining, *interval.hours, *interval.hours * kSoonShare);
    }
    if (interval.km) {
        const double remaining = *interval.km - (meters.runningKm(now) - meters.runningKm(last));
        row.dueKm = now.km + remaining;
        measure(DueMeasure::Km, remaining, *interval.km, *interval.km * kSoonShare);
    }
    if (interval.calendar) {
        row.dueDate = after(last.date, *interval.calendar);
        const double length = (sys_days(*row.dueDate) - sys_days(last.date)).count();
        const bool months = interval.calendar->unit == CalendarInterval::Unit::Month;
        measure(DueMeasure::Calendar, (sys_days(*row.dueDate) - sys_days(now.date)).count(), length,
            months ? kSoonDaysOfMonths : length * kSoonShare);
    }
    return leastShare;
}

std::string taskName(const TaskId& task)
{
    return "perawatan " + std::to_string(task.entry) + " baris " + std::to_string(task.line);
}

} // namespace

std::string_view statusText(DueStatus status)
{
    switch (status) {
    case DueStatus::Overdue:
        return "terlambat";
    case DueStatus::Soon:
        return "segera";
    case DueStatus::NeverRecorded:
        return "belum pernah tercatat";
    case DueStatus::Good:
        break;
    }
    return "baik";
}

std::optional<std::string> depotIntervalProblem(const Interval& interval)
{
    if (!interval.hours && !interval.km && !interval.calendar)
        return "Interval dipo memerlukan jam, kilometer atau kalender.";
    if ((interval.hours && *interval.hours <= 0) || (interval.km && *interval.km <= 0)
        || (interval.miles && *interval.miles <= 0) || (interval.calendar && interval.calendar->count <= 0))
        return "Angka interval dipo harus lebih dari nol.";
    return std::nullopt;
}

DueList dueList(std::span<const MaintenanceTask> tasks, const MeterHistory& meters,
    std::span<const Completion> completions, std::span<const TaskSetting> settings)
{
    if (meters.empty())
        throw Error("Belum ada pembacaan meter untuk unit ini.");
    std::map<TaskId, const TaskSetting*> settingOf;
    for (const TaskSetting& setting : settings) {
        if (setting.depotInterval) {
            if (const auto problem = depotIntervalProblem(*setting.depotInterval))
                throw Error(taskName(setting.task) + ": " + *problem);
        }
        settingOf[setting.task] = &setting;
    }
    std::map<TaskId, const Completion*> latest;
    for (const Completion& completion : completions) {
        const Completion*& known = latest[completion.task];
        if (!known || known->at.date <= completion.at.date)
            known = &completion;
    }

    DueList list;
    std::vector<std::pair<double, DueTask>> ranked;
    for (const MaintenanceTask& task : tasks) {
        const auto setting = settingOf.find(task.id);
        if (setting != settingOf.end() && setting->second->notApplicable) {
            list.notApplicable.push_back(task.id);
            continue;
        }
        DueTask row{task.id, task.interval};
        if (setting != settingOf.end() && setting->second->depotInterval) {
            row.interval = *setting->second->depotInterval;
            row.depotInterval = true;
        }
        double share = 0;
        if (const auto done = latest.find(task.id); done != latest.end()) {
            row.lastDone = done->second->at;
            share = judge(row, meters, *row.lastDone);
        }
        if (isDailyCheck(row.interval)) {
            row.status = row.lastDone ? DueStatus::Good : DueStatus::NeverRecorded;
            list.dailyChecklist.push_back(std::move(row));
        } else {
            ranked.emplace_back(share, std::move(row));
        }
    }
    std::sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) {
        return std::tie(a.second.status, a.first, a.second.task) < std::tie(b.second.status, b.first, b.second.task);
    });
    for (auto& [share, row] : ranked)
        list.tasks.push_back(std::move(row));
    std::sort(list.dailyChecklist.begin(), list.dailyChecklist.end(),
        [](const DueTask& a, const DueTask& b) { return a.task < b.task; });
    return list;
}

std::vector<Completion> procedureCompletions(std::span<const MaintenanceTask> tasks, int entry, const Reading& at)
{
    std::vector<Completion> done;
    for (const MaintenanceTask& task : tasks) {
        if (task.id.entry == entry)
            done.push_back({task.id, at});
    }
    return done;
}

} // namespace loco
