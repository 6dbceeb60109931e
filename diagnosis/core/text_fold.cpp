#include "diagnosis/core/text_fold.h"

#include "toolkit/core/utf8.h"

#include <cstdint>

namespace loco {
namespace {

// The base letter of U+00C0 to U+017F in lower case; '.' for the two signs
// among them (multiplication, division).
constexpr std::string_view kLatinBase = "aaaaaaaceeeeiiiidnooooo.ouuuuytsaaaaaaaceeeeiiiidnooooo.ouuuuyty"
                                        "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiiiiijjkkkllllllllll"
                                        "nnnnnnnnnoooooooorrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs";
constexpr std::uint32_t kLatinFirst = 0xC0;

bool isLetterOrDigit(std::uint32_t c)
{
    if (c < 0x80)
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (c < kLatinFirst)
        return false; // signs of Latin-1: degree, fractions, quotes
    if (c < kLatinFirst + kLatinBase.size())
        return kLatinBase[c - kLatinFirst] != '.';
    return !(c >= 0x2000 && c <= 0x206F); // general punctuation
}

// The folded form of one code point, appended.
void appendFolded(std::string& out, std::string_view text, std::size_t at, std::uint32_t code, std::size_t length)
{
    if (code >= 'A' && code <= 'Z')
        out += static_cast<char>(code - 'A' + 'a');
    else if (code >= kLatinFirst && code < kLatinFirst + kLatinBase.size() && kLatinBase[code - kLatinFirst] != '.')
        out += kLatinBase[code - kLatinFirst];
    else
        out.append(text.substr(at, length));
}

} // namespace

std::string foldText(std::string_view text)
{
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto [code, length] = decodeUtf8At(text, i);
        appendFolded(folded, text, i, code, length);
        i += length;
    }
    return folded;
}

std::string withoutExtraBlanks(std::string_view text)
{
    std::string kept;
    for (const char c : text) {
        if (c != ' ' || (!kept.empty() && kept.back() != ' '))
            kept += c;
    }
    if (!kept.empty() && kept.back() == ' ')
        kept.pop_back();
    return kept;
}

std::vector<FoldedWord> foldedWords(std::string_view text)
{
    std::vector<FoldedWord> words;
    for (std::size_t i = 0; i < text.size();) {
        const auto [code, length] = decodeUtf8At(text, i);
        if (isLetterOrDigit(code)) {
            if (words.empty() || words.back().end != i)
                words.push_back({{}, i, i});
            appendFolded(words.back().folded, text, i, code, length);
            words.back().end = i + length;
        }
        i += length;
    }
    return words;
}

} // namespace loco
