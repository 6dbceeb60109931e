#include "schedule/maintenance_schedule_window.h"

#include "records/core/locomotive_number.h"
#include "records/filing.h"
#include "schedule/core/due_text.h"
#include "schedule/core/unit_schedule.h"
#include "schedule/due_tree.h"
#include "schedule/work_order.h"
#include "toolkit/core/error.h"
#include "toolkit/handler_guard.h"
#include "toolkit/regional_settings.h"
#include "toolkit/report_commands.h"
#include "tutorials/core/maintenance_table.h"
#include "ui_maintenance_schedule_window.h"

#include <QCompleter>
#include <QDate>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

namespace {

using loco::Error;
using loco::records::RecordsStore;

QString qt(const std::string& text)
{
    return QString::fromStdString(text);
}

loco::Date today()
{
    const QDate date = QDate::currentDate();
    return std::chrono::year(date.year()) / std::chrono::month(unsigned(date.month()))
        / std::chrono::day(unsigned(date.day()));
}

// A figure as the user would type it: no groups, their decimal separator.
QString editText(double value)
{
    QString text = QString::number(value, 'f', 1);
    if (text.endsWith(QLatin1String(".0")))
        text.chop(2);
    return text.replace(QLatin1Char('.'), QLatin1Char(loco::decimalSeparator()));
}

// A typed figure, or nothing with the problem set.
std::optional<double> figureOf(const QLineEdit* edit, const char* name, std::string& problem)
{
    if (const auto value = loco::parseMeterFigure(edit->text().toStdString(), loco::decimalSeparator()))
        return value;
    if (problem.empty())
        problem = std::string(name) + " \"" + edit->text().trimmed().toStdString()
            + "\" bukan angka meter; tulis misalnya 12345" + loco::decimalSeparator() + "5.";
    return std::nullopt;
}

// "Perawatan menurut jadwal pada 1.030 jam, 50.000 km: 2. Air pendingin dan
// Filter, baris 3; ...", within what a job card holds.
std::string workDoneText(
    const std::vector<loco::DueTask>& rows, const loco::Reading& now, const loco::MaintenanceTable& table)
{
    std::string text = "Perawatan menurut jadwal pada " + loco::figureText(now.hours) + " jam, "
        + loco::figureText(now.km) + " km: ";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const loco::TaskId& task = rows[i].task;
        std::string item = std::to_string(task.entry) + ". " + table.at(task.entry).title + ", baris "
            + std::to_string(task.line) + (i + 1 < rows.size() ? "; " : ".");
        const std::string rest = "dan " + std::to_string(rows.size() - i) + " tugas lain.";
        if (loco::records::characterCount(text + item + rest) > loco::records::kMaxNotesLength)
            return text + rest;
        text += item;
    }
    return text;
}

bool readable(RecordsStore& store)
{
    const RecordsStore::State state = store.state();
    return state == RecordsStore::State::Writable || state == RecordsStore::State::ReadOnly;
}

} // namespace

using loco::connectHandler;

MaintenanceScheduleWindow::MaintenanceScheduleWindow(
    const loco::MaintenanceTable& table, RecordsStore& store, QWidget* parent)
    : FormWindow(parent), table_(table), store_(store), ui(std::make_unique<Ui::MaintenanceScheduleWindow>())
{
    ui->setupUi(content());
    finishDefinition();
    // Numbers already in the records are offered as the user types.
    auto* completer = new QCompleter(ui->locomotive->model(), ui->locomotive);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    ui->locomotive->setCompleter(completer);
    // A meter ticked as swapped leads on to its old figure.
    placeInTabOrderAfter(ui->hourMeterReplaced, ui->oldHours);
    placeInTabOrderAfter(ui->odometerReplaced, ui->oldKm);
    tree_ = std::make_unique<loco::DueTree>(ui->tasks, table_);
    refresh();

    connectHandler(ui->locomotive, &QComboBox::activated, this, &MaintenanceScheduleWindow::locomotiveChosen);
    connectHandler(
        ui->locomotive->lineEdit(), &QLineEdit::editingFinished, this, &MaintenanceScheduleWindow::locomotiveChosen);
    for (QLineEdit* edit : {ui->hours, ui->km, ui->oldHours, ui->oldKm})
        connectHandler(edit, &QLineEdit::textEdited, this, &MaintenanceScheduleWindow::readingsEdited);
    connectHandler(
        ui->hourMeterReplaced, &QCheckBox::clicked, this, &MaintenanceScheduleWindow::hourMeterReplacedClick);
    connectHandler(ui->odometerReplaced, &QCheckBox::clicked, this, &MaintenanceScheduleWindow::odometerReplacedClick);
    connectHandler(ui->saveReadings, &QPushButton::clicked, this, &MaintenanceScheduleWindow::saveReadingsClick);
    connectHandler(ui->tasks, &QTreeWidget::currentItemChanged, this, &MaintenanceScheduleWindow::taskChosen);
    connectHandler(ui->notApplicable, &QCheckBox::clicked, this, &MaintenanceScheduleWindow::notApplicableClick);
    connectHandler(
        ui->depotInterval, &QLineEdit::returnPressed, this, &MaintenanceScheduleWindow::applyDepotIntervalClick);
    connectHandler(
        ui->applyDepotInterval, &QPushButton::clicked, this, &MaintenanceScheduleWindow::applyDepotIntervalClick);
    connectHandler(ui->printWorkOrder, &QPushButton::clicked, this, &MaintenanceScheduleWindow::printWorkOrderClick);
    connectHandler(ui->saveWorkOrder, &QPushButton::clicked, this, &MaintenanceScheduleWindow::saveWorkOrderClick);
    connectHandler(ui->markDone, &QPushButton::clicked, this, &MaintenanceScheduleWindow::markDoneClick);
    connectHandler(ui->closeButton, &QPushButton::clicked, this, &MaintenanceScheduleWindow::closeButtonClick);
    reports_ = new loco::ReportCommands(this, [this] { return workOrder(); });
}

