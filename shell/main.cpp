#include "shell/builtin_data.h"
#include "shell/display.h"
#include "shell/identity.h"
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
    loco::lookForDisplay();
    QApplication app(argc, argv);
    if (!loco::foundDisplay())
        return EXIT_FAILURE;
    // Broken built-in data can only come from a broken build; it ends the
    // program before the login window rather than leaving a system empty.
    try {
        loco::setUpIdentity();
        loco::setUpApplication(app);
        loco::loadBuiltinData();
        loco::createWindows();
        loco::showLoginWindow();
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
