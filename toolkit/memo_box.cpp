#include "toolkit/memo_box.h"

#include "toolkit/tab_key.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QTextBlockFormat>
#include <QTextCursor>

MemoBox::MemoBox(QWidget* parent) : QTextEdit(parent)
{
    setAcceptRichText(false);
    // Tab leaves the box, as it leaves every other control.
    setTabChangesFocus(true);
}

bool MemoBox::event(QEvent* event)
{
    if (const std::optional<bool> forward = loco::ctrlTabDirection(event))
        return focusNextPrevChild(*forward);
    return QTextEdit::event(event);
}

QStringList MemoBox::lines() const
{
    const QString text = toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void MemoBox::setLines(const QStringList& lines)
{
    setPlainText(lines.join(QLatin1Char('\n')));
    layLinesAtLineSpacing();
}

void MemoBox::changeEvent(QEvent* event)
{
    QTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        layLinesAtLineSpacing();
}

// Qt's plain text layout rounds each line up to whole pixels, which can
// push a memo's last line out of sight; lines typed later take the format
// of the line they are typed in.
void MemoBox::layLinesAtLineSpacing()
{
    QTextBlockFormat format;
    format.setLineHeight(qRound(QFontMetricsF(font()).lineSpacing()), QTextBlockFormat::FixedHeight);
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    cursor.mergeBlockFormat(format);
}
