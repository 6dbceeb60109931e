#pragma once

#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QWidget>

#include <gtest/gtest.h>

namespace loco {

// Where the characters of a conclusion text lie, in the coordinates of the
// box's parent, where the fill-in fields lie too. Box is a QTextEdit or a
// QPlainTextEdit.
template <typename Box> class ConclusionLayout {
public:
    explicit ConclusionLayout(Box* box) : box_(box) { }

    // The words that the field follows: its line's text before the run of
    // blanks that holds the whole field, or an empty text when no run does.
    QString wordsBefore(const QWidget* field) const
    {
        QString found;
        forEachRun([&](const QTextBlock& block, int from, int, bool blank, const QRect& run) {
            const bool holds = run.left() <= field->x() && field->geometry().right() <= run.right()
                && run.contains(run.left(), field->geometry().center().y());
            if (blank && holds)
                found = block.text().left(from);
        });
        return found;
    }

    // Whether the field hides any character that is not a blank.
    bool hidesText(const QWidget* field) const
    {
        bool hides = false;
        forEachRun([&](const QTextBlock&, int, int, bool blank, const QRect& run) {
            hides = hides || (!blank && run.intersects(field->geometry()));
        });
        return hides;
    }

private:
    // Calls back with every run of blanks and every run of other characters
    // of each line, and the rectangle that the run takes.
    template <typename Callback> void forEachRun(Callback callback) const
    {
        const QPoint origin = box_->viewport()->mapTo(box_->parentWidget(), QPoint(0, 0));
        for (QTextBlock block = box_->document()->begin(); block.isValid(); block = block.next()) {
            EXPECT_EQ(block.layout()->lineCount(), 1) << "line wraps: " << block.text().toStdString();
            const QString text = block.text();
            for (int from = 0; from < text.size();) {
                const bool blank = text[from] == QLatin1Char(' ');
                int to = from;
                while (to < text.size() && (text[to] == QLatin1Char(' ')) == blank)
                    ++to;
                const QRect start = cursorRect(block, from);
                const QRect end = cursorRect(block, to);
                callback(block, from, to, blank,
                    QRect(QPoint(start.left(), start.top()), QPoint(end.left(), start.bottom())).translated(origin));
                from = to;
            }
        }
    }

    QRect cursorRect(const QTextBlock& block, int offset) const
    {
        QTextCursor cursor(block);
        cursor.setPosition(block.position() + offset);
        return box_->cursorRect(cursor);
    }

    Box* box_;
};

} // namespace loco