MaintenanceScheduleWindow::~MaintenanceScheduleWindow() = default;

// Each showing offers the numbers filed since, and today's date.
void MaintenanceScheduleWindow::showEvent(QShowEvent* event)
{
    ui->today->setText(QStringLiteral("Tanggal: ") + qt(loco::dateText(today())));
    if (readable(store_)) {
        loco::runGuarded([this] {
            const QString typed = ui->locomotive->currentText();
            ui->locomotive->clear();
            for (const std::string& number : store_.knownLocomotives())
                ui->locomotive->addItem(qt(number));
            ui->locomotive->setCurrentIndex(-1);
            ui->locomotive->setEditText(typed);
        });
    }
    FormWindow::showEvent(event);
}

void MaintenanceScheduleWindow::locomotiveChosen()
{
    const loco::records::LocomotiveNumber number
        = loco::records::normaliseLocomotiveNumber(ui->locomotive->currentText().toStdString());
    if (!number.accepted() && !ui->locomotive->currentText().trimmed().isEmpty()) {
        ui->locomotiveProblem->setText(qt(number.refusal));
        ui->locomotive->lineEdit()->setAccessibleDescription(qt(number.refusal));
        return;
    }
    ui->locomotiveProblem->clear();
    ui->locomotive->lineEdit()->setAccessibleDescription({});
    ui->locomotive->setEditText(qt(number.number));
    if (number.number == unit_)
        return;
    unit_ = number.number;
    loadUnit();
}

void MaintenanceScheduleWindow::loadUnit()
{
    stored_ = {};
    if (!unit_.empty() && readable(store_))
        stored_ = store_.schedule(unit_);
    const bool known = !stored_.readings.empty();
    ui->hours->setText(known ? editText(stored_.readings.back().reading.hours) : QString());
    ui->km->setText(known ? editText(stored_.readings.back().reading.km) : QString());
    ui->hourMeterReplaced->setChecked(false);
    ui->odometerReplaced->setChecked(false);
    hourMeterReplacedClick();
    odometerReplacedClick();
}

void MaintenanceScheduleWindow::readingsEdited()
{
    refresh();
}

void MaintenanceScheduleWindow::hourMeterReplacedClick()
{
    ui->oldHours->setEnabled(ui->hourMeterReplaced->isChecked());
    if (!ui->hourMeterReplaced->isChecked())
        ui->oldHours->clear();
    refresh();
}

void MaintenanceScheduleWindow::odometerReplacedClick()
{
    ui->oldKm->setEnabled(ui->odometerReplaced->isChecked());
    if (!ui->odometerReplaced->isChecked())
        ui->oldKm->clear();
    refresh();
}

