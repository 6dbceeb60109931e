// The floor for start-up: a plain Qt program that shows what the login window
// shows, in the same place and faces: the login picture stretched over the
// black panel, the "Password" label and a password box with the focus.

#include "bench/shown_clock.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

namespace {

QFont face(const char* family, int pixels)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setGeometry(0, 0, 1024, 745);
    auto* panel = new QWidget(&window);
    panel->setGeometry(40, 24, 940, 684);
    QPalette black = panel->palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(black);
    panel->setAutoFillBackground(true);
    auto* picture = new QLabel(panel);
    picture->setGeometry(8, 7, 923, 667);
    picture->setScaledContents(true);
    picture->setPixmap(QPixmap(QStringLiteral(":/assets/login_art.jpg")));
    auto* label = new QLabel(QStringLiteral("Password"), panel);
    label->setGeometry(402, 428, 92, 27);
    label->setFont(face("Liberation Sans Narrow", 24));
    auto* password = new QLineEdit(panel);
    password->setGeometry(470, 467, 361, 27);
    password->setEchoMode(QLineEdit::Password);
    password->setFont(face("Liberation Sans", 19));
    password->setFocus();
    window.show();
    loco::ShownClock::quitWhenShown(window);
    return app.exec();
}
