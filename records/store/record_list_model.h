#pragma once

#include "records/store/records_store.h"

#include <QAbstractTableModel>

#include <optional>
#include <vector>

namespace loco::records {

// The rows of the history table: the records that match a filter, newest
// first, read from the store a page at a time as a view scrolls to them
// (canFetchMore / fetchMore), so that opening a history of any length reads
// one page. Texts are the user's: Indonesian labels, the filing time as the
// workstation's clock read it.
class RecordListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Date, Locomotive, Kind, Subject, Conclusion, Technician, Status, ColumnCount };

    explicit RecordListModel(RecordsStore& store, QObject* parent = nullptr);

    // Shows the records that match, starting again from the newest. Throws
    // loco::Error when the store cannot be read.
    void setFilter(const RecordFilter& filter);
    // The record of a row, without its report (RecordsStore::record gives it).
    const Record& recordAt(int row) const { return rows_.at(std::size_t(row)); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    // A view calls this; a failure cannot be thrown through it, so it is
    // announced by readFailed and the list stays as it was.
    void fetchMore(const QModelIndex& parent) override;

signals:
    void readFailed(const QString& why);

private:
    RecordsStore& store_;
    RecordFilter filter_;
    std::vector<Record> rows_;
    std::optional<PageCursor> next_;
};

// The records of one unit (RecordsStore::unitHistory), oldest first, with a
// column more that says in words which earlier record each repeats
// (repeatNote); a repeat's row is also set in bold.
class UnitHistoryModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Repeat = RecordListModel::ColumnCount, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setEntries(std::vector<UnitEntry> entries);
    const Record& recordAt(int row) const { return entries_.at(std::size_t(row)).record; }
    // Empty for a record that repeats none.
    const QString& repeatNoteAt(int row) const { return notes_.at(std::size_t(row)); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<UnitEntry> entries_;
    std::vector<QString> notes_;
};

// "07-12-2026 14.30": a filing time as the workstation's clock read it.
QString filedAtText(const Record& record);

} // namespace loco::records
