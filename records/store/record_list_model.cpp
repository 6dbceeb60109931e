#include "records/store/record_list_model.h"

#include "toolkit/core/error.h"

#include <QDateTime>

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

QVariant RecordListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    const Record& r = recordAt(index.row());
    std::string_view text;
    switch (index.column()) {
    case Date:
        return filedAtText(r);
    case Locomotive:
        text = r.card.locomotive;
        break;
    case Kind:
        text = kindLabel(r.kind);
        break;
    case Subject:
        text = r.subject;
        break;
    case Conclusion:
        text = r.conclusion;
        break;
    case Technician:
        text = r.card.technician;
        break;
    case Status:
        text = statusLabel(r.card.status);
        break;
    default:
        return {};
    }
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QVariant RecordListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const titles[ColumnCount]
        = {"Tanggal", "Lokomotif", "Jenis", "Pokok", "Kesimpulan atau hasil", "Teknisi", "Status"};
    return section >= 0 && section < ColumnCount ? QString::fromUtf8(titles[section]) : QVariant();
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

} // namespace loco::records
