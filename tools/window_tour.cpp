// lokomotif-tour OUTDIR: builds the program's windows offscreen and writes a
// picture of each into OUTDIR, named after the window, plus a few states.

#include "shell/UAWAL_MENU1.h"
#include "shell/window_refs.h"
#include "shell/window_registry.h"
#include "toolkit/application.h"
#include "toolkit/form_window.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

namespace {

bool save(FormWindow* window, const QString& folder, const QString& name)
{
    window->show();
    QCoreApplication::processEvents();
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    if (!window->grab().save(path)) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    QTextStream(stdout) << path << '\n';
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: lokomotif-tour OUTDIR\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        QTextStream(stderr) << "cannot create " << folder << '\n';
        return 1;
    }
    loco::setUpApplication(app);
    loco::createWindows();

    bool ok = true;
    for (FormWindow* window : loco::windows())
        ok = save(window, folder, window->objectName()) && ok;

    awal_menu->Label3Click();
    ok = save(awal_menu, folder, QStringLiteral("awal_menu_help")) && ok;

    loco::destroyWindows();
    return ok ? 0 : 1;
}
