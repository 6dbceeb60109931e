// The program's start-up as main() does it, up to the login window shown and
// painted, which is what a user waits for; then the rest of start-up and an
// immediate, orderly end.

#include "bench/bench_setup.h"
#include "bench/shown_clock.h"
#include "records/store/records_store.h"
#include "shell/UAWAL_MENU1.h"
#include "shell/builtin_data.h"
#include "shell/identity.h"
#include "shell/window_refs.h"
#include "shell/window_registry.h"
#include "toolkit/application.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>

#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    loco::setUpIdentity();
    loco::setUpApplication(app);
    const loco::BuiltinData data = loco::benchmarkData();
    loco::records::RecordsStore records(loco::records::readRecordsConfig());
    loco::createWindows(data, records, [] {
        loco::showLoginWindow();
        if (!awal_menu->windowHandle()->isExposed())
            std::exit(EXIT_FAILURE); // not shown in time: no figure
        loco::printShownClock();
    });
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    const int code = app.exec();
    loco::destroyWindows();
    return code;
}
