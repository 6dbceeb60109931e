// The yardstick for start-up: a bare Qt program that shows and paints one
// empty window, then ends the same way.

#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    window.repaint();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
