#pragma once

#include "toolkit/clickable.h"

#include <QLabel>

// A label that reports clicks. With autoSize (the default) it fits its text
// whenever the text or font changes, keeping its left edge, or its right edge
// when right-aligned. Measuring waits until the label is first polished, so
// windows that are created hidden load no fonts for their labels.
class Label : public QLabel, public loco::Clickable {
    Q_OBJECT
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)

public:
    explicit Label(QWidget* parent = nullptr);

    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize);
    void setText(const QString& text);

    bool takesClicks() const override;
    void click() override { emit clicked(); }
    QString shownText() const override { return text(); }

signals:
    void clicked();

protected:
    void connectNotify(const QMetaMethod& signal) override;
    void disconnectNotify(const QMetaMethod& signal) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fitText();

    bool autoSize_ = true;
    loco::ClickTracker clicks_;
};
