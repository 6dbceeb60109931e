#include "schedule/due_tree.h"

#include "schedule/core/due_text.h"
#include "tutorials/core/maintenance_table.h"

#include <QSignalBlocker>
#include <QTreeWidget>

#include <algorithm>

namespace loco {
namespace {

enum Column { TaskColumn, IntervalColumn, LastDoneColumn, DueColumn, StatusColumn };
constexpr int kEntryRole = Qt::UserRole;
constexpr int kLineRole = Qt::UserRole + 1;

// Light faces, so that the words on them stay black and readable.
QColor statusFace(DueStatus status)
{
    switch (status) {
    case DueStatus::Overdue:
        return {0xF4, 0xC2, 0xBD};
    case DueStatus::Soon:
        return {0xFF, 0xE3, 0x9A};
    case DueStatus::NeverRecorded:
        return {0xDD, 0xDD, 0xDD};
    case DueStatus::Good:
        break;
    }
    return {0xC8, 0xE6, 0xC9};
}

QString qt(const std::string& text)
{
    return QString::fromStdString(text);
}

const MaintenanceTask* taskIn(const MaintenanceTable& table, TaskId id)
{
    const auto& tasks = table.at(id.entry).tasks;
    const auto found = std::find_if(tasks.begin(), tasks.end(), [&](const auto& t) { return t.id == id; });
    return found == tasks.end() ? nullptr : &*found;
}

} // namespace

DueTree::DueTree(QTreeWidget* tree, const MaintenanceTable& table) : tree_(tree), table_(table)
{
    tree_->setColumnWidth(TaskColumn, 285);
    tree_->setColumnWidth(IntervalColumn, 215);
    tree_->setColumnWidth(LastDoneColumn, 180);
    tree_->setColumnWidth(DueColumn, 155);
}

void DueTree::show(const DueList* list, const Reading& now, const std::vector<TaskId>& textChanged)
{
    const std::vector<TaskId> ticked = tickedTasks();
    const std::optional<TaskId> current = currentTask();
    const int currentProcedure = currentEntry();
    // The rows are the same tasks again: no one is told of the passing change.
    const QSignalBlocker quiet(tree_);
    tree_->clear();
    const auto changed = [&](const DueTask& row) {
        return !row.lastDone && std::find(textChanged.begin(), textChanged.end(), row.task) != textChanged.end();
    };
    if (list) {
        QTreeWidgetItem* periodic = heading(QStringLiteral("Tugas berkala, paling mendesak di atas"));
        for (const DueTask& row : list->tasks)
            taskRow(periodic, row, now, changed(row));
        QTreeWidgetItem* daily = heading(QStringLiteral("Pemeriksaan harian (setiap hari, tidak pernah terlambat)"));
        for (const DueTask& row : list->dailyChecklist)
            taskRow(daily, row, now, changed(row))->setText(DueColumn, QStringLiteral("setiap hari"));
        if (!list->notApplicable.empty()) {
            QTreeWidgetItem* excluded = heading(QStringLiteral("Tidak berlaku untuk unit ini"));
            for (const TaskId& id : list->notApplicable) {
                auto* item = new QTreeWidgetItem(excluded);
                const MaintenanceEntry& entry = table_.at(id.entry);
                item->setText(
                    TaskColumn, QStringLiteral("%1. %2, baris %3").arg(id.entry).arg(qt(entry.title)).arg(id.line));
                item->setToolTip(TaskColumn, qt(entry.lines[id.line - 1]));
                if (const MaintenanceTask* task = taskIn(table_, id))
                    item->setText(IntervalColumn, qt(intervalText(task->interval)));
                item->setText(StatusColumn, QStringLiteral("tidak berlaku"));
                item->setData(TaskColumn, kEntryRole, id.entry);
                item->setData(TaskColumn, kLineRole, qulonglong(id.line));
            }
        }
    }
    QTreeWidgetItem* asNeeded = heading(QStringLiteral("Sesuai kebutuhan (tanpa interval)"));
    for (const int number : table_.asNeeded()) {
        auto* item = new QTreeWidgetItem(asNeeded);
        item->setText(TaskColumn, QStringLiteral("%1. %2").arg(number).arg(qt(table_.at(number).title)));
        item->setText(IntervalColumn, QStringLiteral("sesuai kebutuhan"));
        item->setData(TaskColumn, kEntryRole, number);
        item->setData(TaskColumn, kLineRole, 0);
    }
    tree_->expandAll();

    for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
        QTreeWidgetItem* item = *it;
        const std::optional<TaskId> task = taskOf(item);
        if (task && (item->flags() & Qt::ItemIsUserCheckable)
            && std::find(ticked.begin(), ticked.end(), *task) != ticked.end())
            item->setCheckState(TaskColumn, Qt::Checked);
        const bool wasCurrent = current
            ? task == current
            : !task && currentProcedure != 0 && item->data(TaskColumn, kEntryRole).toInt() == currentProcedure;
        if (wasCurrent)
            tree_->setCurrentItem(item);
    }
}

