#include "shell/UAWAL_MENU1.h"
#include "shell/builtin_data.h"
#include "shell/identity.h"
#include "shell/window_refs.h"
#include "shell/window_registry.h"
#include "toolkit/application.h"
#include "toolkit/error_box.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>

int main(int argc, char* argv[])
{
    // The program's one option of its own: it is started from the desktop.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::fputs("lokomotif " LOKO_VERSION "\n", stdout);
        return EXIT_SUCCESS;
    }
    // The windows open where they are defined and are raised and restored on
    // request, which native Wayland leaves to the compositor: XWayland first.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    QApplication app(argc, argv);
    // Broken built-in data can only come from a broken build; it ends the
    // program before the login window rather than leaving a system empty.
    try {
        loco::setUpIdentity();
        loco::setUpApplication(app);
        loco::loadBuiltinData();
        loco::createWindows();
        awal_menu->show();
        const int code = app.exec();
        loco::destroyWindows();
        return code;
    } catch (const std::exception& error) {
        loco::reportError(QString::fromUtf8(error.what()));
    } catch (...) {
        loco::reportError(QStringLiteral("The program failed to start"));
    }
    loco::destroyWindows();
    return EXIT_FAILURE;
}
