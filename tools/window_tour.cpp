// lokomotif-tour OUTDIR: builds the program's windows offscreen and writes a
// picture of each into OUTDIR, named after the window, plus a few states,
// the picture viewer and the first page of a few reports (through pdftoppm).

#include "calculators/UMENU_DM.h"
#include "calculators/UMENU_Gayrem.h"
#include "calculators/UMENU_UR.h"
#include "calculators/Udialog1.h"
#include "diagnosis/UMENU_DIAGNO.h"
#include "diagnosis/diagnosis_companion.h"
#include "records/HistoryWindow.h"
#include "records/JobCardDialog.h"
#include "records/job_card.h"
#include "records/store/records_store.h"
#include "schedule/core/unit_schedule.h"
#include "schedule/maintenance_schedule_window.h"
#include "shell/UAWAL_MENU1.h"
#include "shell/Umenu1.h"
#include "shell/builtin_data.h"
#include "shell/window_refs.h"
#include "shell/window_registry.h"
#include "toolkit/application.h"
#include "toolkit/core/error.h"
#include "toolkit/dialogs.h"
#include "toolkit/error_box.h"
#include "toolkit/form_window.h"
#include "toolkit/picture.h"
#include "toolkit/radio_group.h"
#include "toolkit/regional_settings.h"
#include "tutorials/UMENU_PM.h"
#include "tutorials/UMENU_TUNEUP.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QShortcut>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTreeWidget>

#include <algorithm>
#include <optional>

namespace {

// Clicks a button or choice of a window by name, as the user would.
void press(QWidget* window, const char* name)
{
    if (auto* button = window->findChild<QAbstractButton*>(QString::fromLatin1(name)))
        button->click();
    else
        QTextStream(stderr) << "no button " << name << " in " << window->objectName() << '\n';
}

bool save(QWidget* window, const QString& folder, const QString& name)
{
    window->show();
    QCoreApplication::processEvents();
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    if (!window->grab().save(path)) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    QTextStream(stdout) << path << '\n';
    return true;
}

// Runs the window's command bound to the keys, as pressing them does.
void pressKeys(QWidget* window, const QKeySequence& keys)
{
    for (QAction* action : window->actions())
        if (action->shortcut() == keys)
            action->trigger();
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->shortcut() == keys && button->isVisible())
            button->click();
}

