#pragma once

#include "toolkit/clickable.h"

#include <QWidget>

// A plain container with an optional centred caption and classic bevels;
// it reports clicks, so a panel can serve as a button.
class Panel : public QWidget, public loco::Clickable {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(QString bevelOuter READ bevelOuter WRITE setBevelOuter)
    Q_PROPERTY(QString bevelInner READ bevelInner WRITE setBevelInner)

public:
    explicit Panel(QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    // "raised", "lowered" or "none"
    QString bevelOuter() const { return bevelOuter_; }
    void setBevelOuter(const QString& bevel);
    QString bevelInner() const { return bevelInner_; }
    void setBevelInner(const QString& bevel);

    bool takesClicks() const override;
    void click() override { emit clicked(); }
    QString shownText() const override { return caption_; }

signals:
    void clicked();

protected:
    void connectNotify(const QMetaMethod& signal) override;
    void disconnectNotify(const QMetaMethod& signal) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString caption_;
    QString bevelOuter_ = QStringLiteral("raised");
    QString bevelInner_ = QStringLiteral("none");
    loco::ClickTracker clicks_;
};
