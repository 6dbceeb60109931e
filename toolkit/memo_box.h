#pragma once

#include <QTextEdit>

// A plain multi-line text box whose content is defined as a list of lines.
// Lines follow each other at the font's line spacing in whole pixels, as
// classic memos lay them out.
class MemoBox : public QTextEdit {
    Q_OBJECT
    Q_PROPERTY(QStringList lines READ lines WRITE setLines)

public:
    explicit MemoBox(QWidget* parent = nullptr);

    QStringList lines() const;
    void setLines(const QStringList& lines);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void layLinesAtLineSpacing();
};
