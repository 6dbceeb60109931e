#pragma once

#include <QPlainTextEdit>

// A plain multi-line text box whose content is defined as a list of lines.
class MemoBox : public QPlainTextEdit {
    Q_OBJECT
    Q_PROPERTY(QStringList lines READ lines WRITE setLines)

public:
    explicit MemoBox(QWidget* parent = nullptr);

    QStringList lines() const;
    void setLines(const QStringList& lines);
};
