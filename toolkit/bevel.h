#pragma once

#include <QWidget>

// A decorative bevelled box or line; it takes no input.
class Bevel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString shape READ shape WRITE setShape)
    Q_PROPERTY(QString style READ style WRITE setStyle)

public:
    explicit Bevel(QWidget* parent = nullptr);

    // "box", "frame" or "topLine"
    QString shape() const { return shape_; }
    void setShape(const QString& shape);
    // "lowered" or "raised"
    QString style() const { return style_; }
    void setStyle(const QString& style);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString shape_ = QStringLiteral("box");
    QString style_ = QStringLiteral("lowered");
};
