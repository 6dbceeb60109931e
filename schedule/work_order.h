#pragma once

#include "schedule/core/due_list.h"
#include "toolkit/report.h"

#include <string>
#include <vector>

namespace loco {

class MaintenanceTable;

// A maintenance work order for the workshop: the unit, its meters now, and
// per chosen task its procedure, line and interval with a box to tick, then
// room for remarks and the signatures of technician and checker.
Report workOrderReport(const std::string& locomotive, const Reading& now, const std::vector<DueTask>& tasks,
    const MaintenanceTable& table);

// What the record of one task done holds: the unit's meters at the work and
// the task with its procedure line, as it stood in the schedule.
Report doneTaskReport(
    const std::string& locomotive, const Reading& now, const DueTask& task, const MaintenanceTable& table);

} // namespace loco
