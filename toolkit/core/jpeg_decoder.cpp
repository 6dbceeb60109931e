#include "toolkit/core/jpeg_decoder.h"

#include "toolkit/core/error.h"

#include <bit>
#include <csetjmp>
#include <cstdio> // jpeglib.h uses FILE without including it
#include <cstring>
#include <jerror.h>
#include <jpeglib.h>
#include <string>
#include <utility>

namespace loco {
namespace {

// Byte order that reads as 0xAARRGGBB in a native 32-bit word; the alpha
// variants make libjpeg fill the fourth byte with 0xff.
constexpr J_COLOR_SPACE kRgb32 = std::endian::native == std::endian::little ? JCS_EXT_BGRA : JCS_EXT_ARGB;

[[noreturn]] void throwJpegError(int code)
{
    throw Error("JPEG error #" + std::to_string(code));
}

// One libjpeg decompression. libjpeg reports failures through callbacks that
// must not return and must not throw through its C frames: they longjmp back
// into start() or readPixels(), which then return false. Those two functions
// hold no objects with destructors, so the jump skips none; the C++ exception
// is thrown only by the caller, after the jump.
class Decompressor {
public:
    explicit Decompressor(const JpegLimits& limits) : limits_(limits)
    {
        cinfo_.err = jpeg_std_error(&err_);
        err_.error_exit = onError;
        err_.emit_message = onMessage;
        progress_.progress_monitor = onProgress;
        cinfo_.client_data = this;
    }
    // Safe also when creation never happened or failed half-way: libjpeg
    // frees only what its memory manager holds.
    ~Decompressor() { jpeg_destroy_decompress(&cinfo_); }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;

    // Reads the header, checks the limits and picks the output size; for a
    // progressive file this also absorbs every scan.
    bool start(std::span<const std::uint8_t> data, int boxWidth, int boxHeight)
    {
        if (setjmp(escape_))
            return false;
        jpeg_create_decompress(&cinfo_);
        cinfo_.progress = &progress_;
        cinfo_.mem->max_memory_to_use = limits_.maxMemory;
        jpeg_mem_src(&cinfo_, data.data(), static_cast<unsigned long>(data.size()));
        jpeg_read_header(&cinfo_, TRUE);
        if (!withinSizeLimits())
            return refuse(JERR_IMAGE_TOO_BIG);
        cinfo_.out_color_space = isCmyk() ? JCS_CMYK : kRgb32;
        chooseScale(boxWidth, boxHeight);
        jpeg_start_decompress(&cinfo_);
        return true;
    }

    // Appends the rows to pixels, whose capacity the caller has reserved.
    // Rows are added one at a time so that a file failing early never touches
    // the rest of a large buffer.
    bool readPixels(std::vector<std::uint32_t>& pixels)
    {
        if (setjmp(escape_))
            return false;
        const std::size_t width = cinfo_.output_width;
        while (cinfo_.output_scanline < cinfo_.output_height) {
            const std::size_t start = std::size_t{cinfo_.output_scanline} * width;
            pixels.resize(start + width);
            JSAMPROW row = reinterpret_cast<JSAMPROW>(pixels.data() + start);
            jpeg_read_scanlines(&cinfo_, &row, 1);
        }
        // Reads on to the end marker, so damage after the last row is seen too.
        jpeg_finish_decompress(&cinfo_);
        return true;
    }

    bool isCmyk() const { return cinfo_.jpeg_color_space == JCS_CMYK || cinfo_.jpeg_color_space == JCS_YCCK; }
    int outputWidth() const { return static_cast<int>(cinfo_.output_width); }
    int outputHeight() const { return static_cast<int>(cinfo_.output_height); }
    int errorCode() const { return err_.msg_code; }

private:
    static Decompressor& of(j_common_ptr cinfo) { return *static_cast<Decompressor*>(cinfo->client_data); }

    [[noreturn]] static void onError(j_common_ptr cinfo) { std::longjmp(of(cinfo).escape_, 1); }

