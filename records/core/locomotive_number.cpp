#include "records/core/locomotive_number.h"

#include <cstdio>

namespace loco::records {
namespace {

bool isLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isSeparator(char c)
{
    return c == ' ' || c == '\t' || c == '-' || c == '.';
}

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

// The first character that is neither a letter, a digit nor a separator, as
// the user typed it (a whole UTF-8 sequence).
std::string_view firstRefusedCharacter(std::string_view typed)
{
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const char c = typed[i];
        if (isLetter(c) || isDigit(c) || isSeparator(c))
            continue;
        std::size_t length = 1;
        while (i + length < typed.size() && (static_cast<unsigned char>(typed[i + length]) & 0xC0) == 0x80)
            ++length;
        return typed.substr(i, length);
    }
    return {};
}

// A refused character as the user can recognise it: printable ASCII as it is,
// anything else (invisible marks, other scripts, emoji) with its code point.
std::string shown(std::string_view character)
{
    const auto first = static_cast<unsigned char>(character[0]);
    if (character.size() == 1 && first > ' ' && first < 0x7F)
        return "\"" + std::string(character) + "\"";
    char32_t code = character.size() == 1 ? first : first & (0x7F >> character.size());
    for (std::size_t k = 1; k < character.size(); ++k)
        code = (code << 6) | (static_cast<unsigned char>(character[k]) & 0x3F);
    char hex[16];
    std::snprintf(hex, sizeof hex, "U+%04X", unsigned(code));
    return character.size() == 1 ? std::string(hex) : "\"" + std::string(character) + "\" (" + hex + ")";
}

LocomotiveNumber refused(std::string reason)
{
    return {{}, std::move(reason)};
}

} // namespace

LocomotiveNumber normaliseLocomotiveNumber(std::string_view typed)
{
    const std::string_view refusedCharacter = firstRefusedCharacter(typed);
    if (!refusedCharacter.empty())
        return refused("Nomor lokomotif hanya berisi huruf dan angka; " + shown(refusedCharacter) + " tidak boleh.");
    std::string number;
    char previous = ' ';
    for (const char c : typed) {
        if (isSeparator(c)) {
            previous = ' ';
            continue;
        }
        const bool groupChanges = previous != ' ' && isLetter(previous) != isLetter(c);
        if (!number.empty() && (previous == ' ' || groupChanges))
            number += ' ';
        number += upper(c);
        previous = c;
    }
    if (number.empty())
        return refused("Nomor lokomotif wajib diisi.");
    if (number.size() > kMaxLocomotiveNumberLength)
        return refused("Nomor lokomotif paling panjang " + std::to_string(kMaxLocomotiveNumberLength)
            + " karakter; yang diketik menjadi " + std::to_string(number.size()) + ".");
    return {number, {}};
}

} // namespace loco::records
