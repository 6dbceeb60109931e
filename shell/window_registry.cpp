#include "shell/window_registry.h"

#include "calculators/UMENU_DM.h"
#include "calculators/UMENU_Gayrem.h"
#include "calculators/UMENU_UR.h"
#include "calculators/Udialog1.h"
#include "diagnosis/UMENU_DIAGNO.h"
#include "shell/UAWAL_MENU1.h"
#include "shell/Uinfo.h"
#include "shell/Umenu1.h"
#include "shell/window_refs.h"
#include "tutorials/UMENU_PM.h"
#include "tutorials/UMENU_TUNEUP.h"

namespace loco {

void createWindows()
{
    awal_menu = new Tawal_menu;
    awal_menu->setMainWindow(true);
    info = new Tinfo;
    DIALOG1 = new TDIALOG1;
    menu1 = new Tmenu1;
    DM = new TDM;
    gayrem = new Tgayrem;
    PM = new TPM;
    TUNEUP = new TTUNEUP;
    umurrem = new Tumurrem;
    diagno = new Tdiagno;
}

void showLoginWindow()
{
    awal_menu->showModeless();
}

QList<FormWindow*> windows()
{
    if (!awal_menu)
        return {};
    return {awal_menu, info, DIALOG1, menu1, DM, gayrem, PM, TUNEUP, umurrem, diagno};
}

void destroyWindows()
{
    const QList<FormWindow*> all = windows();
    for (auto it = all.rbegin(); it != all.rend(); ++it)
        delete *it;
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
