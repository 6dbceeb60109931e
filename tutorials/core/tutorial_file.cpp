#include "tutorials/core/tutorial_file.h"

#include "toolkit/core/error.h"

#include <algorithm>
#include <charconv>

namespace loco {
namespace {

constexpr std::string_view separator = "---";

[[noreturn]] void fail(const SourceText& source, std::size_t line, const std::string& problem)
{
    throw Error(source.name + ":" + std::to_string(line) + ": " + problem);
}

// Offset of the first byte that is not part of a well-formed UTF-8 sequence,
// or npos. Catches a file saved in a single-byte code page by mistake.
std::size_t invalidUtf8At(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
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
            return i;
        }
        if (i + length > s.size())
            return i;
        for (std::size_t k = 1; k < length; ++k) {
            const auto b = static_cast<unsigned char>(s[i + k]);
            if (b < (k == 1 ? low : 0x80) || b > (k == 1 ? high : 0xBF))
                return i;
        }
        i += length;
    }
    return std::string_view::npos;
}

std::size_t lineOfOffset(std::string_view text, std::size_t offset)
{
    return 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + offset, '\n'));
}

std::optional<int> parseNumber(std::string_view digits)
{
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

std::optional<RadioChoice> parseSelect(std::string_view value)
{
    const auto blank = value.find(' ');
    if (blank == std::string_view::npos)
        return std::nullopt;
    const auto group = parseNumber(value.substr(0, blank));
    const auto item = parseNumber(value.substr(blank + 1));
    if (!group || !item)
        return std::nullopt;
    return RadioChoice{*group, *item};
}

template <typename T>
void setOnce(std::optional<T>& field, T value, const SourceText& source, std::size_t line, std::string_view key)
{
    if (field)
        fail(source, line, "duplicate key \"" + std::string(key) + "\"");
    field = std::move(value);
}

} // namespace

TutorialFile parseTutorialFile(const SourceText& source)
{
    const std::string_view text = source.text;
    if (const auto bad = invalidUtf8At(text); bad != std::string_view::npos)
        fail(source, lineOfOffset(text, bad), "text is not valid UTF-8");
    if (const auto cr = text.find('\r'); cr != std::string_view::npos)
        fail(source, lineOfOffset(text, cr), "carriage return found; lines must end with a line feed only");
    if (text.empty() || text.back() != '\n')
        fail(source, lineOfOffset(text, text.size()), "the last line does not end with a line feed");

    TutorialFile file;
    std::optional<std::string> title;
    bool inHeader = true;
    std::size_t lineNumber = 0;
    for (std::size_t start = 0; start < text.size();) {
        const auto end = text.find('\n', start);
        const auto line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;

        if (!inHeader) {
            file.lines.emplace_back(line);
            continue;
        }
        if (line == separator) {
            inHeader = false;
            continue;
        }
        const auto colon = line.find(':');
        if (colon == std::string_view::npos || colon == 0 || colon + 1 >= line.size() || line[colon + 1] != ' ')
            fail(source, lineNumber, "expected \"key: value\" or \"---\"");
        const auto key = line.substr(0, colon);
        const std::string value(line.substr(colon + 2));
        if (key == "caption") {
            setOnce(file.caption, value, source, lineNumber, key);
        } else if (key == "title") {
            setOnce(title, value, source, lineNumber, key);
        } else if (key == "picture") {
            if (value.empty())
                fail(source, lineNumber, "empty picture path");
            setOnce(file.picture, value, source, lineNumber, key);
        } else if (key == "select") {
            auto choice = parseSelect(value);
            if (!choice)
                fail(source, lineNumber, "expected \"select: <group> <item>\"");
            setOnce(file.select, *choice, source, lineNumber, key);
        } else {
            fail(source, lineNumber, "unknown key \"" + std::string(key) + "\"");
        }
    }
    if (inHeader)
        fail(source, lineNumber, "no \"---\" line after the header");
    if (!title)
        fail(source, 1, "no title");
    file.title = std::move(*title);
    return file;
}

} // namespace loco
