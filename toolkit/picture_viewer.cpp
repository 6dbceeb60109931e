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
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal kScreenShare = 0.9;
constexpr qreal kZoomStep = 1.25;
constexpr qreal kMinScale = 1.0 / 16;
constexpr qreal kMaxScale = 16;
// Window pixels an arrow key pans by.
constexpr int kArrowStep = 40;

QPointer<PictureViewer>& viewer()
{
    static QPointer<PictureViewer> instance;
    return instance;
}

} // namespace

PictureViewer::PictureViewer(QWidget* owner) : QAbstractScrollArea(owner)
{
    setWindowFlags(Qt::Window);
    setObjectName(QStringLiteral("pictureViewer"));
    setAccessibleDescription(QStringLiteral("Roda tetikus, + dan − memperbesar atau memperkecil, 1 ukuran asli, "
                                            "panah, Page Up dan Page Down atau seret untuk menggeser, Esc menutup"));
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::OpenHandCursor);
    QPalette dark = viewport()->palette();
    dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    viewport()->setPalette(dark);
    viewport()->setBackgroundRole(QPalette::Window);
    viewport()->setAutoFillBackground(true);
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
    setWindowState(windowState() & ~Qt::WindowMinimized);
    resize((QSizeF(image_.size()) * scale_).toSize());
    updateScrollBars();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    move(screen.center() - rect().center());
    updateTitle();
    show();
    raise();
    activateWindow();
    viewport()->update();
}

void PictureViewer::updateTitle()
{
    setWindowTitle(QStringLiteral("Gambar %1 (%2%)").arg(name_).arg(std::lround(zoom() * 100)));
}

void PictureViewer::setScale(qreal scale, QPointF anchor)
{
    scale = std::clamp(scale, kMinScale, kMaxScale);
    // The picture point under the anchor stays under it.
    const QPointF offset = anchor - (anchor - this->offset()) * (scale / scale_);
    scale_ = scale;
    updateScrollBars();
    horizontalScrollBar()->setValue(qRound(-offset.x()));
    verticalScrollBar()->setValue(qRound(-offset.y()));
    updateTitle();
    viewport()->update();
}

// The scroll bars span the part of the picture that the window cannot show.
void PictureViewer::updateScrollBars()
{
    const QSize shown = (QSizeF(image_.size()) * scale_).toSize();
    // A picture that fits the window without scroll bars needs none.
    const QSize whole = maximumViewportSize();
    const QSize view = shown.width() <= whole.width() && shown.height() <= whole.height() ? whole : viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, shown.width() - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    horizontalScrollBar()->setSingleStep(kArrowStep);
    verticalScrollBar()->setRange(0, std::max(0, shown.height() - view.height()));
    verticalScrollBar()->setPageStep(view.height());
    verticalScrollBar()->setSingleStep(kArrowStep);
}

QPointF PictureViewer::offset() const
{
    const QSizeF shown = QSizeF(image_.size()) * scale_;
    const QSize view = viewport()->size();
    const auto place = [](qreal shownLength, int viewLength, int scrolled) {
        return shownLength <= viewLength ? (viewLength - shownLength) / 2 : qreal(-scrolled);
    };
    return {place(shown.width(), view.width(), horizontalScrollBar()->value()),
        place(shown.height(), view.height(), verticalScrollBar()->value())};
}

void PictureViewer::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, zoom() < 1);
    painter.drawImage(QRectF(offset(), QSizeF(image_.size()) * scale_), image_);
}

void PictureViewer::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void PictureViewer::scrollContentsBy(int, int)
{
    viewport()->update();
}

void PictureViewer::wheelEvent(QWheelEvent* event)
{
    const qreal notches = event->angleDelta().y() / 120.0;
    setScale(scale_ * std::pow(kZoomStep, notches), event->position());
}

void PictureViewer::keyPressEvent(QKeyEvent* event)
{
    const QPointF centre = viewport()->rect().center();
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
        // Arrows, Page Up and Page Down move the scroll bars.
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void PictureViewer::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QAbstractScrollArea::mousePressEvent(event);
    dragging_ = true;
    dragFrom_ = event->position();
    viewport()->setCursor(Qt::ClosedHandCursor);
}

void PictureViewer::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging_)
        return;
    const QPoint moved = (event->position() - dragFrom_).toPoint();
    dragFrom_ = event->position();
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() - moved.x());
    verticalScrollBar()->setValue(verticalScrollBar()->value() - moved.y());
}

void PictureViewer::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QAbstractScrollArea::mouseReleaseEvent(event);
    dragging_ = false;
    viewport()->setCursor(Qt::OpenHandCursor);
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
