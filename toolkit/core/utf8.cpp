#include "toolkit/core/utf8.h"

#include <algorithm>
#include <cstdio>

namespace loco {
namespace {

// Length of the well-formed sequence that starts at s[i], or 0.
std::size_t sequenceLength(std::string_view s, std::size_t i)
{
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        low = c == 0xE0 ? 0xA0 : 0x80; // no overlong forms
        high = c == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        low = c == 0xF0 ? 0x90 : 0x80;
        high = c == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > s.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if (b < (k == 1 ? low : 0x80) || b > (k == 1 ? high : 0xBF))
            return 0;
    }
    return length;
}

} // namespace

std::optional<Utf8Fault> findInvalidUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = sequenceLength(text, i);
        if (length == 0) {
            const auto line = 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + i, '\n'));
            return Utf8Fault{i, line, static_cast<unsigned char>(text[i])};
        }
        i += length;
    }
    return std::nullopt;
}

std::pair<std::uint32_t, std::size_t> decodeUtf8At(std::string_view text, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (length == 1 || i + length > text.size())
        return {lead, 1};
    std::uint32_t code = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k)
        code = code << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    return {code, length};
}

std::string describe(const Utf8Fault& fault)
{
    char byte[8];
    std::snprintf(byte, sizeof byte, "0x%02X", fault.byte);
    return "text is not valid UTF-8: byte " + std::string(byte) + " at offset " + std::to_string(fault.offset);
}

std::string_view withoutByteOrderMark(std::string_view text)
{
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    return text;
}

} // namespace loco
