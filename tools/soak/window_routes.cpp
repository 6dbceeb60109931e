#include "tools/soak/window_routes.h"

#include "calculators/UMENU_DM.h"
#include "calculators/UMENU_Gayrem.h"
#include "calculators/UMENU_UR.h"
#include "calculators/Udialog1.h"
#include "diagnosis/UMENU_DIAGNO.h"
#include "shell/UAWAL_MENU1.h"
#include "shell/Uinfo.h"
#include "shell/Umenu1.h"
#include "shell/window_refs.h"
#include "tools/soak/user_actions.h"
#include "tutorials/UMENU_PM.h"
#include "tutorials/UMENU_TUNEUP.h"

#include <QString>

namespace loco::soak {
namespace {

bool press(FormWindow* window, const char* control)
{
    QWidget* found = window->findChild<QWidget*>(QString::fromLatin1(control));
    return found && clickOn(found);
}

// Clicks into an entry and replaces its text by typing.
bool fillIn(FormWindow* window, const char* entry, const QString& text)
{
    if (!press(window, entry))
        return false;
    QWidget* focused = window->focusWidget();
    if (!focused || focused->objectName() != QLatin1String(entry))
        return false;
    forgetUndoHistory(focused);
    clearEntry(focused);
    type(focused, text);
    return true;
}

void logIn()
{
    if (fillIn(awal_menu, "Edit1", QStringLiteral("bOlt gerbong")))
        press(awal_menu, "Panel2");
}

// The main menu's button for each tool window.
const char* menuButtonFor(const FormWindow* window)
{
    if (window == diagno)
        return "SpeedButton4";
    if (window == PM)
        return "SpeedButton3";
    if (window == TUNEUP)
        return "SpeedButton2";
    if (window == umurrem)
        return "SpeedButton6";
    if (window == DM)
        return "SpeedButton7";
    return nullptr;
}

bool ensureOpen(FormWindow* window)
{
    return window->isVisible() || openThroughButtons(window);
}

} // namespace

bool openThroughButtons(FormWindow* window)
{
    if (window == menu1) {
        logIn();
    } else if (window == info) {
        press(awal_menu, "Label2");
    } else if (window == gayrem) {
        if (ensureOpen(umurrem))
            press(umurrem, "CheckBox2");
    } else if (window == DIALOG1) {
        if (ensureOpen(umurrem) && fillIn(umurrem, "Edit4", QStringLiteral("1")))
            fillIn(umurrem, "Edit5", QStringLiteral("1"));
    } else if (const char* button = menuButtonFor(window)) {
        if (ensureOpen(menu1))
            press(menu1, button);
    }
    return window->isVisible();
}

} // namespace loco::soak
