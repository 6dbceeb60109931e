#include "toolkit/core/contrast.h"

#include <algorithm>
#include <cmath>

namespace loco {
namespace {

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(Rgb c)
{
    return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
}

Rgb mix(Rgb from, Rgb to, double fraction)
{
    const auto channel = [fraction](int a, int b) { return int(std::lround(a + (b - a) * fraction)); };
    return {channel(from.red, to.red), channel(from.green, to.green), channel(from.blue, to.blue)};
}

} // namespace

double contrastRatio(Rgb a, Rgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double readableContrast(int pixelSize, bool bold)
{
    return bold && pixelSize >= 19 ? 3.0 : 4.5;
}

Rgb fadeToward(Rgb text, Rgb background, double fraction, double minimum)
{
    // Contrast falls steadily on the way to the background: halve the step
    // until the colour keeps the minimum.
    double low = 0;
    double high = fraction;
    if (contrastRatio(mix(text, background, high), background) >= minimum)
        return mix(text, background, high);
    for (int i = 0; i < 20; ++i) {
        const double middle = (low + high) / 2;
        if (contrastRatio(mix(text, background, middle), background) >= minimum)
            low = middle;
        else
            high = middle;
    }
    return mix(text, background, low);
}

} // namespace loco
