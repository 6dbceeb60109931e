#include "toolkit/picture.h"

#include "toolkit/core/file_bytes.h"
#include "toolkit/core/jpeg_decoder.h"
#include "toolkit/drive_path.h"
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

QSize Picture::decodeBox() const
{
    // A stretched picture never needs more pixels than its box shows.
    return stretch_ ? size() : QSize();
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
    const QString local = loco::localPath(path);
    const std::vector<std::uint8_t> bytes
        = loco::readFileBytes(QFile::encodeName(local).toStdString(), loco::JpegLimits {}.maxFileBytes);
    setImage(loco::decodeJpegImage(
        QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())),
        decodeBox()));
    sourceDecoded_ = true;
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
    if (scaled_.size() != size())
        scaled_ = QPixmap::fromImage(picture.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
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
