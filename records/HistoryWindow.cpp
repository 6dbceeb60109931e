#include "records/HistoryWindow.h"

#include "records/core/csv.h"
#include "records/core/locomotive_number.h"
#include "records/record_report.h"
#include "records/store/record_list_model.h"
#include "toolkit/core/error.h"
#include "toolkit/core/safe_file.h"
#include "toolkit/dialogs.h"
#include "toolkit/handler_guard.h"
#include "toolkit/report_commands.h"
#include "ui_HistoryWindow.h"

#include <QCompleter>
#include <QFile>
#include <QHeaderView>
#include <QSignalBlocker>

using loco::connectHandler;
using namespace loco::records;

namespace {

QString qt(const std::string& text)
{
    return QString::fromStdString(text);
}

// The first moment of the day typed ("7-12-2026", with hyphens, slashes or
// dots), days later, in milliseconds of the workstation's clock; nothing for
// an empty field, and the text itself in unread when it is no date.
std::optional<std::int64_t> dayStart(const QLineEdit* field, int daysLater, QStringList& unread)
{
    QString text = field->text().trimmed();
    if (text.isEmpty())
        return std::nullopt;
    text.replace(QLatin1Char('/'), QLatin1Char('-')).replace(QLatin1Char('.'), QLatin1Char('-'));
    const QDate date = QDate::fromString(text, QStringLiteral("d-M-yyyy"));
    if (!date.isValid()) {
        unread << field->text().trimmed();
        return std::nullopt;
    }
    return date.addDays(daysLater).startOfDay().toMSecsSinceEpoch();
}

// Widths of the list's columns; one unit's history leaves out the number and
// reads which record a repeat repeats right after the date, in two lines.
constexpr int kListWidths[] = {105, 100, 85, 180, 240, 110};
constexpr int kUnitWidths[] = {105, 0, 80, 140, 175, 95};
constexpr int kRepeatWidth = 190;

} // namespace

HistoryWindow::HistoryWindow(RecordsStore& store, QWidget* parent)
    : FormWindow(parent), store_(store), ui(std::make_unique<Ui::HistoryWindow>()),
      list_(new RecordListModel(store, this)), unit_(new UnitHistoryModel(this))
{
    ui->setupUi(content());
    finishDefinition();
    ui->ScheduleButton->hide();
    ui->ReprintButton->setShortcut(QKeySequence::Print);
    ui->ReprintPdfButton->setShortcut(QKeySequence::Save);
    ui->ExportButton->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    ui->RefreshButton->setShortcut(QKeySequence::Refresh);
    ui->ScheduleButton->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    ui->UnitButton->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    showModel(list_);

    connectHandler(ui->RetryButton, &QPushButton::clicked, this, &HistoryWindow::RetryButtonClick);
    connectHandler(ui->UnitButton, &QPushButton::clicked, this, &HistoryWindow::UnitButtonClick);
    connectHandler(ui->ReprintButton, &QPushButton::clicked, this, &HistoryWindow::ReprintButtonClick);
    connectHandler(ui->ReprintPdfButton, &QPushButton::clicked, this, &HistoryWindow::ReprintPdfButtonClick);
    connectHandler(ui->ExportButton, &QPushButton::clicked, this, &HistoryWindow::ExportButtonClick);
    connectHandler(ui->ScheduleButton, &QPushButton::clicked, this, &HistoryWindow::ScheduleButtonClick);
    connectHandler(ui->CloseButton, &QPushButton::clicked, this, &HistoryWindow::CloseButtonClick);
    connectHandler(ui->RefreshButton, &QPushButton::clicked, this, &HistoryWindow::showMatching);
    for (QLineEdit* field : {ui->LocomotiveFilter, ui->FromDate, ui->UntilDate, ui->TextFilter})
        connectHandler(field, &QLineEdit::textChanged, this, &HistoryWindow::showMatching);
    for (QComboBox* list : {ui->KindFilter, ui->StatusFilter})
        connectHandler(list, &QComboBox::currentIndexChanged, this, &HistoryWindow::showMatching);
    // A page that cannot be read while scrolling is said where the store's
    // problems are, not in a box for every page.
    connect(list_, &RecordListModel::readFailed, this, [this](const QString& why) {
        ui->StoreProblem->setText(why);
        ui->StoreProblem->show();
    });
    connect(list_, &QAbstractItemModel::rowsInserted, this, [this] {
        ui->CountLabel->setText(
            QStringLiteral("%1 catatan%2")
                .arg(list_->rowCount())
                .arg(list_->canFetchMore({}) ? QStringLiteral(", yang lebih lama menyusul saat digulir") : QString()));
    });
}

