#pragma once

#include "records/store/records_store.h"
#include "toolkit/form_window.h"

#include <functional>
#include <memory>
#include <optional>

class QAbstractItemModel;
namespace Ui {
class HistoryWindow;
}
namespace loco::records {
class RecordListModel;
class UnitHistoryModel;
} // namespace loco::records

// "Riwayat perbaikan": the filed records, newest first, read a page at a
// time, filtered by locomotive number, dates, kind, status and any text;
// one record in full below the list; one unit's records in time order with
// its repeated faults marked in words; a record printed again ("Cetak
// ulang") from what was stored; the rows shown exported for a spreadsheet.
// When the store cannot be read the window says why, above everything.
class HistoryWindow : public FormWindow {
    Q_OBJECT

public:
    // store outlives the window.
    explicit HistoryWindow(loco::records::RecordsStore& store, QWidget* parent = nullptr);
    ~HistoryWindow() override;

    // Shows the window with the records as they stand now, the filters kept.
    void showRecords();
    // What "Jadwal perawatan…" (Ctrl+J) opens; the button shows once set.
    void setScheduleHook(std::function<void()> openSchedule);

    void RetryButtonClick();
    void UnitButtonClick();
    void ReprintButtonClick();
    void ReprintPdfButtonClick();
    void ExportButtonClick();
    void ScheduleButtonClick();
    void CloseButtonClick();

private:
    // Reads the records that the filters (or the unit) ask for.
    void showMatching();
    // What the store allows: the reason it cannot be used, the controls that can.
    void showStoreState();
    void showDetail();
    // The filters' record filter; dates that are no date are left out and
    // listed in unread.
    loco::records::RecordFilter filter(QStringList* unread = nullptr);
    void showModel(QAbstractItemModel* model);
    std::optional<loco::records::Record> selectedRecord();
    void selectRecord(std::int64_t number);
    bool unitShown() const;

    loco::records::RecordsStore& store_;
    std::unique_ptr<Ui::HistoryWindow> ui;
    loco::records::RecordListModel* list_;
    loco::records::UnitHistoryModel* unit_;
    std::function<void()> openSchedule_;
};
