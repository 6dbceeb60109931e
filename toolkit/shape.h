#pragma once

#include <QColor>
#include <QWidget>

// A decorative filled figure; it takes no input.
class Shape : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString shape READ shape WRITE setShape)
    Q_PROPERTY(QString brushColor READ brushColor WRITE setBrushColor)
    Q_PROPERTY(QString penColor READ penColor WRITE setPenColor)

public:
    explicit Shape(QWidget* parent = nullptr);

    // "rectangle", "roundRect", "ellipse" or "circle"
    QString shape() const { return shape_; }
    void setShape(const QString& shape);
    QString brushColor() const { return brushColor_; }
    void setBrushColor(const QString& color);
    QString penColor() const { return penColor_; }
    void setPenColor(const QString& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString shape_ = QStringLiteral("rectangle");
    QString brushColor_ = QStringLiteral("white");
    QString penColor_ = QStringLiteral("black");
};
