#include "toolkit/memo_box.h"

MemoBox::MemoBox(QWidget* parent) : QPlainTextEdit(parent) {}

QStringList MemoBox::lines() const
{
    const QString text = toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void MemoBox::setLines(const QStringList& lines)
{
    setPlainText(lines.join(QLatin1Char('\n')));
}
