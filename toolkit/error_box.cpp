#include "toolkit/error_box.h"

#include "toolkit/core/seam.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace loco {
namespace {

// Longer messages (a long entry quoted in one) are shortened in the middle.
constexpr qsizetype kLongestMessage = 1000;

// A long run without blanks (a pasted entry) could only be cut at the box's
// edge: invisible break opportunities let it wrap.
QString wrappable(const QString& text)
{
    constexpr qsizetype kRun = 40;
    QString result;
    result.reserve(text.size() + text.size() / kRun);
    qsizetype run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > kRun && !c.isLowSurrogate()) {
            result += QChar(0x200B);
            run = 1;
        }
        result += c;
    }
    return result;
}

void showMessageBox(const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, caption, wrappable(text), QMessageBox::Ok);
    // The text may quote what the user typed: it is shown as it is, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

Seam<void(const QString&, const QString&)>& reporterSeam()
{
    static Seam<void(const QString&, const QString&)> seam(showMessageBox);
    return seam;
}

} // namespace

ErrorReporter setErrorReporter(ErrorReporter reporter)
{
    return reporterSeam().replace(std::move(reporter));
}

QString errorBoxText(const QString& message)
{
    const QString stop = !message.isEmpty() && message.back() > QLatin1Char('.') ? QStringLiteral(".") : QString();
    if (message.size() + stop.size() <= kLongestMessage)
        return message + stop;
    // The start and the end, where the closing quote and the full stop are,
    // without copying the whole message or splitting a character in two.
    qsizetype head = (kLongestMessage - 1) / 2;
    qsizetype tail = kLongestMessage - 1 - head - stop.size();
    if (message[head - 1].isHighSurrogate())
        --head;
    if (message[message.size() - tail].isLowSurrogate())
        --tail;
    return message.left(head) + QChar(0x2026) + message.right(tail) + stop;
}

void reportError(const QString& message)
{
    reporterSeam()(QCoreApplication::applicationName(), errorBoxText(message));
}

} // namespace loco
