#pragma once

namespace loco {

// A colour as the screen shows it, 0 to 255 per channel.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// Contrast between two colours as WCAG 2 measures it: from 1 (none) to 21
// (black on white).
double contrastRatio(Rgb a, Rgb b);

// What text needs to stay readable: 3:1 for bold text of 19 pixels or more
// (WCAG's large text), 4.5:1 for all other text.
double readableContrast(int pixelSize, bool bold);

// Disabled captions fade halfway into their face, but never below this.
inline constexpr double kFadedCaptionContrast = 2.0;

// The colour `fraction` of the way from text to background, or nearer the
// text where that would leave less than `minimum` contrast.
Rgb fadeToward(Rgb text, Rgb background, double fraction, double minimum);

} // namespace loco
