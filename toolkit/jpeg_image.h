#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace loco {

// Decodes JPEG bytes through libjpeg into a QImage without copying the
// pixels again. An empty box decodes at full size; otherwise the decoder may
// reduce the picture as long as it still covers the box. Throws loco::Error
// ("JPEG error #N") when the bytes are no decodable JPEG.
QImage decodeJpegImage(const QByteArray& bytes, QSize box = {});

} // namespace loco