// Saves the window's report through its Ctrl+S command, then pictures its
// first page.
bool saveReport(FormWindow* window, const QString& folder, const QString& name)
{
    const QString pdf = QDir(folder).filePath(name + QStringLiteral(".pdf"));
    const loco::SaveFileNameAsker previous
        = loco::setSaveFileNameAsker([&pdf](QWidget*, const QString&) { return pdf; });
    pressKeys(window, QKeySequence::Save);
    loco::setSaveFileNameAsker(previous);
    const QString png = QDir(folder).filePath(name);
    if (QProcess::execute(QStringLiteral("pdftoppm"),
            {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-singlefile"), pdf,
                png})
        != 0) {
        QTextStream(stderr) << "pdftoppm could not picture " << pdf << '\n';
        return false;
    }
    QTextStream(stdout) << png << ".png\n";
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    const QString argument = argc == 2 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (argument == QLatin1String("--version")) {
        QTextStream(stdout) << "lokomotif-tour " LOKO_VERSION "\n";
        return 0;
    }
    if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
        QTextStream(stdout) << "usage: lokomotif-tour OUTDIR\n\n"
                               "Builds the windows of lokomotif without a display and writes a PNG picture of each\n"
                               "into OUTDIR (made when missing), with a few states along a typical use, the picture\n"
                               "viewer and the first page of the reports (through pdftoppm). Prints the path of\n"
                               "every picture. Exit code 0 when all were written, 1 when one failed, 2 for wrong\n"
                               "arguments. 'lokomotif-tour --version' prints the version.\n";
        return 0;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2 || argument.startsWith(QLatin1Char('-'))) {
        QTextStream(stderr) << "usage: lokomotif-tour OUTDIR ('lokomotif-tour --help' says more)\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        QTextStream(stderr) << "cannot create " << folder << '\n';
        return 1;
    }
    loco::setUpApplication(app);
    // The pictures show the windows as an Indonesian desktop has them.
    loco::setDecimalSeparator(',');
    bool ok = true;
    // Nobody is there to close an error box: report it and fail instead.
    loco::setErrorReporter([&ok](const QString&, const QString& text) {
        QTextStream(stderr) << "error box: " << text << '\n';
        ok = false;
    });
    std::optional<loco::BuiltinData> data;
    try {
        data = loco::loadBuiltinData();
    } catch (const loco::Error& error) {
        QTextStream(stderr) << error.what() << '\n';
        return 1;
    }
    // Records of the tour's own work, filed as a user files them, in a store
    // that goes with the tour.
    QTemporaryDir recordsFolder;
    loco::records::RecordsStore records(loco::records::RecordsConfig{
        .database = recordsFolder.filePath(QStringLiteral("records.sqlite")).toStdString(), .defaultDatabase = false});
    loco::records::JobCard card{"CC 201 89 08", "Dipo Sidotopo", "Budi Santoso", "Sari Wulandari",
        "Saringan bahan bakar diganti, sistem dibuang udaranya.", "", loco::records::WorkStatus::Done};
    loco::records::setJobCardAsker([&card](QWidget*, const loco::records::JobCardRequest&) {
        return std::optional(loco::records::JobCardAnswer{card});
    });
    loco::createWindows(*data, records);

    for (FormWindow* window : loco::windows())
        ok = save(window, folder, window->objectName()) && ok;

    awal_menu->Label3Click();
    ok = save(awal_menu, folder, QStringLiteral("awal_menu_help")) && ok;

    // A flat button under the mouse and pressed: its caption on the face it paints then.
    if (auto* button = menu1->findChild<QAbstractButton*>(QStringLiteral("SpeedButton4"))) {
        button->setAttribute(Qt::WA_UnderMouse, true);
        ok = save(menu1, folder, QStringLiteral("menu1_under_mouse")) && ok;
        button->setDown(true);
        ok = save(menu1, folder, QStringLiteral("menu1_pressed")) && ok;
        button->setDown(false);
        button->setAttribute(Qt::WA_UnderMouse, false);
    }

    // A few states of the tool windows along a typical use.
    press(diagno, "RadioGroup1_item3");
    ok = save(diagno, folder, QStringLiteral("diagno_system_chosen")) && ok;
    press(diagno, "BitBtn8");
    ok = save(diagno, folder, QStringLiteral("diagno_questioning")) && ok;
    press(diagno, "BITBTN2");
    press(diagno, "BITBTN1");
    ok = save(diagno, folder, QStringLiteral("diagno_concluded")) && ok;
    ok = saveReport(diagno, folder, QStringLiteral("report_diagno")) && ok;
    pressKeys(diagno, QKeySequence(Qt::CTRL | Qt::Key_R));

    // The companion beside it, as F2 opens it: an engine diagnosis under
    // way, searched, and concluded with its procedures.
    press(diagno, "BitBtn7");
    press(diagno, "RadioGroup1_item0");
    press(diagno, "BitBtn8");
    for (const char* answer : {"BITBTN2", "BITBTN2", "BITBTN1"})
        press(diagno, answer);
    for (QShortcut* shortcut : diagno->findChildren<QShortcut*>())
        if (shortcut->key() == QKeySequence(Qt::Key_F2))
            emit shortcut->activated();
    FormWindow* companion = loco::windows().constLast();
    ok = save(companion, folder, QStringLiteral("jejak")) && ok;
    auto* search = companion->findChild<QLineEdit*>(QStringLiteral("SearchField"));
    auto* results = companion->findChild<QTreeWidget*>(QStringLiteral("SearchResults"));
    if (search && results) {
        search->setText(QStringLiteral("setelan governor"));
        ok = save(companion, folder, QStringLiteral("jejak_search")) && ok;
        // The best result chosen: the diagnosis brought there, the dialogue
        // under way replaced without asking.
        results->setCurrentItem(results->topLevelItem(0)->child(0));
        const loco::QuestionAsker asker = loco::setQuestionAsker([](QWidget*, const QString&) { return true; });
        static_cast<DiagnosisCompanion*>(companion)->SearchResultsActivate();
        loco::setQuestionAsker(asker);
        search->clear();
        ok = save(companion, folder, QStringLiteral("jejak_concluded")) && ok;
    } else {
        ok = false;
    }

    press(PM, "RadioButton1");
    press(PM, "BitBtn1");
    ok = save(PM, folder, QStringLiteral("PM_procedure")) && ok;
    card.locomotive = "CC 203 95 01";
    card.workDone = "Oli diganti, saringan oli diganti.";
    card.status = loco::records::WorkStatus::FollowUp;
    pressKeys(PM, QKeySequence(Qt::CTRL | Qt::Key_R));

    press(TUNEUP, "BitBtn1");
    press(TUNEUP, "RadioGroup1_item0");
    press(TUNEUP, "SpeedButton2");
    ok = save(TUNEUP, folder, QStringLiteral("TUNEUP_tutorial")) && ok;
    ok = saveReport(TUNEUP, folder, QStringLiteral("report_TUNEUP")) && ok;
    if (auto* picture = TUNEUP->findChild<Picture*>(QStringLiteral("Image3")))
        picture->click();
    if (auto* viewer = TUNEUP->findChild<QWidget*>(QStringLiteral("pictureViewer")))
        ok = save(viewer, folder, QStringLiteral("picture_viewer")) && ok;
    else
        ok = false;

    press(DM, "Button1");
    ok = save(DM, folder, QStringLiteral("DM_computed")) && ok;
    ok = saveReport(DM, folder, QStringLiteral("report_DM")) && ok;
    card.locomotive = "CC 201 89 08";
    card.workDone.clear();
    card.status = loco::records::WorkStatus::Done;
    pressKeys(DM, QKeySequence(Qt::CTRL | Qt::Key_R));
    // Bore and stroke in millimetres: results wider than their fields.
    for (const auto& [name, text] : {std::pair("edit11", "228,6"), std::pair("edit12", "266,7")})
        if (auto* entry = DM->findChild<QLineEdit*>(QString::fromLatin1(name)))
            entry->setText(QString::fromLatin1(text));
    press(DM, "Button1");
    ok = save(DM, folder, QStringLiteral("DM_long_values")) && ok;
    press(gayrem, "BitBtn1");
    ok = save(gayrem, folder, QStringLiteral("gayrem_computed")) && ok;
    press(umurrem, "Button1");
    ok = save(umurrem, folder, QStringLiteral("umurrem_computed")) && ok;
    if (auto* minimum = umurrem->findChild<QLineEdit*>(QStringLiteral("Edit5")))
        minimum->setText(QStringLiteral("60"));
    ok = save(DIALOG1, folder, QStringLiteral("DIALOG1_notice")) && ok;

    // The same fault on the same unit 12 and 120 days before the diagnosis filed above.
    if (const auto diagnosis = records.record(1)) {
        for (const int daysBefore : {120, 12}) {
            loco::records::Record earlier = *diagnosis;
            earlier.uuid.clear();
            earlier.filedAtMs -= std::int64_t(daysBefore) * 24 * 60 * 60 * 1000;
            records.file(earlier);
        }
    }
    press(menu1, "RecordsButton");
    for (FormWindow* window : loco::windows()) {
        if (auto* history = qobject_cast<HistoryWindow*>(window)) {
            ok = save(history, folder, QStringLiteral("riwayat")) && ok;
            ok = saveReport(history, folder, QStringLiteral("report_kartu_kerja")) && ok;
            press(history, "UnitButton");
            ok = save(history, folder, QStringLiteral("riwayat_per_lokomotif")) && ok;
        }
    }
    // Earlier work on the unit whose procedure was filed above, copied from
    // that record, so that the schedule shows every status.
    const loco::records::RecordPage maintenance
        = records.page({.locomotive = "CC 203 95 01", .kind = loco::records::RecordKind::Maintenance});
    if (!maintenance.records.empty()) {
        const loco::records::Record procedure = *records.record(maintenance.records.front().number);
        const auto fileDone = [&](int daysBefore, double hours, double km, std::vector<loco::TaskId> tasks) {
            std::vector<loco::records::Record> drafts;
            for (const loco::TaskId& task : tasks) {
                loco::records::Record done = procedure;
                done.uuid.clear();
                done.filedAtMs -= std::int64_t(daysBefore) * 24 * 60 * 60 * 1000;
                done.tasksDone = {loco::doneTask(data->maintenance, task)};
                drafts.push_back(done);
            }
            const QDate day = QDateTime::fromMSecsSinceEpoch(
                drafts.front().filedAtMs, Qt::OffsetFromUTC, procedure.utcOffsetMinutes * 60)
                                  .date();
            const loco::Date date = std::chrono::year(day.year()) / std::chrono::month(unsigned(day.month()))
                / std::chrono::day(unsigned(day.day()));
            records.file(drafts, {{{date, hours, km}}});
        };
        fileDone(300, 10000, 380000, {{2, 2}, {2, 3}, {6, 1}});
        fileDone(40, 12000, 398000, {{4, 1}, {3, 1}, {19, 1}});
    }
    // The schedule of that unit, opened from the history window: today's
    // meters, three tasks ticked for the work order, then an hour meter
    // typed lower than the one stored.
    for (FormWindow* window : loco::windows())
        if (auto* history = qobject_cast<HistoryWindow*>(window))
            press(history, "ScheduleButton");
    for (FormWindow* window : loco::windows()) {
        if (auto* schedule = qobject_cast<MaintenanceScheduleWindow*>(window)) {
            schedule->findChild<QComboBox*>(QStringLiteral("locomotive"))->setEditText(QStringLiteral("CC 203 95 01"));
            schedule->locomotiveChosen();
            schedule->findChild<QLineEdit*>(QStringLiteral("hours"))->setText(QStringLiteral("12480"));
            schedule->findChild<QLineEdit*>(QStringLiteral("km"))->setText(QStringLiteral("402315,5"));
            schedule->readingsEdited();
            press(schedule, "saveReadings");
            auto* tasks = schedule->findChild<QTreeWidget*>(QStringLiteral("tasks"));
            if (QTreeWidgetItem* urgent = tasks->topLevelItemCount() ? tasks->topLevelItem(0) : nullptr)
                for (int row = 0; row < std::min(3, urgent->childCount()); ++row) {
                    urgent->child(row)->setCheckState(0, Qt::Checked);
                    tasks->setCurrentItem(urgent->child(row));
                }
            ok = save(schedule, folder, QStringLiteral("jadwal_perawatan")) && ok;
            ok = saveReport(schedule, folder, QStringLiteral("report_perintah_kerja")) && ok;
            schedule->findChild<QLineEdit*>(QStringLiteral("hours"))->setText(QStringLiteral("1248"));
            schedule->readingsEdited();
            ok = save(schedule, folder, QStringLiteral("jadwal_perawatan_meter_mundur")) && ok;
        }
    }
    JobCardDialog jobCard(
        {QStringLiteral("Diagnosa – Sistem bahan bakar"), {"cc 201/89", "Dipo Sidotopo", "Budi Santoso"}, {}});
    press(&jobCard, "SaveButton");
    ok = save(&jobCard, folder, QStringLiteral("kartu_kerja")) && ok;
    loco::records::setJobCardAsker({});

    loco::destroyWindows();
    return ok ? 0 : 1;
}
