#include "toolkit/rich_text_box.h"

#include "toolkit/core/error.h"
#include "toolkit/tab_key.h"

#include <QTextBlock>
#include <QTextCursor>

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent)
{
    setAcceptRichText(false);
    // Tab leaves the box, as it leaves every other control.
    setTabChangesFocus(true);
}

bool RichTextBox::event(QEvent* event)
{
    if (const std::optional<bool> forward = loco::ctrlTabDirection(event))
        return focusNextPrevChild(*forward);
    return QTextEdit::event(event);
}

int RichTextBox::lineCount() const
{
    return empty_ ? 0 : document()->blockCount();
}

QTextBlock RichTextBox::block(int index) const
{
    if (index < 0 || index >= lineCount())
        throw loco::Error("List index out of bounds (" + std::to_string(index) + ")");
    return document()->findBlockByNumber(index);
}

QString RichTextBox::line(int index) const
{
    return block(index).text();
}

QStringList RichTextBox::lines() const
{
    QStringList result;
    for (int i = 0; i < lineCount(); ++i)
        result << document()->findBlockByNumber(i).text();
    return result;
}

void RichTextBox::setLines(const QStringList& lines)
{
    clearLines();
    for (const QString& l : lines)
        appendLine(l);
}

void RichTextBox::clearLines()
{
    clear();
    empty_ = true;
}

void RichTextBox::setLine(int index, const QString& text)
{
    QTextCursor cursor(block(index));
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(text);
}

void RichTextBox::appendLine(const QString& text)
{
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    QTextBlockFormat blockFormat;
    blockFormat.setTextIndent(pointsToPixels(appendIndent_));
    QTextCharFormat charFormat;
    if (appendSize_ > 0)
        charFormat.setFontPointSize(appendSize_);
    if (empty_) {
        cursor.setBlockFormat(blockFormat);
        cursor.setBlockCharFormat(charFormat);
    } else {
        cursor.insertBlock(blockFormat, charFormat);
    }
    cursor.insertText(text, charFormat);
    empty_ = false;
}

void RichTextBox::setAppendFontSize(qreal points)
{
    appendSize_ = points;
}

void RichTextBox::setAppendFirstLineIndent(qreal points)
{
    appendIndent_ = points;
}

qreal RichTextBox::pointsToPixels(qreal points) const
{
    return points * logicalDpiY() / 72.0;
}
