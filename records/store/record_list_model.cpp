#include "records/store/record_list_model.h"

#include "records/core/repeat_faults.h"
#include "toolkit/core/error.h"

#include <QDateTime>
#include <QFont>

namespace loco::records {
QString filedAtText(const Record& record)
{
    return QDateTime::fromMSecsSinceEpoch(record.filedAtMs, Qt::OffsetFromUTC, record.utcOffsetMinutes * 60)
        .toString(QStringLiteral("dd-MM-yyyy HH.mm"));
}

RecordListModel::RecordListModel(RecordsStore& store, QObject* parent) : QAbstractTableModel(parent), store_(store) { }

void RecordListModel::setFilter(const RecordFilter& filter)
{
    RecordPage first = store_.page(filter);
    beginResetModel();
    filter_ = filter;
    rows_ = std::move(first.records);
    next_ = first.next;
    endResetModel();
}

int RecordListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int RecordListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

namespace {

// The text of a record's cell in a column of RecordListModel.
QString columnText(const Record& r, int column)
{
    std::string_view text;
    switch (column) {
    case RecordListModel::Date:
        return filedAtText(r);
    case RecordListModel::Locomotive:
        text = r.card.locomotive;
        break;
    case RecordListModel::Kind:
        text = kindLabel(r.kind);
        break;
    case RecordListModel::Subject:
        text = r.subject;
        break;
    case RecordListModel::Conclusion:
        text = r.conclusion;
        break;
    case RecordListModel::Technician:
        text = r.card.technician;
        break;
    case RecordListModel::Status:
        text = statusLabel(r.card.status);
        break;
    default:
        return {};
    }
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QVariant columnTitle(int section)
{
    static const char* const titles[UnitHistoryModel::ColumnCount]
        = {"Tanggal", "Lokomotif", "Jenis", "Pokok", "Kesimpulan atau hasil", "Teknisi", "Status", "Berulang"};
    return section >= 0 && section < UnitHistoryModel::ColumnCount ? QString::fromUtf8(titles[section]) : QVariant();
}

bool isText(int role)
{
    return role == Qt::DisplayRole || role == Qt::AccessibleTextRole;
}

} // namespace

QVariant RecordListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !isText(role))
        return {};
    return columnText(recordAt(index.row()), index.column());
}

QVariant RecordListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return columnTitle(section);
}

bool RecordListModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && next_.has_value();
}

void RecordListModel::fetchMore(const QModelIndex& parent)
{
    if (!canFetchMore(parent))
        return;
    RecordPage more;
    try {
        more = store_.page(filter_, next_);
    } catch (const Error& error) {
        emit readFailed(QString::fromUtf8(error.what()));
        return;
    }
    next_ = more.next;
    if (more.records.empty())
        return;
    const int first = int(rows_.size());
    beginInsertRows({}, first, first + int(more.records.size()) - 1);
    rows_.insert(
        rows_.end(), std::make_move_iterator(more.records.begin()), std::make_move_iterator(more.records.end()));
    endInsertRows();
}

void UnitHistoryModel::setEntries(std::vector<UnitEntry> entries)
{
    beginResetModel();
    entries_ = std::move(entries);
    notes_.assign(entries_.size(), QString());
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const auto& repeatOf = entries_[i].repeatOf;
        if (!repeatOf)
            continue;
        // The earlier record stands before this one: the history is in time order.
        for (std::size_t k = 0; k < i; ++k) {
            if (entries_[k].record.number == *repeatOf) {
                notes_[i] = QString::fromStdString(
                    repeatNote(*repeatOf, entries_[k].record.filedAtMs, entries_[i].record.filedAtMs));
                break;
            }
        }
    }
    endResetModel();
}

int UnitHistoryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(entries_.size());
}

int UnitHistoryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant UnitHistoryModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const QString& note = repeatNoteAt(index.row());
    if (role == Qt::FontRole && !note.isEmpty()) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (!isText(role))
        return {};
    return index.column() == Repeat ? note : columnText(recordAt(index.row()), index.column());
}

QVariant UnitHistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return columnTitle(section);
}

} // namespace loco::records
