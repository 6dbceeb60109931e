#include "shell/display.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QString>

#include <cstdio>
#include <utility>
#include <vector>

namespace loco {
namespace {

bool platformChosen = false;

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

std::vector<HeldMessage>& heldMessages()
{
    static std::vector<HeldMessage> held;
    return held;
}

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    heldMessages().push_back({type, context.category, text});
    // Qt ends the program after a fatal message: nothing held may go unsaid.
    if (type == QtFatalMsg)
        for (const HeldMessage& message : heldMessages())
            std::fprintf(stderr, "%s\n", qPrintable(message.text));
}

} // namespace

void lookForDisplay()
{
    platformChosen = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    if (platformChosen)
        return;
    // The windows open where they are defined and are raised and restored on
    // request, which native Wayland leaves to the compositor: XWayland first.
    // Wayland only where a session names its display: libwayland reports a
    // failed guess on standard error itself.
    qputenv(
        "QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ? "xcb;offscreen" : "xcb;wayland;offscreen");
    qInstallMessageHandler(holdMessage);
}

bool foundDisplay()
{
    qInstallMessageHandler(nullptr);
    const std::vector<HeldMessage> held = std::move(heldMessages());
    if (platformChosen || QGuiApplication::platformName() != QLatin1String("offscreen")) {
        for (const HeldMessage& message : held)
            qt_message_output(message.type,
                QMessageLogContext(
                    nullptr, 0, nullptr, message.category.isNull() ? nullptr : message.category.constData()),
                message.text);
        return true;
    }
    std::fputs("lokomotif: program ini memerlukan desktop grafis dan tidak menemukannya (lokomotif-tour menggambar "
               "jendela-jendelanya tanpa desktop) / lokomotif needs a graphical desktop and found none "
               "(lokomotif-tour renders its windows without one)\n",
        stderr);
    return false;
}

} // namespace loco
