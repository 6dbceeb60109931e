#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace loco {

// Where a data file stops being UTF-8: the offset of the first byte that is
// not part of a well-formed sequence, counted from the start of the file, and
// the line (from 1) that holds it.
struct Utf8Fault {
    std::size_t offset;
    std::size_t line;
    unsigned char byte;
};

// The first fault of text, or nothing when it is well-formed UTF-8 (no
// overlong forms, no surrogates, nothing beyond U+10FFFF). Catches a file
// saved in a single-byte code page by mistake.
std::optional<Utf8Fault> findInvalidUtf8(std::string_view text);

// "text is not valid UTF-8: byte 0xBE at offset 1234"; the line goes before it.
std::string describe(const Utf8Fault& fault);

// The code point that starts at text[i] and its length in bytes. Only the
// lead byte's length is trusted (the text is checked first); a sequence cut
// short by the end of the text counts as its lead byte alone.
std::pair<std::uint32_t, std::size_t> decodeUtf8At(std::string_view text, std::size_t i);

// text without the UTF-8 byte-order mark that some editors put at its start.
std::string_view withoutByteOrderMark(std::string_view text);

} // namespace loco
