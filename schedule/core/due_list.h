#pragma once

#include "schedule/core/meter_history.h"
#include "tutorials/core/maintenance_interval.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace loco {

/// A task done on a unit, with its meters as they read then.
struct Completion {
    TaskId task;
    Reading at;
};

/// What a depot set for a task on one unit: "tidak berlaku" (the unit has no
/// such part), or its own interval ("interval dipo"), which rules over the text's.
struct TaskSetting {
    TaskId task;
    bool notApplicable = false;
    std::optional<Interval> depotInterval = {};
};

/// Most urgent first.
enum class DueStatus { Overdue, Soon, NeverRecorded, Good };

/// "terlambat", "segera", "belum pernah tercatat", "baik".
std::string_view statusText(DueStatus status);

/// The figure of an interval that falls due first.
enum class DueMeasure { Hours, Km, Calendar };

/// One row of the due list.
struct DueTask {
    TaskId task;
    Interval interval; // the depot's when set, else the text's
    bool depotInterval = false;
    std::optional<Reading> lastDone = {};
    // When it is due next, on the meters as they read now; empty where the
    // interval has no such figure or the task was never recorded.
    std::optional<double> dueHours = {};
    std::optional<double> dueKm = {};
    std::optional<Date> dueDate = {};
    std::optional<DueMeasure> firstDue = {};
    DueStatus status = DueStatus::NeverRecorded;
};

struct DueList {
    std::vector<DueTask> tasks; // most urgent first
    // Daily and 8-hour tasks, by entry and line: done every day, never overdue
    // (their status only says whether they were ever recorded).
    std::vector<DueTask> dailyChecklist;
    std::vector<TaskId> notApplicable; // "tidak berlaku" on this unit
};

/// Why a depot interval cannot be used (Indonesian), or nothing: it needs
/// hours, km or a calendar figure, each above zero.
std::optional<std::string> depotIntervalProblem(const Interval& interval);

/// The due list of one unit now: its newest reading gives today's date and
/// meters. A task is due at whichever of hours, km and date comes first;
/// "segera" within a tenth of an interval, or 7 days of one of a month or
/// more. `completions` may hold several per task: the latest date counts, on
/// one date the one that comes last. Throws loco::Error (Indonesian) when
/// there is no reading or a depot interval is unusable.
DueList dueList(std::span<const MaintenanceTask> tasks, const MeterHistory& meters,
    std::span<const Completion> completions, std::span<const TaskSetting> settings);

/// What filing maintenance procedure `entry` as done stands for: each of its
/// tasks done at `at`.
std::vector<Completion> procedureCompletions(std::span<const MaintenanceTask> tasks, int entry, const Reading& at);

} // namespace loco
