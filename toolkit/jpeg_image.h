#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace loco {

// Decodes JPEG bytes through libjpeg into a QImage without copying the
// pixels again. An empty box decodes at full size; otherwise the decoder may
// reduce the picture as long as it still covers the box. Throws loco::Error
// ("JPEG error #N") when the bytes are no decodable JPEG.
QImage decodeJpegImage(const QByteArray& bytes, QSize box = {});

// Reads a JPEG file (a drive-letter path is mapped onto this machine) and
// decodes it as above. Throws loco::Error when the file cannot be read
// ("Cannot open file ...") or decoded.
QImage loadJpegFile(const QString& path, QSize box = {});

} // namespace loco
