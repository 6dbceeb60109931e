// The program's start-up up to the login window shown and painted, then an
// immediate, orderly end: what a user waits for before the first window.

#include "shell/UAWAL_MENU1.h"
#include "shell/builtin_data.h"
#include "shell/window_refs.h"
#include "shell/window_registry.h"
#include "toolkit/application.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    loco::setUpApplication(app);
    const loco::BuiltinData data = loco::loadBuiltinData();
    loco::createWindows(data);
    awal_menu->show();
    awal_menu->repaint();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    const int code = app.exec();
    loco::destroyWindows();
    return code;
}
