// Arbitrary bytes into the JPEG decoder: the first two bytes choose the box
// for a reduced decode, the rest is the file. Every outcome must be a picture
// within the limits or a loco::Error; the sanitizers catch everything else.

#include "toolkit/core/error.h"
#include "toolkit/core/jpeg_decoder.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const int boxWidth = data[0];
    const int boxHeight = data[1];
    const loco::JpegLimits limits;
    try {
        const loco::DecodedImage image = loco::decodeJpeg({data + 2, size - 2}, boxWidth, boxHeight, limits);
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
