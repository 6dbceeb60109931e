#include "shell/UAWAL_MENU1.h"
#include "shell/window_refs.h"
#include "shell/window_registry.h"
#include "toolkit/application.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    loco::setUpApplication(app);
    loco::createWindows();
    awal_menu->show();
    const int code = app.exec();
    loco::destroyWindows();
    return code;
}