QTreeWidgetItem* DueTree::heading(const QString& text)
{
    auto* item = new QTreeWidgetItem(tree_);
    item->setText(TaskColumn, text);
    item->setFirstColumnSpanned(true);
    item->setFlags(Qt::ItemIsEnabled);
    QFont bold = tree_->font();
    bold.setBold(true);
    item->setFont(TaskColumn, bold);
    return item;
}

QTreeWidgetItem* DueTree::taskRow(QTreeWidgetItem* parent, const DueTask& row, const Reading& now, bool textChanged)
{
    auto* item = new QTreeWidgetItem(parent);
    const MaintenanceEntry& entry = table_.at(row.task.entry);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(TaskColumn, Qt::Unchecked);
    item->setText(
        TaskColumn, QStringLiteral("%1. %2, baris %3").arg(row.task.entry).arg(qt(entry.title)).arg(row.task.line));
    item->setToolTip(TaskColumn, qt(entry.lines[row.task.line - 1]));
    item->setData(TaskColumn, kEntryRole, row.task.entry);
    item->setData(TaskColumn, kLineRole, qulonglong(row.task.line));
    item->setText(IntervalColumn,
        qt(intervalText(row.interval)) + (row.depotInterval ? QStringLiteral(" (interval dipo)") : QString()));
    item->setText(
        LastDoneColumn, textChanged ? QStringLiteral("teks baris berubah sejak dicatat") : qt(lastDoneText(row)));
    item->setText(DueColumn, qt(dueText(row, now)));
    item->setText(StatusColumn, qt(std::string(statusText(row.status))));
    // A narrow column elides its text: the whole of it shows under the mouse.
    for (const int column : {IntervalColumn, LastDoneColumn, DueColumn})
        item->setToolTip(column, item->text(column));
    item->setBackground(StatusColumn, statusFace(row.status));
    item->setForeground(StatusColumn, QColor(Qt::black));
    return item;
}

std::optional<TaskId> DueTree::taskOf(const QTreeWidgetItem* item) const
{
    if (!item || item->data(TaskColumn, kLineRole).toULongLong() == 0)
        return std::nullopt;
    return TaskId{
        item->data(TaskColumn, kEntryRole).toInt(), std::size_t(item->data(TaskColumn, kLineRole).toULongLong())};
}

std::optional<TaskId> DueTree::currentTask() const
{
    return taskOf(tree_->currentItem());
}

int DueTree::currentEntry() const
{
    const QTreeWidgetItem* item = tree_->currentItem();
    return item ? item->data(TaskColumn, kEntryRole).toInt() : 0;
}

std::vector<TaskId> DueTree::tickedTasks() const
{
    std::vector<TaskId> ticked;
    for (QTreeWidgetItemIterator it(tree_, QTreeWidgetItemIterator::Checked); *it; ++it)
        if (const auto task = taskOf(*it))
            ticked.push_back(*task);
    return ticked;
}

void DueTree::clearTicks()
{
    for (QTreeWidgetItemIterator it(tree_, QTreeWidgetItemIterator::Checked); *it; ++it)
        (*it)->setCheckState(TaskColumn, Qt::Unchecked);
}

} // namespace loco
