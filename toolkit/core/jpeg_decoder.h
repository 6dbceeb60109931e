#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace loco {

// A decoded picture: 0xffRRGGBB per pixel, row-major, no row padding. On a
// little-endian machine this is exactly the memory layout of
// QImage::Format_RGB32, so the GUI can wrap the buffer without converting.
struct DecodedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// What a hostile file may cost before it is refused. Size and dimensions are
// checked before anything large is allocated, scans are counted as they are
// read, and libjpeg's big working buffers are capped. A refusal is reported like
// any other decoder failure, as "JPEG error #N", with these libjpeg codes:
//  - data larger than maxFileBytes:                JERR_FILE_READ
//  - width or height above maxSide, or
//    width * height above maxPixels:               JERR_IMAGE_TOO_BIG
//  - more than maxScans scans (SOS markers):       JERR_BAD_SCAN_SCRIPT
//    (a compressor-only code, so it names this limit unambiguously)
//  - libjpeg's own working memory above maxMemory: libjpeg reports
//    JERR_NO_BACKING_STORE or JERR_OUT_OF_MEMORY itself; 0 means unbounded.
struct JpegLimits {
    std::uint64_t maxFileBytes = 32u << 20;
    int maxSide = 16384;
    std::uint64_t maxPixels = 64ull << 20;
    int maxScans = 100;
    long maxMemory = 256l << 20;
};

// Decodes a whole JPEG held in memory. When boxWidth and boxHeight are both
// positive, it is decoded at the smallest fast DCT scale (1/8, 1/4, 1/2 or
// full) whose output covers at least nine tenths of the box each way, so the
// caller only stretches the result a little, if at all.
//
// Grayscale, YCbCr and RGB pictures are supported, and CMYK/YCCK ones in the
// Adobe convention (inverted ink values) that photo editors write.
//
// Throws loco::Error("JPEG error #N") on any failure, N being libjpeg's
// message code. A libjpeg warning (corrupt or missing data) is a failure too:
// a damaged picture is refused rather than shown partly grey.
DecodedImage decodeJpeg(
    std::span<const std::uint8_t> data, int boxWidth = 0, int boxHeight = 0, const JpegLimits& limits = {});

} // namespace loco
