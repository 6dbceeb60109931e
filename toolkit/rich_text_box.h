#pragma once

#include <QTextEdit>

// A rich-text box seen as a list of text lines (paragraphs): the program
// replaces a line by index, appends lines, and chooses the font size and
// first-line indent, in points, that the next appended lines take.
class RichTextBox : public QTextEdit {
    Q_OBJECT
    Q_PROPERTY(QStringList lines READ lines WRITE setLines)

public:
    explicit RichTextBox(QWidget* parent = nullptr);

    int lineCount() const;
    QString line(int index) const;
    QStringList lines() const;
    void setLines(const QStringList& lines);
    void clearLines();
    // Throws loco::Error for an index outside the list.
    void setLine(int index, const QString& text);
    void appendLine(const QString& text);

    void setAppendFontSize(qreal points);
    void setAppendFirstLineIndent(qreal points);

protected:
    bool event(QEvent* event) override;

private:
    QTextBlock block(int index) const;
    qreal pointsToPixels(qreal points) const;

    bool empty_ = true;
    qreal appendSize_ = 0;
    qreal appendIndent_ = 0;
};
