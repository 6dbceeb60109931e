#pragma once

#include "tutorials/core/maintenance_interval.h"
#include "tutorials/core/tutorial_file.h"

#include <optional>
#include <string>
#include <vector>

namespace loco {

/// One preventive-maintenance type: the choice's caption, the procedure title,
/// the procedure lines (verbatim), the picture path, if any, and the tasks:
/// the lines that state an interval, in line order.
struct MaintenanceEntry {
    std::string caption;
    std::string title;
    std::optional<std::string> picture;
    std::vector<std::string> lines;
    std::vector<MaintenanceTask> tasks;
};

/// Parses and checks the data file of entry `number`, intervals included, as
/// the table does with each file (and the knowledge tool's check may).
/// Throws loco::Error("<file>:<line>: <problem>").
MaintenanceEntry readMaintenanceEntry(const SourceText& source, int number);

/// The thirty maintenance types, entry k belonging to choice k.
class MaintenanceTable {
public:
    static constexpr int kSize = 30;

    /// Parses the files of entries 1..30, in that order. Throws loco::Error
    /// when a file is malformed, lacks a caption or text, or the count is wrong.
    explicit MaintenanceTable(const std::vector<SourceText>& files);

    /// Entry k, 1 <= k <= kSize; throws std::out_of_range otherwise.
    const MaintenanceEntry& at(int k) const;

    const std::vector<MaintenanceEntry>& entries() const { return entries_; }

    /// Every task of every entry, by entry and line.
    std::vector<MaintenanceTask> tasks() const;

    /// The entries without a task: done "sesuai kebutuhan" (as needed).
    std::vector<int> asNeeded() const;

private:
    std::vector<MaintenanceEntry> entries_;
};

} // namespace loco
