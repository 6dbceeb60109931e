#include "toolkit/picture_viewer.h"

#include "toolkit/drive_path.h"
#include "toolkit/handler_guard.h"
#include "toolkit/jpeg_image.h"
#include "toolkit/picture.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal kScreenShare = 0.9;
constexpr qreal kZoomStep = 1.25;
constexpr qreal kMinScale = 1.0 / 16;
constexpr qreal kMaxScale = 16;

QPointer<PictureViewer>& viewer()
{
    static QPointer<PictureViewer> instance;
    return instance;
}

} // namespace

PictureViewer::PictureViewer(QWidget* owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("pictureViewer"));
    setAccessibleDescription(QStringLiteral(
        "Roda tetikus, + dan − memperbesar atau memperkecil, 1 ukuran asli, seret untuk menggeser, Esc menutup"));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::OpenHandCursor);
    QPalette dark = palette();
    dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    setPalette(dark);
    setAutoFillBackground(true);
}

PictureViewer* PictureViewer::open(QWidget* owner, const QString& path)
{
    QImage image = loco::loadJpegFile(path);
    QPointer<PictureViewer>& instance = viewer();
    // One viewer for every window: it follows the window that opens it.
    if (!instance)
        instance = new PictureViewer(owner);
    else if (instance->parentWidget() != owner)
        instance->setParent(owner, Qt::Window);
    instance->showPicture(QFileInfo(loco::localPath(path)).fileName(), std::move(image));
    return instance;
}

void PictureViewer::showPicture(const QString& name, QImage image)
{
    image_ = std::move(image);
    name_ = name;
    const QRect screen = (parentWidget() ? parentWidget()->screen() : this->screen())->availableGeometry();
    const QSizeF room = QSizeF(screen.size()) * kScreenShare;
    // Fitted, but never enlarged beyond pixel for pixel.
    scale_ = std::min({1.0 / devicePixelRatioF(), room.width() / image_.width(), room.height() / image_.height()});
    offset_ = {};
    setWindowState(windowState() & ~Qt::WindowMinimized);
    resize((QSizeF(image_.size()) * scale_).toSize());
    move(screen.center() - rect().center());
    updateTitle();
    show();
    raise();
    activateWindow();
    update();
}

void PictureViewer::updateTitle()
{
    setWindowTitle(QStringLiteral("Gambar %1 (%2%)").arg(name_).arg(std::lround(zoom() * 100)));
}

void PictureViewer::setScale(qreal scale, QPointF anchor)
{
    scale = std::clamp(scale, kMinScale, kMaxScale);
    // The picture point under the anchor stays under it.
    offset_ = anchor - (anchor - offset_) * (scale / scale_);
    scale_ = scale;
    keepInView();
    updateTitle();
    update();
}

// A picture smaller than the window is centred; a larger one always fills it.
void PictureViewer::keepInView()
{
    const QSizeF shown = QSizeF(image_.size()) * scale_;
    const auto place = [](qreal offset, qreal shownLength, qreal viewLength) {
        if (shownLength <= viewLength)
            return (viewLength - shownLength) / 2;
        return std::clamp(offset, viewLength - shownLength, 0.0);
    };
    offset_ = {place(offset_.x(), shown.width(), width()), place(offset_.y(), shown.height(), height())};
}

void PictureViewer::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, zoom() < 1);
    painter.drawImage(QRectF(offset_, QSizeF(image_.size()) * scale_), image_);
}

void PictureViewer::resizeEvent(QResizeEvent*)
{
    keepInView();
}

void PictureViewer::wheelEvent(QWheelEvent* event)
{
    const qreal notches = event->angleDelta().y() / 120.0;
    setScale(scale_ * std::pow(kZoomStep, notches), event->position());
}

void PictureViewer::keyPressEvent(QKeyEvent* event)
{
    const QPointF centre = rect().center();
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        setScale(scale_ * kZoomStep, centre);
        break;
    case Qt::Key_Minus:
        setScale(scale_ / kZoomStep, centre);
        break;
    case Qt::Key_1:
        setScale(1 / devicePixelRatioF(), centre);
        break;
    case Qt::Key_Escape:
        close();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void PictureViewer::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    dragging_ = true;
    dragFrom_ = event->position();
    setCursor(Qt::ClosedHandCursor);
}

void PictureViewer::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging_)
        return;
    offset_ += event->position() - dragFrom_;
    dragFrom_ = event->position();
    keepInView();
    update();
}

void PictureViewer::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    dragging_ = false;
    setCursor(Qt::OpenHandCursor);
}

namespace loco {

bool canEnlarge(const Picture* box)
{
    return box->isVisible() && !box->loadedPath().isEmpty();
}

void enlargePicture(const Picture* box)
{
    if (canEnlarge(box))
        PictureViewer::open(box->window(), box->loadedPath());
}

void enlargeOnClick(Picture* box)
{
    box->setAccessibleName(QStringLiteral("Perbesar gambar"));
    QObject::connect(box, &Picture::clicked, box, [box] { runGuarded([box] { enlargePicture(box); }); });
    QObject::connect(box, &Picture::loadedPathChanged, box, [box] {
        if (box->loadedPath().isEmpty())
            box->unsetCursor();
        else
            box->setCursor(Qt::PointingHandCursor);
    });
}

} // namespace loco
