#include "tutorials/core/tutorial_file.h"

#include "toolkit/core/error.h"
#include "toolkit/core/utf8.h"

#include <algorithm>
#include <charconv>

namespace loco {
namespace {

constexpr std::string_view kSeparator = "---";

std::size_t lineOfOffset(std::string_view text, std::size_t offset)
{
    return 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + offset, '\n'));
}

std::optional<RadioChoice> parseSelect(std::string_view value)
{
    const auto blank = value.find(' ');
    if (blank == std::string_view::npos)
        return std::nullopt;
    const auto group = parseWholeNumber(value.substr(0, blank));
    const auto item = parseWholeNumber(value.substr(blank + 1));
    if (!group || !item)
        return std::nullopt;
    return RadioChoice{*group, *item};
}

bool endsWithJpg(std::string_view path)
{
    constexpr std::string_view kExtension = ".jpg";
    return path.size() > kExtension.size()
        && std::equal(kExtension.begin(), kExtension.end(), path.end() - kExtension.size(),
            [](char e, char c) { return e == (c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
}

// What is wrong with a picture path, or nothing. The windows map the drive
// onto a folder and pick the decoder by the extension, so the path must be a
// drive, folders and a file name ending in ".jpg", with nothing that leaves
// the drive folder or that no drive path can hold.
std::optional<std::string> picturePathProblem(std::string_view path)
{
    const auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    if (path.size() < 3 || !isLetter(path[0]) || path[1] != ':' || path[2] != '\\')
        return "does not start with a drive such as d:\\";
    for (std::size_t begin = 3;;) {
        const std::size_t end = std::min(path.find('\\', begin), path.size());
        const std::string_view part = path.substr(begin, end - begin);
        if (part.empty() || part == "." || part == "..")
            return "has an empty, \".\" or \"..\" folder name";
        const auto bad = std::find_if(part.begin(), part.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20
                || std::string_view("<>:\"/|?*").find(c) != std::string_view::npos;
        });
        if (bad != part.end())
            return "contains the character '" + std::string(1, *bad) + "', which a drive path cannot hold";
        if (end == path.size())
            break;
        begin = end + 1;
    }
    if (!endsWithJpg(path))
        return "does not name a .jpg file";
    return std::nullopt;
}

template <typename T>
void setOnce(std::optional<T>& field, T value, const SourceText& source, std::size_t line, std::string_view key)
{
    if (field)
        throw dataError(source.name, line, "duplicate key \"" + std::string(key) + "\"");
    field = std::move(value);
}

} // namespace

TutorialFile parseTutorialFile(const SourceText& source)
{
    if (const auto fault = findInvalidUtf8(source.text))
        throw dataError(source.name, fault->line, describe(*fault));
    const std::string_view text = withoutByteOrderMark(source.text);
    if (const auto cr = text.find('\r'); cr != std::string_view::npos)
        throw dataError(
            source.name, lineOfOffset(text, cr), "carriage return found; lines must end with a line feed only");
    if (text.empty() || text.back() != '\n')
        throw dataError(source.name, lineOfOffset(text, text.size()), "the last line does not end with a line feed");

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
        if (line.starts_with('#'))
            continue; // a note for whoever edits the file
        if (line == kSeparator) {
            inHeader = false;
            file.separatorLine = lineNumber;
            continue;
        }
        const auto colon = line.find(':');
        if (colon == std::string_view::npos || colon == 0 || colon + 1 >= line.size() || line[colon + 1] != ' ')
            throw dataError(source.name, lineNumber, "expected \"key: value\" or \"---\"");
        const auto key = line.substr(0, colon);
        const std::string value(line.substr(colon + 2));
        if (key == "caption") {
            setOnce(file.caption, value, source, lineNumber, key);
            file.captionLine = lineNumber;
        } else if (key == "title") {
            setOnce(title, value, source, lineNumber, key);
        } else if (key == "picture") {
            if (value.empty())
                throw dataError(source.name, lineNumber, "empty picture path");
            if (const auto problem = picturePathProblem(value))
                throw dataError(source.name, lineNumber, "picture path \"" + value + "\" " + *problem);
            setOnce(file.picture, value, source, lineNumber, key);
        } else if (key == "select") {
            auto choice = parseSelect(value);
            if (!choice)
                throw dataError(source.name, lineNumber, "expected \"select: <group> <item>\"");
            setOnce(file.select, *choice, source, lineNumber, key);
            file.selectLine = lineNumber;
        } else if (key == "interval") {
            file.intervals.push_back({lineNumber, value});
        } else {
            throw dataError(source.name, lineNumber, "unknown key \"" + std::string(key) + "\"");
        }
    }
    if (inHeader)
        throw dataError(source.name, lineNumber, "no \"---\" line after the header");
    if (!title)
        throw dataError(source.name, 1, "no title");
    file.title = std::move(*title);
    return file;
}

std::optional<int> parseWholeNumber(std::string_view digits)
{
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

} // namespace loco
