#include "toolkit/error_box.h"

#include "toolkit/core/seam.h"

#include <QAccessible>
#include <QClipboard>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextLayout>
#include <QtMath>

#include <algorithm>

namespace loco {
namespace {

// Longer messages (a long entry quoted in one) are shortened in the middle.
constexpr qsizetype kLongestMessage = 1000;

// The widest the text runs before it wraps, as Qt's message boxes.
constexpr int kWidestText = 500;

// QLabel wraps plain text at blanks only, so a long run without them could
// only be cut at the box's edge. This label lays its text out itself,
// wrapping within a run where it must, and leaves the text as it is for
// what is read out to a screen reader.
class WrappingLabel : public QLabel {
public:
    explicit WrappingLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
    {
        setTextFormat(Qt::PlainText);
    }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override
    {
        QTextLayout layout;
        return qCeil(layOut(layout, width));
    }
    QSize sizeHint() const override
    {
        QTextLayout layout;
        layOut(layout, kUnbounded);
        const int natural = qCeil(layout.maximumWidth());
        const QRect screen = this->screen()->availableGeometry();
        const int width = std::min({natural, kWidestText, screen.width() / 2});
        return QSize(width, heightForWidth(width));
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QTextLayout layout;
        layOut(layout, width());
        QPainter painter(this);
        painter.setPen(palette().color(foregroundRole()));
        layout.draw(&painter, QPointF(0, 0));
    }

private:
    static constexpr qreal kUnbounded = 1e6;

    // Lays the text out in lines of the width; returns their height.
    qreal layOut(QTextLayout& layout, qreal width) const
    {
        QString shown = text();
        // Qt lays out a line break as a blank; the layout's own separator breaks the line.
        shown.replace(QLatin1Char('\n'), QChar::LineSeparator);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setText(shown);
        layout.setFont(font());
        layout.setTextOption(option);
        qreal height = 0;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0, height));
            height += line.height();
        }
        layout.endLayout();
        return height;
    }
};

void showErrorBox(const QString& caption, const QString& text)
{
    ErrorBox box(caption, text);
    box.exec();
}

Seam<void(const QString&, const QString&)>& reporterSeam()
{
    static Seam<void(const QString&, const QString&)> seam(showErrorBox);
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

ErrorBox::ErrorBox(const QString& caption, const QString& text, QWidget* parent) : QDialog(parent), text_(text)
{
    setWindowTitle(caption);
    auto* icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical, nullptr, this).pixmap(iconSize));
    auto* message = new WrappingLabel(text, this);
    message->setObjectName(QStringLiteral("message"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, Qt::AlignTop);
    layout->addWidget(message, 0, 1);
    layout->addWidget(buttons, 1, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    buttons->button(QDialogButtonBox::Ok)->setFocus();
}

void ErrorBox::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(text_);
        return;
    }
    QDialog::keyPressEvent(event);
}

// Screen readers announce the box as message boxes are announced.
void ErrorBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

} // namespace loco
