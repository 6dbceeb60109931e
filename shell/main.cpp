#include "shell/UAWAL_MENU1.h"
#include "shell/builtin_data.h"
#include "shell/identity.h"
#include "shell/window_refs.h"
#include "shell/window_registry.h"
#include "toolkit/application.h"
#include "toolkit/error_box.h"

#include <QApplication>

#include <cstdlib>
#include <exception>

int main(int argc, char* argv[])
{
    // The windows open where they are defined and are raised and restored on
    // request, which native Wayland leaves to the compositor: XWayland first.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    QApplication app(argc, argv);
    // Broken built-in data can only come from a broken build; it ends the
    // program before the login window rather than leaving a system empty.
    QString failure;
    try {
        loco::setUpIdentity();
        loco::setUpApplication(app);
        const loco::BuiltinData data = loco::loadBuiltinData();
        // The login window is on the screen while the other nine are made;
        // no input is handled before all ten exist.
        loco::createWindows(data, [] { awal_menu->showAndWaitUntilPainted(); });
        const int code = app.exec();
        loco::destroyWindows();
        return code;
    } catch (const std::exception& error) {
        failure = QString::fromUtf8(error.what());
    } catch (...) {
        failure = QStringLiteral("The program failed to start");
    }
    // The windows go before the box: the data they were handed is gone.
    loco::destroyWindows();
    loco::reportError(failure);
    return EXIT_FAILURE;
}