HistoryWindow::~HistoryWindow() = default;

void HistoryWindow::showRecords()
{
    showModeless();
    showMatching();
}

void HistoryWindow::setScheduleHook(std::function<void()> openSchedule)
{
    openSchedule_ = std::move(openSchedule);
    ui->ScheduleButton->setVisible(bool(openSchedule_));
}

void HistoryWindow::RetryButtonClick()
{
    store_.retry();
    showMatching();
}

void HistoryWindow::UnitButtonClick()
{
    showMatching();
}

void HistoryWindow::ReprintButtonClick()
{
    if (const auto record = selectedRecord())
        loco::printReport(this, jobCardReport({*record}, Printing::Again));
}

void HistoryWindow::ReprintPdfButtonClick()
{
    if (const auto record = selectedRecord())
        loco::saveReportAsPdf(this, jobCardReport({*record}, Printing::Again));
}

void HistoryWindow::ExportButtonClick()
{
    std::string csv;
    QString name = QStringLiteral("riwayat-perbaikan");
    if (unitShown()) {
        std::vector<Record> records;
        for (int row = 0; row < unit_->rowCount(); ++row)
            records.push_back(unit_->recordAt(row));
        csv = recordsCsv(records);
        name += QLatin1Char('-') + ui->LocomotiveFilter->text().toLower().replace(QLatin1Char(' '), QLatin1Char('-'));
    } else {
        csv = store_.exportCsv(filter());
    }
    const QString path = loco::askSaveFileName(this,
        name + QDateTime::currentDateTime().toString(QStringLiteral("-yyyy-MM-dd-HHmm")) + QStringLiteral(".csv"));
    if (!path.isEmpty())
        loco::writeFileSafely(QFile::encodeName(path).toStdString(), csv);
}

void HistoryWindow::ScheduleButtonClick()
{
    if (openSchedule_)
        openSchedule_();
}

void HistoryWindow::CloseButtonClick()
{
    close();
}

bool HistoryWindow::unitShown() const
{
    return ui->RecordTable->model() == unit_;
}

void HistoryWindow::showStoreState()
{
    const RecordsStore::State state = store_.state();
    const bool readable = state == RecordsStore::State::Writable || state == RecordsStore::State::ReadOnly;
    ui->StoreProblem->setText(qt(store_.why()));
    ui->StoreProblem->setVisible(!store_.why().empty());
    // Read with the window's name when it comes to the front.
    setAccessibleDescription(ui->StoreProblem->text());
    ui->RetryButton->setVisible(state == RecordsStore::State::Unavailable);
    for (QWidget* control : {static_cast<QWidget*>(ui->LocomotiveFilter), static_cast<QWidget*>(ui->UnitButton),
             static_cast<QWidget*>(ui->RecordTable), static_cast<QWidget*>(ui->RecordDetail),
             static_cast<QWidget*>(ui->ExportButton), static_cast<QWidget*>(ui->RefreshButton)})
        control->setEnabled(readable);
    const bool everyRecord = readable && !ui->UnitButton->isChecked();
    for (QWidget* control : {static_cast<QWidget*>(ui->FromDate), static_cast<QWidget*>(ui->UntilDate),
             static_cast<QWidget*>(ui->KindFilter), static_cast<QWidget*>(ui->StatusFilter),
             static_cast<QWidget*>(ui->TextFilter)})
        control->setEnabled(everyRecord);
    if (!readable)
        ui->CountLabel->clear();
}

