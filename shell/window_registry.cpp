#include "shell/window_registry.h"

#include "calculators/UMENU_DM.h"
#include "calculators/UMENU_Gayrem.h"
#include "calculators/UMENU_UR.h"
#include "calculators/Udialog1.h"
#include "diagnosis/UMENU_DIAGNO.h"
#include "diagnosis/diagnosis_companion.h"
#include "records/HistoryWindow.h"
#include "records/record_commands.h"
#include "schedule/core/unit_schedule.h"
#include "schedule/maintenance_schedule_window.h"
#include "shell/UAWAL_MENU1.h"
#include "shell/Uinfo.h"
#include "shell/Umenu1.h"
#include "shell/builtin_data.h"
#include "shell/window_refs.h"
#include "tutorials/UMENU_PM.h"
#include "tutorials/UMENU_TUNEUP.h"

#include <memory>
#include <optional>

namespace loco {
namespace {

// The windows made on first use, in the order they were made.
QList<FormWindow*>& laterWindows()
{
    static QList<FormWindow*> windows;
    return windows;
}

// The diagnosis window's companion, made the first time it is opened.
std::unique_ptr<WindowOnFirstUse<DiagnosisCompanion>>& companion()
{
    static std::unique_ptr<WindowOnFirstUse<DiagnosisCompanion>> made;
    return made;
}

// The procedures that the diagnosis links to, in their windows.
ProcedureOpener procedureOpener(const BuiltinData& data)
{
    return {[&data](const ProcedureRef& procedure) {
                if (procedure.kind == ProcedureRef::Kind::Maintenance)
                    return QStringLiteral("Perawatan – ")
                        + QString::fromStdString(data.maintenance.at(procedure.number).title);
                return QStringLiteral("Tune-up – ") + TUNEUP->tutorialName(data.tuneup.at(procedure.number).choice);
            },
        [&data](const ProcedureRef& procedure) {
            if (procedure.kind == ProcedureRef::Kind::Maintenance)
                PM->showProcedure(procedure.number);
            else
                TUNEUP->showTutorial(data.tuneup.at(procedure.number).choice);
        }};
}

// "Riwayat perbaikan", from the main menu and every tool window.
std::optional<WindowOnFirstUse<HistoryWindow>>& historyWindow()
{
    static std::optional<WindowOnFirstUse<HistoryWindow>> window;
    return window;
}

// "Jadwal perawatan", from the history window and every tool window.
std::optional<WindowOnFirstUse<MaintenanceScheduleWindow>>& scheduleWindow()
{
    static std::optional<WindowOnFirstUse<MaintenanceScheduleWindow>> window;
    return window;
}

} // namespace

void createWindows(const BuiltinData& data, records::RecordsStore& records, const std::function<void()>& mainWindowMade)
{
    scheduleWindow().emplace([&data, &records] { return new MaintenanceScheduleWindow(data.maintenance, records); });
    const auto showSchedule = [] { scheduleWindow()->get()->showModeless(); };
    historyWindow().emplace([&records, showSchedule] {
        auto* history = new HistoryWindow(records);
        history->setScheduleHook(showSchedule);
        return history;
    });
    const auto showHistory = [] { historyWindow()->get()->showRecords(); };
    using records::RecordKind;
    const ReportCommands::Command scheduleCommand{QStringLiteral("Jadwal perawatan…"),
        QKeySequence(Qt::CTRL | Qt::Key_J),
        [showSchedule](FormWindow*, const ReportCommands::Describe&) { showSchedule(); }};
    const auto recordCommands = [&](RecordKind kind, std::function<void(records::Record&)> complete = {}) {
        return records::recordCommands(records, kind, showHistory, std::move(complete)) << scheduleCommand;
    };
    // A procedure filed from the tutorial counts as all its tasks done.
    const auto procedureTasks
        = [&data](records::Record& draft) { draft.tasksDone = procedureDone(data.maintenance, PM->shownProcedure()); };
    awal_menu = new Tawal_menu;
    awal_menu->setMainWindow(true);
    if (mainWindowMade)
        mainWindowMade();
    info = new Tinfo;
    DIALOG1 = new TDIALOG1;
    menu1 = new Tmenu1(showHistory);
    DM = new TDM(recordCommands(RecordKind::Calculation));
    gayrem = new Tgayrem(recordCommands(RecordKind::Calculation));
    PM = new TPM(data.maintenance, recordCommands(RecordKind::Maintenance, procedureTasks));
    TUNEUP = new TTUNEUP(data.tuneup, recordCommands(RecordKind::TuneUp));
    umurrem = new Tumurrem(recordCommands(RecordKind::Calculation));
    // The companion files the diagnosis as the diagnosis window's Ctrl+R does.
    companion() = std::make_unique<WindowOnFirstUse<DiagnosisCompanion>>(
        [&data, commands = recordCommands(RecordKind::Diagnosis)] {
            return new DiagnosisCompanion(data.links, procedureOpener(data), *diagno, commands);
        });
    diagno = new Tdiagno(data.knowledge,
        {data.links, procedureOpener(data), [](bool search) { companion()->get()->showBeside(search); }},
        recordCommands(RecordKind::Diagnosis));
}

void showLoginWindow()
{
    awal_menu->showAndWaitUntilPainted();
    awal_menu->activateWindow();
}

QList<FormWindow*> windows()
{
    QList<FormWindow*> all;
    if (awal_menu)
        all = {awal_menu, info, DIALOG1, menu1, DM, gayrem, PM, TUNEUP, umurrem, diagno};
    return all + laterWindows();
}

void adoptWindow(FormWindow* window)
{
    laterWindows().append(window);
}

void destroyWindows()
{
    const QList<FormWindow*> all = windows();
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        // A shown window hides as it goes, after its own class is gone: the
        // field that loses the focus then must start no handler of it.
        for (QObject* control : (*it)->findChildren<QObject*>())
            control->blockSignals(true);
        delete *it;
    }
    laterWindows().clear();
    companion().reset();
    historyWindow().reset();
    scheduleWindow().reset();
    awal_menu = nullptr;
    info = nullptr;
    DIALOG1 = nullptr;
    menu1 = nullptr;
    DM = nullptr;
    gayrem = nullptr;
    PM = nullptr;
    TUNEUP = nullptr;
    umurrem = nullptr;
    diagno = nullptr;
}

} // namespace loco
