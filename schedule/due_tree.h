#pragma once

#include "schedule/core/due_list.h"

#include <QString>

#include <optional>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace loco {

class MaintenanceTable;

// The task tree of the schedule window: the periodic tasks most urgent
// first, the daily checklist, the tasks that do not apply to the unit and
// the procedures done as needed, each under a heading row. Task rows carry a
// tick box; the status stands in words on a coloured cell. Ticks and the
// current row are kept when the tree is filled again.
class DueTree {
public:
    DueTree(QTreeWidget* tree, const MaintenanceTable& table);

    // Fills the tree from a unit's due list at the reading `now`; tasks in
    // textChanged without a completion that counts say that their line reads
    // differently since work was filed. Without a list, the tree lists the
    // procedures alone.
    void show(const DueList* list, const Reading& now, const std::vector<TaskId>& textChanged);

    // The task of a row, or of the current row; nothing for headings and
    // procedures done as needed.
    std::optional<TaskId> taskOf(const QTreeWidgetItem* item) const;
    std::optional<TaskId> currentTask() const;
    // The maintenance entry of the current row (a task's or a procedure's), or 0.
    int currentEntry() const;
    // The ticked tasks, in the order of the tree.
    std::vector<TaskId> tickedTasks() const;
    void clearTicks();

private:
    QTreeWidgetItem* heading(const QString& text);
    QTreeWidgetItem* taskRow(QTreeWidgetItem* parent, const DueTask& row, const Reading& now, bool textChanged);

    QTreeWidget* tree_;
    const MaintenanceTable& table_;
};

} // namespace loco