void HistoryWindow::showMatching()
{
    showStoreState();
    if (!ui->RecordTable->isEnabled())
        return;
    const std::optional<Record> kept = selectedRecord();
    QAbstractItemModel* model = list_;
    try {
        if (ui->UnitButton->isChecked()) {
            LocomotiveNumber unit = normaliseLocomotiveNumber(ui->LocomotiveFilter->text().toStdString());
            if ((!unit.accepted() || unit.number.empty()) && kept)
                unit.number = kept->card.locomotive;
            if (unit.number.empty()) {
                ui->UnitButton->setChecked(false);
                showStoreState();
                ui->CountLabel->setText(QStringLiteral("Pilih satu catatan, atau tulis nomor lokomotif, lalu tekan "
                                                       "\"Per lokomotif\"."));
            } else {
                if (ui->LocomotiveFilter->text() != qt(unit.number)) {
                    const QSignalBlocker quiet(ui->LocomotiveFilter);
                    ui->LocomotiveFilter->setText(qt(unit.number));
                }
                unit_->setEntries(store_.unitHistory(unit.number));
                model = unit_;
                int repeats = 0;
                for (int row = 0; row < unit_->rowCount(); ++row)
                    repeats += !unit_->repeatNoteAt(row).isEmpty();
                ui->CountLabel->setText(QStringLiteral("Riwayat %1: %2 catatan urut waktu, %3 berulang")
                                            .arg(qt(unit.number))
                                            .arg(unit_->rowCount())
                                            .arg(repeats));
            }
        }
        if (model == list_) {
            QStringList unread;
            list_->setFilter(filter(&unread));
            ui->CountLabel->setText(
                QStringLiteral("%1 catatan%2%3")
                    .arg(list_->rowCount())
                    .arg(
                        list_->canFetchMore({}) ? QStringLiteral(", yang lebih lama menyusul saat digulir") : QString())
                    .arg(unread.isEmpty() ? QString()
                                          : QStringLiteral("; tanggal \"%1\" tidak terbaca (hh-bb-tttt)")
                                                .arg(unread.join(QStringLiteral("\", \"")))));
        }
    } catch (const loco::Error& error) {
        showStoreState();
        ui->StoreProblem->setText(QString::fromUtf8(error.what()));
        ui->StoreProblem->show();
        return;
    }
    if (ui->RecordTable->model() != model)
        showModel(model);
    selectRecord(kept ? kept->number : 0);
}

void HistoryWindow::showModel(QAbstractItemModel* model)
{
    QItemSelectionModel* old = ui->RecordTable->selectionModel();
    ui->RecordTable->setModel(model);
    delete old;
    const bool unit = model == unit_;
    for (int column = 0; column < RecordListModel::Status; ++column)
        ui->RecordTable->setColumnWidth(column, unit ? kUnitWidths[column] : kListWidths[column]);
    ui->RecordTable->setColumnHidden(RecordListModel::Locomotive, unit);
    ui->RecordTable->setWordWrap(unit);
    const int line = ui->RecordTable->fontMetrics().height();
    ui->RecordTable->verticalHeader()->setDefaultSectionSize((unit ? 2 * line : line) + 8);
    if (unit) {
        ui->RecordTable->setColumnWidth(UnitHistoryModel::Repeat, kRepeatWidth);
        ui->RecordTable->horizontalHeader()->moveSection(UnitHistoryModel::Repeat, 1);
    }
    connect(ui->RecordTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this] { loco::runGuarded([this] { showDetail(); }); });
}

RecordFilter HistoryWindow::filter(QStringList* unread)
{
    QStringList unreadDates;
    RecordFilter matching{.locomotive = ui->LocomotiveFilter->text().toStdString(),
        .fromMs = dayStart(ui->FromDate, 0, unreadDates),
        .untilMs = dayStart(ui->UntilDate, 1, unreadDates),
        .text = ui->TextFilter->text().toStdString()};
    if (unread)
        *unread = unreadDates;
    if (const int kind = ui->KindFilter->currentIndex(); kind > 0)
        matching.kind = RecordKind(kind - 1);
    if (const int status = ui->StatusFilter->currentIndex(); status > 0)
        matching.status = WorkStatus(status - 1);
    return matching;
}

// The record of the current row, in full; nothing without one.
std::optional<Record> HistoryWindow::selectedRecord()
{
    const QModelIndex current = ui->RecordTable->currentIndex();
    if (!current.isValid())
        return std::nullopt;
    const Record& row = unitShown() ? unit_->recordAt(current.row()) : list_->recordAt(current.row());
    return store_.record(row.number);
}

// The row of that record, else the first row.
void HistoryWindow::selectRecord(std::int64_t number)
{
    QAbstractItemModel* model = ui->RecordTable->model();
    int row = 0;
    for (int r = 0; r < model->rowCount(); ++r) {
        const Record& record = unitShown() ? unit_->recordAt(r) : list_->recordAt(r);
        if (record.number == number) {
            row = r;
            break;
        }
    }
    if (model->rowCount() > 0)
        ui->RecordTable->setCurrentIndex(model->index(row, 0));
    showDetail();
}

void HistoryWindow::showDetail()
{
    const QModelIndex current = ui->RecordTable->currentIndex();
    const std::optional<Record> record = selectedRecord();
    ui->RecordDetail->setPlainText(record
            ? recordText(*record, unitShown() ? unit_->repeatNoteAt(current.row()) : QString())
            : QStringLiteral("Tidak ada catatan yang cocok."));
    ui->ReprintButton->setEnabled(record.has_value());
    ui->ReprintPdfButton->setEnabled(record.has_value());
}
