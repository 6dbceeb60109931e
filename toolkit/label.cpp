#include "toolkit/label.h"

#include <QEvent>
#include <QMetaMethod>
#include <QMouseEvent>

Label::Label(QWidget* parent) : QLabel(parent)
{
    // Labels are opaque: they fill with their colour, by default their parent's.
    setAutoFillBackground(true);
}

void Label::setAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    fitText();
}

void Label::setText(const QString& text)
{
    QLabel::setText(text);
    fitText();
}

void Label::fitText()
{
    if (!autoSize_ || wordWrap() || !testAttribute(Qt::WA_WState_Polished))
        return;
    const QFontMetrics metrics = fontMetrics();
    // Italic and script faces reach past their advance: the last letter
    // needs its whole ink.
    const int width = std::max(metrics.horizontalAdvance(text()), metrics.boundingRect(text()).right() + 1);
    const int right = geometry().right();
    resize(width, metrics.height());
    if (alignment() & Qt::AlignRight)
        move(right - width + 1, y());
}

bool Label::takesClicks() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&Label::clicked));
}

bool Label::event(QEvent* event)
{
    const bool handled = QLabel::event(event);
    if (event->type() == QEvent::Polish)
        fitText();
    return handled;
}

void Label::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitText();
}

void Label::mousePressEvent(QMouseEvent* event)
{
    clicks_.press(event);
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = clicks_.release(event, this);
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

void Label::connectNotify(const QMetaMethod& signal)
{
    QLabel::connectNotify(signal);
    loco::followClickHandlers(this, *this);
}

void Label::disconnectNotify(const QMetaMethod& signal)
{
    QLabel::disconnectNotify(signal);
    loco::followClickHandlers(this, *this);
}

void Label::keyPressEvent(QKeyEvent* event)
{
    if (!loco::pressedByKey(*this, event))
        QLabel::keyPressEvent(event);
}