std::optional<loco::TypedReading> MaintenanceScheduleWindow::typedReading(std::string& problem) const
{
    const bool noHours = ui->hours->text().trimmed().isEmpty();
    const bool noKm = ui->km->text().trimmed().isEmpty();
    if (noHours && noKm)
        return std::nullopt;
    if (noHours || noKm) {
        problem = "Isi jam mesin (HM) dan kilometer hari ini, keduanya.";
        return std::nullopt;
    }
    loco::TypedReading typed{today()};
    typed.hours = figureOf(ui->hours, "Jam mesin (HM)", problem).value_or(0);
    typed.km = figureOf(ui->km, "Kilometer", problem).value_or(0);
    typed.hourMeterReplaced = ui->hourMeterReplaced->isChecked();
    typed.odometerReplaced = ui->odometerReplaced->isChecked();
    if (typed.hourMeterReplaced && !ui->oldHours->text().trimmed().isEmpty())
        typed.oldHourMeterLast = figureOf(ui->oldHours, "Angka terakhir meter jam lama", problem);
    if (typed.odometerReplaced && !ui->oldKm->text().trimmed().isEmpty())
        typed.oldOdometerLast = figureOf(ui->oldKm, "Angka terakhir odometer lama", problem);
    if (!problem.empty())
        return std::nullopt;
    return typed;
}

void MaintenanceScheduleWindow::refresh()
{
    if (unit_.empty()) {
        list_.reset();
        tree_->show(nullptr, {}, {});
        taskChosen();
        showNote(QStringLiteral("Ketik atau pilih nomor lokomotif."), false);
        return;
    }
    std::string problem;
    const auto typed = typedReading(problem);
    if (!problem.empty()) {
        showNote(qt(problem), true);
        return;
    }
    std::vector<loco::MeterReading> readings = stored_.readings;
    if (typed) {
        const auto todays = loco::readingsToStore(*typed);
        readings.insert(readings.end(), todays.begin(), todays.end());
    }
    if (readings.empty()) {
        list_.reset();
        tree_->show(nullptr, {}, {});
        taskChosen();
        showNote(QStringLiteral("Isi jam mesin (HM) dan kilometer hari ini untuk menghitung jadwal."), false);
        return;
    }
    loco::MeterHistory history;
    try {
        for (const loco::MeterReading& reading : readings)
            history.add(reading);
    } catch (const Error& refused) {
        showNote(qt(refused.what()), true);
        return;
    }
    unitTasks_ = loco::currentTasks(table_, readings, stored_.completions, stored_.settings);
    list_ = loco::dueList(table_.tasks(), history, unitTasks_.completions, unitTasks_.settings);
    now_ = history.latest();
    tree_->show(&*list_, now_, unitTasks_.textChanged);
    taskChosen();
    if (!readable(store_)) {
        showNote(QStringLiteral("Riwayat perbaikan tidak tersedia: ") + qt(store_.why()), true);
    } else if (stored_.readings.empty()) {
        showNote(QStringLiteral("Belum ada pembacaan tersimpan untuk unit ini."), false);
    } else {
        const loco::Reading& last = stored_.readings.back().reading;
        showNote(
            QStringLiteral("Pembacaan tersimpan terakhir: %1, %2 jam, %3 km.")
                .arg(qt(loco::dateText(last.date)), qt(loco::figureText(last.hours)), qt(loco::figureText(last.km))),
            false);
    }
}

// A problem with the readings is also told to screen readers in the fields.
void MaintenanceScheduleWindow::showNote(const QString& text, bool problem)
{
    ui->readingsNote->setText(text);
    ui->readingsNote->setStyleSheet(problem ? QStringLiteral("color: maroon") : QString());
    for (QLineEdit* edit : {ui->hours, ui->km})
        edit->setAccessibleDescription(problem ? text : QString());
}

void MaintenanceScheduleWindow::saveReadingsClick()
{
    if (unit_.empty())
        throw Error("Ketik atau pilih dahulu nomor lokomotif.");
    std::string problem;
    const auto typed = typedReading(problem);
    if (!typed)
        throw Error(problem.empty() ? "Isi jam mesin (HM) dan kilometer hari ini." : problem);
    store_.addReadings(unit_, loco::readingsToStore(*typed));
    loadUnit();
}

