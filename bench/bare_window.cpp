// The yardstick for start-up: a bare Qt program that shows and paints one
// empty window, then ends the same way.

#include "bench/shown_clock.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    loco::ShownClock::quitWhenShown(window);
    return app.exec();
}
