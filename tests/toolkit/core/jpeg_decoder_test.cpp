#include "toolkit/core/error.h"
#include "toolkit/core/file_bytes.h"
#include "toolkit/core/jpeg_decoder.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <jerror.h>
#include <jpeglib.h>
#include <string>
#include <vector>

namespace loco {
namespace {

std::vector<std::uint8_t> fixture(const std::string& name)
{
    return readFileBytes(LOKO_JPEG_FIXTURES "/" + name, 1 << 20);
}

constexpr std::uint32_t kRed = 0xff0000, kGreen = 0x00ff00, kBlue = 0x0000ff, kWhite = 0xffffff;

struct Sample {
    int x;
    int y;
    std::uint32_t rgb;
};

bool closeTo(std::uint32_t actual, std::uint32_t expected)
{
    for (int shift : {16, 8, 0})
        if (std::abs(int((actual >> shift) & 0xff) - int((expected >> shift) & 0xff)) > 12)
            return false;
    return true;
}

struct GoodCase {
    const char* name;
    const char* file;
    int boxWidth;
    int boxHeight;
    int width;
    int height;
    std::vector<Sample> samples;
};
void PrintTo(const GoodCase& c, std::ostream* out)
{
    *out << c.name;
}

class DecodeGood : public ::testing::TestWithParam<GoodCase> { };

TEST_P(DecodeGood, GivesSizeColoursAndOpaquePixels)
{
    const GoodCase& c = GetParam();
    const DecodedImage image = decodeJpeg(fixture(c.file), c.boxWidth, c.boxHeight);
    ASSERT_EQ(image.width, c.width);
    ASSERT_EQ(image.height, c.height);
    ASSERT_EQ(image.pixels.size(), std::size_t(c.width) * std::size_t(c.height));
    for (std::size_t i = 0; i < image.pixels.size(); ++i)
        ASSERT_EQ(image.pixels[i] >> 24, 0xffu) << "pixel " << i;
    for (const Sample& s : c.samples) {
        const std::uint32_t rgb = image.pixels[std::size_t(s.y * c.width + s.x)] & 0xffffff;
        EXPECT_TRUE(closeTo(rgb, s.rgb)) << std::hex << rgb << " at " << std::dec << s.x << "," << s.y;
    }
}

const std::vector<Sample> kQuadrants = {{16, 12, kRed}, {48, 12, kGreen}, {16, 36, kBlue}, {48, 36, kWhite}};

INSTANTIATE_TEST_SUITE_P(Pictures, DecodeGood,
    ::testing::Values(GoodCase{"baseline_subsampled", "quadrants_baseline.jpg", 0, 0, 64, 48, kQuadrants},
        GoodCase{"progressive", "quadrants_progressive.jpg", 0, 0, 64, 48, kQuadrants},
        GoodCase{"grayscale", "gray.jpg", 0, 0, 64, 48, {{16, 24, 0x282828}, {48, 24, 0xc8c8c8}}},
        GoodCase{"adobe_cmyk", "cmyk.jpg", 0, 0, 64, 48, {{16, 24, kRed}, {48, 24, kBlue}}},
        // Reduced decodes: the smallest of 1/8, 1/4, 1/2 that covers nine tenths of the box.
        GoodCase{"eighth_exactly_covers_box", "quadrants_baseline.jpg", 8, 6, 8, 6,
            {{1, 1, kRed}, {6, 1, kGreen}, {1, 4, kBlue}, {6, 4, kWhite}}},
        GoodCase{"quarter_for_wider_box", "quadrants_progressive.jpg", 10, 6, 16, 12,
            {{4, 3, kRed}, {12, 3, kGreen}, {4, 9, kBlue}, {12, 9, kWhite}}},
        GoodCase{"half_where_three_eighths_would_do", "quadrants_baseline.jpg", 20, 5, 32, 24, {}},
        GoodCase{"half_when_exactly_twice", "gray.jpg", 32, 24, 32, 24, {{8, 12, 0x282828}, {24, 12, 0xc8c8c8}}},
        GoodCase{"half_within_a_tenth_of_the_box", "quadrants_baseline.jpg", 35, 26, 32, 24, {}},
        GoodCase{"full_beyond_a_tenth_of_the_box", "quadrants_baseline.jpg", 36, 24, 64, 48, {}},
        GoodCase{"full_when_box_is_larger", "quadrants_baseline.jpg", 65, 40, 64, 48, {}},
        GoodCase{"full_when_only_width_given", "quadrants_baseline.jpg", 8, 0, 64, 48, {}},
        // libjpeg rounds scaled sizes up: 100/8 gives 13, 75/2 gives 38.
        GoodCase{"odd_size_eighth_rounds_up", "odd_100x75.jpg", 13, 10, 13, 10, {{6, 5, kGreen}}},
        GoodCase{"odd_size_half_rounds_up", "odd_100x75.jpg", 50, 37, 50, 38, {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct OutcomeCase {
    const char* name;
    const char* file;
    JpegLimits limits;
    int code; // 0: decodes
};
void PrintTo(const OutcomeCase& c, std::ostream* out)
{
    *out << c.name;
}

class DecodeOutcome : public ::testing::TestWithParam<OutcomeCase> { };

TEST_P(DecodeOutcome, RefusesOrDecodesAsExpected)
{
    const OutcomeCase& c = GetParam();
    const std::vector<std::uint8_t> data = fixture(c.file);
    if (c.code == 0) {
        EXPECT_NO_THROW(decodeJpeg(data, 0, 0, c.limits));
        return;
    }
    try {
        decodeJpeg(data, 0, 0, c.limits);
        ADD_FAILURE() << "decoded";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "JPEG error #" + std::to_string(c.code));
    }
}

INSTANTIATE_TEST_SUITE_P(Files, DecodeOutcome,
    ::testing::Values(OutcomeCase{"empty", "empty.jpg", {}, JERR_INPUT_EMPTY},
        OutcomeCase{"random_bytes", "random.bin", {}, JERR_NO_SOI}, OutcomeCase{"png", "not_jpeg.png", {}, JERR_NO_SOI},
        // Damage that libjpeg only warns about and would paint over with grey.
        OutcomeCase{"truncated", "truncated.jpg", {}, JWRN_JPEG_EOF},
        OutcomeCase{"marker_inside_scan", "marker_inside_scan.jpg", {}, JWRN_HIT_MARKER},
        OutcomeCase{"garbage_before_scan", "garbage_before_scan.jpg", {}, JWRN_EXTRANEOUS_DATA},
        OutcomeCase{"garbage_before_end", "garbage_before_end.jpg", {}, JWRN_EXTRANEOUS_DATA},
        // Sizes, refused from the header alone.
        OutcomeCase{"huge_dimensions", "huge_60000x60000.jpg", {}, JERR_IMAGE_TOO_BIG},
        OutcomeCase{"huge_pixel_count", "huge_60000x60000.jpg", {.maxSide = 65535}, JERR_IMAGE_TOO_BIG},
        OutcomeCase{"too_wide", "wide_60000x1.jpg", {}, JERR_IMAGE_TOO_BIG},
        OutcomeCase{"too_tall", "tall_1x60000.jpg", {}, JERR_IMAGE_TOO_BIG},
        OutcomeCase{"side_one_over", "quadrants_baseline.jpg", {.maxSide = 63}, JERR_IMAGE_TOO_BIG},
        OutcomeCase{"side_at_limit", "quadrants_baseline.jpg", {.maxSide = 64}, 0},
        OutcomeCase{"pixels_one_over", "quadrants_baseline.jpg", {.maxPixels = 64 * 48 - 1}, JERR_IMAGE_TOO_BIG},
        OutcomeCase{"pixels_at_limit", "quadrants_baseline.jpg", {.maxPixels = 64 * 48}, 0},
        OutcomeCase{"bytes_one_over", "quadrants_baseline.jpg", {.maxFileBytes = 817}, JERR_FILE_READ},
        OutcomeCase{"bytes_at_limit", "quadrants_baseline.jpg", {.maxFileBytes = 818}, 0},
        // many_scans.jpg is a valid picture of 190 scans.
        OutcomeCase{"many_scans", "many_scans.jpg", {}, JERR_BAD_SCAN_SCRIPT},
        OutcomeCase{"scans_one_over", "many_scans.jpg", {.maxScans = 189}, JERR_BAD_SCAN_SCRIPT},
        OutcomeCase{"scans_at_limit", "many_scans.jpg", {.maxScans = 190}, 0},
        // A progressive picture keeps all coefficients in libjpeg's memory; a
        // baseline one needs no such buffer.
        OutcomeCase{"progressive_over_memory", "quadrants_progressive.jpg", {.maxMemory = 1}, JERR_NO_BACKING_STORE},
        OutcomeCase{"baseline_small_memory", "quadrants_baseline.jpg", {.maxMemory = 1}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace loco
