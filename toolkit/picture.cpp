#include "toolkit/picture.h"

#include "toolkit/jpeg_image.h"

#include <QFile>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

Picture::Picture(QWidget* parent) : QWidget(parent) { }

void Picture::setSource(const QString& resourcePath)
{
    source_ = resourcePath;
    sourceDecoded_ = source_.isEmpty();
    setImage({});
}

void Picture::setStretch(bool stretch)
{
    stretch_ = stretch;
    scaled_ = {};
    update();
}

// A stretched picture never needs more pixels than its box shows on the
// screen, which on a high-density screen is more than its size in pixels.
QSize Picture::decodeBox() const
{
    return stretch_ ? size() * devicePixelRatioF() : QSize();
}

QImage Picture::image() const
{
    if (!sourceDecoded_) {
        sourceDecoded_ = true;
        QFile file(source_);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = file.readAll();
            try {
                image_ = loco::decodeJpegImage(bytes, decodeBox());
            } catch (const std::exception&) {
                // Embedded pictures are checked by the test suite; a broken
                // one shows as an empty box rather than failing a paint.
            }
        }
    }
    return image_;
}

void Picture::loadFromFile(const QString& path)
{
    setImage(loco::loadJpegFile(path, decodeBox()));
    sourceDecoded_ = true;
    loadedPath_ = path;
    emit loadedPathChanged();
}

void Picture::clear()
{
    setImage({});
    sourceDecoded_ = true;
    loadedPath_.clear();
    emit loadedPathChanged();
}

void Picture::setImage(QImage image)
{
    image_ = std::move(image);
    scaled_ = {};
    update();
}

bool Picture::takesClicks() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&Picture::clicked));
}

void Picture::paintEvent(QPaintEvent*)
{
    const QImage picture = image();
    if (picture.isNull())
        return;
    QPainter painter(this);
    if (!stretch_) {
        painter.drawImage(0, 0, picture);
        return;
    }
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (scaled_.size() != pixels || scaled_.devicePixelRatio() != ratio) {
        scaled_ = QPixmap::fromImage(picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        scaled_.setDevicePixelRatio(ratio);
    }
    painter.drawPixmap(0, 0, scaled_);
}

void Picture::mousePressEvent(QMouseEvent* event)
{
    clicks_.press(event);
}

void Picture::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = clicks_.release(event, this);
    if (click)
        emit clicked();
}

void Picture::connectNotify(const QMetaMethod& signal)
{
    QWidget::connectNotify(signal);
    loco::followClickHandlers(this, *this);
}

void Picture::disconnectNotify(const QMetaMethod& signal)
{
    QWidget::disconnectNotify(signal);
    loco::followClickHandlers(this, *this);
}

void Picture::keyPressEvent(QKeyEvent* event)
{
    if (!loco::pressedByKey(*this, event))
        QWidget::keyPressEvent(event);
}
