#include "shell/UAWAL_MENU1.h"
#include "shell/identity.h"
#include "shell/window_refs.h"
#include "shell/window_registry.h"
#include "toolkit/application.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // The windows open where they are defined and are raised and restored on
    // request, which native Wayland leaves to the compositor: XWayland first.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    QApplication app(argc, argv);
    loco::setUpIdentity();
    loco::setUpApplication(app);
    loco::createWindows();
    awal_menu->show();
    const int code = app.exec();
    loco::destroyWindows();
    return code;
}
