#include "toolkit/core/contrast.h"

#include <gtest/gtest.h>

namespace loco {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kNavy{0, 0, 128};

TEST(ContrastTest, MeasuresAsWcagDoes)
{
    EXPECT_NEAR(contrastRatio(kBlack, kWhite), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(kWhite, kBlack), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(kNavy, kNavy), 1.0, 1e-9);
    EXPECT_NEAR(contrastRatio(kWhite, kNavy), 16.0, 0.1);
    EXPECT_NEAR(contrastRatio(Rgb{119, 119, 119}, kWhite), 4.48, 0.01); // #777, just short of 4.5
}

TEST(ContrastTest, FadesHalfwayButNeverBelowTheMinimum)
{
    // White on navy keeps plenty of contrast halfway.
    const Rgb halfway = fadeToward(kWhite, kNavy, 0.5, kFadedCaptionContrast);
    EXPECT_EQ(halfway.red, 128);
    // Grey on white halfway would fall to 1.8: it stops at the minimum.
    const Rgb faded = fadeToward(Rgb{120, 120, 120}, kWhite, 0.5, kFadedCaptionContrast);
    EXPECT_NEAR(contrastRatio(faded, kWhite), kFadedCaptionContrast, 0.05);
}

} // namespace
} // namespace loco
