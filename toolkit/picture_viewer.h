#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <QPointF>

class Picture;

// The picture viewer: one window, reused, that shows a picture file decoded
// at its full size, at first fitted into nine tenths of the screen. The
// wheel, + and − zoom, 1 shows the picture pixel for pixel; the arrow keys,
// Page Up and Page Down, the scroll bars (where the picture is larger than
// the window) and dragging pan; Escape closes.
class PictureViewer : public QAbstractScrollArea {
    Q_OBJECT

public:
    // Decodes the file and shows it in the viewer, which stays above owner.
    // Throws loco::Error when the file cannot be read or decoded.
    static PictureViewer* open(QWidget* owner, const QString& path);

    QImage image() const { return image_; }
    // Screen pixels per picture pixel.
    qreal zoom() const { return scale_ * devicePixelRatioF(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    explicit PictureViewer(QWidget* owner);
    void showPicture(const QString& name, QImage image);
    void setScale(qreal scale, QPointF anchor);
    void updateScrollBars();
    // Where the picture's top left corner lies in the window: centred where
    // it is smaller than the window, else where the scroll bars put it.
    QPointF offset() const;
    void updateTitle();

    QImage image_;
    QString name_;
    qreal scale_ = 1; // window pixels per picture pixel
    QPointF dragFrom_;
    bool dragging_ = false;
};

namespace loco {

// Opens the viewer on the file that the box last loaded; nothing happens
// while the box is hidden or has loaded none.
void enlargePicture(const Picture* box);
bool canEnlarge(const Picture* box);

// A click on the box opens the viewer; once the box holds a loaded picture
// the pointer shows that it can be clicked.
void enlargeOnClick(Picture* box);

} // namespace loco