    // Level -1 is a warning about corrupt or missing data; libjpeg would go on
    // and fill the gap with grey. Trace messages (level >= 0) are ignored.
    static void onMessage(j_common_ptr cinfo, int level)
    {
        if (level < 0)
            onError(cinfo);
    }

    // Called before each step of absorbing a multi-scan file, so a file of
    // endless tiny scans is stopped early.
    static void onProgress(j_common_ptr cinfo)
    {
        Decompressor& self = of(cinfo);
        if (self.cinfo_.input_scan_number > self.limits_.maxScans) {
            self.err_.msg_code = JERR_BAD_SCAN_SCRIPT;
            onError(cinfo);
        }
    }

    bool withinSizeLimits() const
    {
        const std::uint64_t width = cinfo_.image_width;
        const std::uint64_t height = cinfo_.image_height;
        return std::cmp_less_equal(width, limits_.maxSide) && std::cmp_less_equal(height, limits_.maxSide)
            && width * height <= limits_.maxPixels;
    }

    bool refuse(int code)
    {
        err_.msg_code = code;
        return false;
    }

    // The smallest of libjpeg-turbo's fast reductions (1/8, 1/4, 1/2) that
    // still covers the box, give or take a tenth that stretching hides. A
    // reduced picture is only ever shrunk further, so the quicker integer
    // transform and plain upsampling lose nothing that shows.
    void chooseScale(int boxWidth, int boxHeight)
    {
        if (boxWidth <= 0 || boxHeight <= 0)
            return;
        const auto boxW = static_cast<std::uint64_t>(boxWidth);
        const auto boxH = static_cast<std::uint64_t>(boxHeight);
        cinfo_.scale_denom = 8;
        for (unsigned n : {1u, 2u, 4u, 8u}) {
            cinfo_.scale_num = n;
            jpeg_calc_output_dimensions(&cinfo_);
            if (10 * cinfo_.output_width >= 9 * boxW && 10 * cinfo_.output_height >= 9 * boxH)
                break;
        }
        if (cinfo_.scale_num < 8) {
            cinfo_.dct_method = JDCT_IFAST;
            cinfo_.do_fancy_upsampling = FALSE;
        }
    }

    const JpegLimits& limits_;
    jpeg_decompress_struct cinfo_{};
    jpeg_error_mgr err_{};
    jpeg_progress_mgr progress_{};
    std::jmp_buf escape_{};
};

// libjpeg hands CMYK out as it is stored; pictures from Adobe software (the
// usual source) store inverted ink, so each value is already "ink absent".
void convertInvertedCmyk(std::vector<std::uint32_t>& pixels)
{
    for (std::uint32_t& pixel : pixels) {
        unsigned char cmyk[4];
        std::memcpy(cmyk, &pixel, sizeof cmyk);
        const unsigned k = cmyk[3];
        const auto channel = [k](unsigned value) { return (value * k + 127) / 255; };
        pixel = 0xff000000u | channel(cmyk[0]) << 16 | channel(cmyk[1]) << 8 | channel(cmyk[2]);
    }
}

} // namespace

DecodedImage decodeJpeg(std::span<const std::uint8_t> data, int boxWidth, int boxHeight, const JpegLimits& limits)
{
    if (data.size() > limits.maxFileBytes)
        throwJpegError(JERR_FILE_READ);
    Decompressor jpeg(limits);
    if (!jpeg.start(data, boxWidth, boxHeight))
        throwJpegError(jpeg.errorCode());
    DecodedImage image;
    image.width = jpeg.outputWidth();
    image.height = jpeg.outputHeight();
    image.pixels.reserve(std::size_t(image.width) * std::size_t(image.height));
    if (!jpeg.readPixels(image.pixels))
        throwJpegError(jpeg.errorCode());
    if (jpeg.isCmyk())
        convertInvertedCmyk(image.pixels);
    return image;
}

} // namespace loco
