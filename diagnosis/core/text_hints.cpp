#include "diagnosis/core/text_hints.h"

#include "toolkit/core/utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace loco {
namespace {

bool isInvisible(std::uint32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0xAD || c == 0x034F || c == 0x180E
        || (c >= 0x2000 && c <= 0x200F) || (c >= 0x2028 && c <= 0x202F) || (c >= 0x205F && c <= 0x206F) || c == 0x3000
        || c == 0xFEFF;
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Letters changed, added, removed or swapped with a neighbour.
std::size_t editDistance(std::string_view a, std::string_view b)
{
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i)
        d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j)
        d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

// text without invisible characters and in lower case: what a reader sees.
std::string seen(std::string_view text)
{
    std::string kept;
    for (std::size_t i = 0; i < text.size();) {
        const auto [code, length] = decodeUtf8At(text, i);
        if (!isInvisible(code))
            for (std::size_t k = 0; k < length; ++k)
                kept += lower(text[i + k]);
        i += length;
    }
    return kept;
}

} // namespace

std::string visibleText(std::string_view text)
{
    std::string shown;
    for (std::size_t i = 0; i < text.size();) {
        const auto [code, length] = decodeUtf8At(text, i);
        if (code == '\t') {
            shown += "\\t";
        } else if (isInvisible(code)) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(code));
            shown += escape;
        } else {
            shown += text.substr(i, length);
        }
        i += length;
    }
    return shown;
}

bool hasInvisibleCharacter(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto [code, length] = decodeUtf8At(text, i);
        if (isInvisible(code))
            return true;
        i += length;
    }
    return false;
}

std::string nearestName(std::string_view wanted, const std::vector<std::string_view>& candidates)
{
    const std::string wantedSeen = seen(wanted);
    const std::size_t allowed = wantedSeen.size() <= 3 ? 1 : 2;
    std::string_view best;
    std::size_t bestDistance = allowed + 1;
    for (const std::string_view candidate : candidates) {
        const std::size_t distance = editDistance(wantedSeen, seen(candidate));
        if (distance < bestDistance) {
            best = candidate;
            bestDistance = distance;
        }
    }
    return std::string(best);
}

} // namespace loco
