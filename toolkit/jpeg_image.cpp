#include "toolkit/jpeg_image.h"

#include "toolkit/core/file_bytes.h"
#include "toolkit/core/jpeg_decoder.h"
#include "toolkit/drive_path.h"

#include <QFile>

#include <span>

namespace loco {

QImage decodeJpegImage(const QByteArray& bytes, QSize box)
{
    const auto data
        = std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size()));
    auto* decoded = new DecodedImage(decodeJpeg(data, qMax(box.width(), 0), qMax(box.height(), 0)));
    // The QImage borrows the decoder's buffer and frees it with its last copy.
    return QImage(
        reinterpret_cast<const uchar*>(decoded->pixels.data()), decoded->width, decoded->height, decoded->width * 4,
        QImage::Format_RGB32, [](void* p) { delete static_cast<DecodedImage*>(p); }, decoded);
}

QImage loadJpegFile(const QString& path, QSize box)
{
    const std::vector<std::uint8_t> bytes
        = readFileBytes(QFile::encodeName(localPath(path)).toStdString(), JpegLimits{}.maxFileBytes);
    return decodeJpegImage(
        QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())),
        box);
}

} // namespace loco
