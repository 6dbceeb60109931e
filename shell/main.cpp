#include "records/store/records_store.h"
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
#include <optional>

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
    QString failure;
    // Outlives the windows, which file into it; it opens on first use.
    std::optional<loco::records::RecordsStore> records;
    try {
        loco::setUpIdentity();
        loco::setUpApplication(app);
        const loco::BuiltinData data = loco::loadBuiltinData();
        records.emplace(loco::records::readRecordsConfig());
        // The login window is on the screen while the other nine are made;
        // no input is handled before all ten exist.
        loco::createWindows(data, *records, loco::showLoginWindow);
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
