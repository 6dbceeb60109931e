#pragma once

#include "tutorials/core/tutorial_file.h"

#include <compare>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace loco {

/// Every `count` days or months; a year is twelve months.
struct CalendarInterval {
    enum class Unit { Day, Month };
    int count = 1;
    Unit unit = Unit::Day;
    bool operator==(const CalendarInterval&) const = default;
};

/// When a task is due again: after so many running hours, kilometres, days or
/// months, whichever comes first. A figure that is not given is empty.
struct Interval {
    std::optional<int> hours = {};
    std::optional<int> km = {};
    std::optional<int> miles = {}; // the distance as the text gives it; km is what counts
    std::optional<CalendarInterval> calendar = {};
    bool operator==(const Interval&) const = default;
};

/// A task: maintenance entry 1..30 and its procedure line (from 1) that states an interval.
struct TaskId {
    int entry = 0;
    std::size_t line = 0;
    auto operator<=>(const TaskId&) const = default;
};

/// A procedure line that states an interval, with the interval its text gives.
struct MaintenanceTask {
    TaskId id;
    Interval interval;
    bool operator==(const MaintenanceTask&) const = default;
};

/// Reads an "interval" header of entry `entry` ("<procedure line>: <figure>,
/// <figure>..." with figures "<n> jam", "<n> miles", "<n> km" and "hari",
/// "bulan", "tahun" with an optional count such as "enam bulan") and checks
/// every figure against that procedure line, so that data and text cannot
/// drift apart: each number stands in the line with its unit (a km figure may
/// stand alone in brackets, "(48.280)"); where the line joins two by a comma
/// ("100,300 jam") the smallest is taken; a calendar figure follows "setiap";
/// miles and km given together agree. A distance in miles alone gets its km.
/// Throws loco::Error("<file>:<header line>: <problem>").
MaintenanceTask readTaskInterval(
    const HeaderLine& header, int entry, const std::vector<std::string>& lines, std::string_view file);

/// The interval in Indonesian words, as lists and work orders show it:
/// "1.000 jam atau 48.280 km (30.000 miles)", "300 jam atau 1 bulan", "1 hari".
std::string intervalText(const Interval& interval);

} // namespace loco
