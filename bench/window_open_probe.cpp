// window_open_probe BUTTON|plain: opens one tool window from its menu button
// until it is painted, the first time in this process and then again after
// hiding it, and prints both times in milliseconds ("first later-median").
// With "plain", a bare QWidget of the tool windows' size with one label
// stands in: the yardstick for what any window costs.

#include "records/store/records_store.h"
#include "shell/Umenu1.h"
#include "shell/builtin_data.h"
#include "shell/window_refs.h"
#include "shell/window_registry.h"
#include "toolkit/application.h"
#include "toolkit/form_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

namespace {

constexpr int kLaterRuns = 15;

double timeMs(const std::function<void()>& open)
{
    QElapsedTimer timer;
    timer.start();
    open();
    return double(timer.nsecsElapsed()) / 1e6;
}

// The window that is visible now and was not before.
QWidget* newlyShown(const QList<QWidget*>& before)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !before.contains(w))
            return w;
    return nullptr;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: window_open_probe SpeedButtonN|plain\n";
        return 2;
    }
    const QString which = QString::fromLatin1(argv[1]);
    std::function<QWidget*()> open;
    QWidget plain;
    std::optional<loco::BuiltinData> data;
    // Opening a window files nothing: records stay off.
    loco::records::RecordsStore records(loco::records::RecordsConfig{.enabled = false});
    if (which == QLatin1String("plain")) {
        plain.resize(1024, 745);
        new QLabel(QStringLiteral("Label1"), &plain);
        open = [&plain] {
            plain.show();
            plain.repaint();
            return &plain;
        };
    } else {
        loco::setUpApplication(app);
        data = loco::loadBuiltinData();
        loco::createWindows(*data, records);
        menu1->show();
        menu1->repaint();
        auto* button = menu1->findChild<QAbstractButton*>(which);
        if (!button) {
            QTextStream(stderr) << "no button " << which << '\n';
            return 2;
        }
        open = [button] {
            QList<QWidget*> before;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible())
                    before << w;
            button->click();
            QWidget* shown = newlyShown(before);
            QCoreApplication::processEvents();
            shown->repaint();
            return shown;
        };
    }
    QWidget* window = nullptr;
    const double first = timeMs([&] { window = open(); });
    std::vector<double> later;
    for (int i = 0; i < kLaterRuns; ++i) {
        window->hide();
        QCoreApplication::processEvents();
        later.push_back(timeMs([&] { open(); }));
    }
    std::nth_element(later.begin(), later.begin() + kLaterRuns / 2, later.end());
    QTextStream(stdout) << first << ' ' << later[kLaterRuns / 2] << '\n';
    loco::destroyWindows();
    return 0;
}
