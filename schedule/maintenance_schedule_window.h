#pragma once

#include "records/store/records_store.h"
#include "schedule/core/unit_schedule.h"
#include "toolkit/form_window.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Ui {
class MaintenanceScheduleWindow;
}
namespace loco {
class DueTree;
class MaintenanceTable;
class ReportCommands;
struct Report;
} // namespace loco

// "Jadwal perawatan": what is due on one locomotive, from the intervals of
// the maintenance procedures, its meters today and the work filed for it.
// The tasks ticked go into a work order, or are filed as done.
class MaintenanceScheduleWindow : public FormWindow {
    Q_OBJECT

public:
    // table and store outlive the window.
    MaintenanceScheduleWindow(
        const loco::MaintenanceTable& table, loco::records::RecordsStore& store, QWidget* parent = nullptr);
    ~MaintenanceScheduleWindow() override;

    void locomotiveChosen();
    void readingsEdited();
    void hourMeterReplacedClick();
    void odometerReplacedClick();
    void saveReadingsClick();
    void taskChosen();
    void notApplicableClick();
    void applyDepotIntervalClick();
    void printWorkOrderClick();
    void saveWorkOrderClick();
    void markDoneClick();
    void closeButtonClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Today's readings as typed; nothing when both fields are empty. Sets
    // problem (Indonesian) when they cannot be read.
    std::optional<loco::TypedReading> typedReading(std::string& problem) const;
    // Reads the unit's schedule from the records again, then refresh().
    void loadUnit();
    // Works the due list out again from what is stored and typed.
    void refresh();
    void showNote(const QString& text, bool problem);
    void storeSetting();
    std::vector<loco::DueTask> tickedRows() const;
    loco::Report workOrder() const;

    const loco::MaintenanceTable& table_;
    loco::records::RecordsStore& store_;
    std::unique_ptr<Ui::MaintenanceScheduleWindow> ui;
    std::unique_ptr<loco::DueTree> tree_;
    loco::ReportCommands* reports_;
    std::string unit_; // the normalised number shown, or empty
    loco::records::StoredSchedule stored_;
    loco::UnitTasks unitTasks_; // what is stored, in today's tasks
    std::optional<loco::DueList> list_;
    loco::Reading now_;
};
