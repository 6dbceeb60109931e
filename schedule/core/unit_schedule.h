#pragma once

#include "records/core/record.h"
#include "schedule/core/due_list.h"
#include "tutorials/core/maintenance_table.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace loco {

/// A completion as the records keep it: with the text its task's line had
/// when it was filed, and the meters then, where they were read.
struct StoredCompletion {
    TaskId task;
    std::string lineText;
    Date date;
    std::optional<double> hours = {};
    std::optional<double> km = {};
};

/// A depot's setting for a task of a unit as kept, with its line's text then.
struct StoredSetting {
    TaskSetting setting;
    std::string lineText;
};

/// What a unit's stored completions and settings stand for in the procedures
/// as they read now.
struct UnitTasks {
    std::vector<Completion> completions;
    std::vector<TaskSetting> settings;
    // Tasks with stored work or settings on a line whose text has changed
    // since, and which no line of the procedure reads as then.
    std::vector<TaskId> textChanged;
};

/// The task a stored (entry, line) with that line text is now: the same line
/// while it reads the same, else the task line of the same procedure that
/// reads so (lines were inserted or removed above it), else none.
std::optional<TaskId> taskNow(const MaintenanceTable& table, TaskId stored, std::string_view lineText);

/// Maps what a unit has stored onto today's tasks. A completion filed without
/// meters takes those of the unit's latest reading on or before its date (or
/// its first reading): counting from older figures shows the task due sooner,
/// never later. `readings` are the unit's, oldest first.
UnitTasks currentTasks(const MaintenanceTable& table, std::span<const MeterReading> readings,
    std::span<const StoredCompletion> completions, std::span<const StoredSetting> settings);

/// A task as a record keeps it done, with its line's text; the meters are
/// those the work is filed with.
records::DoneTask doneTask(const MaintenanceTable& table, TaskId task);

/// What filing maintenance procedure `entry` (1..30; 0: none shown) stands
/// for: each of its tasks done.
std::vector<records::DoneTask> procedureDone(const MaintenanceTable& table, int entry);

/// A depot interval as typed: figures "<n> jam", "<n> km", "<n> miles",
/// "<n> hari", "<n> bulan", "<n> tahun" (numbers with or without dots between
/// thousands), joined by "atau" or commas: what intervalText() writes reads
/// back. Throws loco::Error (Indonesian) naming what cannot be read.
Interval parseDepotInterval(std::string_view typed);

/// Today's meters as typed, as readings to store, oldest first. A meter
/// swapped today gives two: the old meter's last figure (where it was read),
/// then the new meter's first figure marked replaced.
struct TypedReading {
    Date date;
    double hours = 0;
    double km = 0;
    bool hourMeterReplaced = false;
    bool odometerReplaced = false;
    std::optional<double> oldHourMeterLast = {};
    std::optional<double> oldOdometerLast = {};
};
std::vector<MeterReading> readingsToStore(const TypedReading& typed);

} // namespace loco
