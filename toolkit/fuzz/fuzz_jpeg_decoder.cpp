// Arbitrary bytes into the JPEG decoder. The whole input is the file, so the
// seed pictures reach the decoder as valid JPEGs; the box for a reduced decode
// comes from a hash of the input, so every seed is also tried at some scale.
// Every outcome must be a picture within the limits or a loco::Error; the
// sanitizers catch everything else.

#include "toolkit/core/error.h"
#include "toolkit/core/jpeg_decoder.h"

#include <cstdlib>

namespace {

// FNV-1a: cheap, and any changed byte gives another box.
std::uint32_t hashOf(const std::uint8_t* data, std::size_t size)
{
    std::uint32_t hash = 2166136261u;
    for (std::size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 16777619u;
    return hash;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Box sides up to 127 pixels, about the size of the seed pictures, so
    // every reduction gets its turn; a zero side means a full-size decode.
    const std::uint32_t hash = hashOf(data, size);
    const int boxWidth = static_cast<int>(hash & 0x7f);
    const int boxHeight = static_cast<int>((hash >> 7) & 0x7f);
    const loco::JpegLimits limits;
    try {
        const loco::DecodedImage image = loco::decodeJpeg({data, size}, boxWidth, boxHeight, limits);
        const auto width = static_cast<std::uint64_t>(image.width);
        const auto height = static_cast<std::uint64_t>(image.height);
        if (image.width <= 0 || image.height <= 0 || image.width > limits.maxSide || image.height > limits.maxSide
            || width * height > limits.maxPixels || image.pixels.size() != width * height)
            std::abort();
        for (std::uint32_t pixel : image.pixels)
            if (pixel >> 24 != 0xff)
                std::abort();
    } catch (const loco::Error&) {
    }
    return 0;
}