void MaintenanceScheduleWindow::taskChosen()
{
    const auto task = tree_->currentTask();
    const int entry = tree_->currentEntry();
    ui->notApplicable->setEnabled(task.has_value());
    ui->depotInterval->setEnabled(task.has_value());
    ui->applyDepotInterval->setEnabled(task.has_value());
    if (entry == 0) {
        ui->taskLine->setText(QStringLiteral("Pilih satu tugas dari daftar."));
        ui->notApplicable->setChecked(false);
        ui->depotInterval->clear();
        return;
    }
    const loco::MaintenanceEntry& procedure = table_.at(entry);
    if (!task) {
        QStringList lines;
        for (const std::string& line : procedure.lines)
            lines << qt(line).trimmed();
        ui->taskLine->setText(QStringLiteral("%1. %2: %3").arg(entry).arg(qt(procedure.title), lines.join(u' ')));
        ui->notApplicable->setChecked(false);
        ui->depotInterval->clear();
        return;
    }
    ui->taskLine->setText(QStringLiteral("%1. %2, baris %3: %4")
                              .arg(entry)
                              .arg(qt(procedure.title))
                              .arg(task->line)
                              .arg(qt(procedure.lines[task->line - 1]).trimmed()));
    const auto& settings = unitTasks_.settings;
    const auto setting = std::find_if(settings.begin(), settings.end(), [&](const auto& s) { return s.task == *task; });
    const bool set = setting != settings.end();
    ui->notApplicable->setChecked(set && setting->notApplicable);
    ui->depotInterval->setText(
        set && setting->depotInterval ? qt(loco::intervalText(*setting->depotInterval)) : QString());
}

// Stores what the detail shows for the current task: whether it applies,
// and the depot interval typed (none when empty).
void MaintenanceScheduleWindow::storeSetting()
{
    const auto task = tree_->currentTask();
    if (!task || unit_.empty())
        return;
    const QString typed = ui->depotInterval->text().trimmed();
    std::optional<loco::Interval> depot;
    try {
        if (!typed.isEmpty())
            depot = loco::parseDepotInterval(typed.toStdString());
        store_.setTaskSetting(
            unit_, {{*task, ui->notApplicable->isChecked(), depot}, table_.at(task->entry).lines[task->line - 1]});
    } catch (const Error&) {
        // The tick goes back to what is stored; the typed interval stays to be mended.
        taskChosen();
        ui->depotInterval->setText(typed);
        throw;
    }
    stored_ = store_.schedule(unit_);
    refresh();
}

void MaintenanceScheduleWindow::notApplicableClick()
{
    storeSetting();
}

void MaintenanceScheduleWindow::applyDepotIntervalClick()
{
    storeSetting();
}

std::vector<loco::DueTask> MaintenanceScheduleWindow::tickedRows() const
{
    std::vector<loco::DueTask> rows;
    if (!list_)
        return rows;
    for (const loco::TaskId& task : tree_->tickedTasks()) {
        for (const auto* group : {&list_->tasks, &list_->dailyChecklist}) {
            const auto row
                = std::find_if(group->begin(), group->end(), [&](const loco::DueTask& r) { return r.task == task; });
            if (row != group->end())
                rows.push_back(*row);
        }
    }
    return rows;
}

loco::Report MaintenanceScheduleWindow::workOrder() const
{
    if (!list_)
        throw Error("Belum ada jadwal: ketik nomor lokomotif dan pembacaan meter hari ini.");
    const std::vector<loco::DueTask> rows = tickedRows();
    if (rows.empty())
        throw Error("Centang dahulu tugas yang masuk perintah kerja (kotak di awal barisnya).");
    return loco::workOrderReport(unit_, now_, rows, table_);
}

void MaintenanceScheduleWindow::printWorkOrderClick()
{
    reports_->print();
}

void MaintenanceScheduleWindow::saveWorkOrderClick()
{
    reports_->saveAsPdf();
}

// One record per ticked task, filed together with one job card and today's
// readings; the list then counts them as done.
void MaintenanceScheduleWindow::markDoneClick()
{
    if (!list_)
        throw Error("Belum ada jadwal: ketik nomor lokomotif dan pembacaan meter hari ini.");
    const std::vector<loco::DueTask> rows = tickedRows();
    if (rows.empty())
        throw Error("Centang dahulu tugas yang sudah dikerjakan (kotak di awal barisnya).");
    std::string problem;
    const auto typed = typedReading(problem);
    if (!problem.empty())
        throw Error(problem);
    std::vector<loco::records::Record> drafts;
    for (const loco::DueTask& row : rows) {
        drafts.push_back(loco::records::recordOf(
            loco::doneTaskReport(unit_, now_, row, table_), loco::records::RecordKind::Maintenance, objectName()));
        drafts.back().tasksDone = {loco::doneTask(table_, row.task)};
    }
    loco::records::JobCard prefill;
    prefill.locomotive = unit_;
    prefill.workDone = workDoneText(rows, now_, table_);
    const auto filed = loco::records::fileWithJobCard(
        this, store_, drafts, prefill, typed ? loco::readingsToStore(*typed) : std::vector<loco::MeterReading>{});
    if (filed.empty())
        return;
    tree_->clearTicks();
    loadUnit();
}

void MaintenanceScheduleWindow::closeButtonClick()
{
    close();
}
