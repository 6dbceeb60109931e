#include "shell/window_registry.h"

#include "calculators/UMENU_DM.h"
#include "calculators/UMENU_Gayrem.h"
#include "calculators/UMENU_UR.h"
#include "calculators/Udialog1.h"
#include "diagnosis/UMENU_DIAGNO.h"
#include "records/HistoryWindow.h"
#include "records/record_commands.h"
#include "shell/UAWAL_MENU1.h"
#include "shell/Uinfo.h"
#include "shell/Umenu1.h"
#include "shell/builtin_data.h"
#include "shell/window_refs.h"
#include "tutorials/UMENU_PM.h"
#include "tutorials/UMENU_TUNEUP.h"

#include <optional>

namespace loco {
namespace {

// The windows made on first use, in the order they were made.
QList<FormWindow*>& laterWindows()
{
    static QList<FormWindow*> windows;
    return windows;
}

// "Riwayat perbaikan", from the main menu and every tool window.
std::optional<WindowOnFirstUse<HistoryWindow>>& historyWindow()
{
    static std::optional<WindowOnFirstUse<HistoryWindow>> window;
    return window;
}

} // namespace

void createWindows(const BuiltinData& data, records::RecordsStore& records, const std::function<void()>& mainWindowMade)
{
    historyWindow().emplace([&records] { return new HistoryWindow(records); });
    const auto showHistory = [] { historyWindow()->get()->showRecords(); };
    using records::RecordKind;
    const auto recordCommands = [&](RecordKind kind) { return records::recordCommands(records, kind, showHistory); };
    awal_menu = new Tawal_menu;
    awal_menu->setMainWindow(true);
    if (mainWindowMade)
        mainWindowMade();
    info = new Tinfo;
    DIALOG1 = new TDIALOG1;
    menu1 = new Tmenu1(showHistory);
    DM = new TDM(recordCommands(RecordKind::Calculation));
    gayrem = new Tgayrem(recordCommands(RecordKind::Calculation));
    PM = new TPM(data.maintenance, recordCommands(RecordKind::Maintenance));
    TUNEUP = new TTUNEUP(data.tuneup, recordCommands(RecordKind::TuneUp));
    umurrem = new Tumurrem(recordCommands(RecordKind::Calculation));
    diagno = new Tdiagno(data.knowledge, recordCommands(RecordKind::Diagnosis));
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
    for (auto it = all.rbegin(); it != all.rend(); ++it)
        delete *it;
    laterWindows().clear();
    historyWindow().reset();
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
