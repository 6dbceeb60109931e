#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace loco {

// Texts compared as a reader compares them: letters in lower case and
// without their accents ("Rém" and "rem" are one word), blanks not counted
// twice.

// text (UTF-8) with its Latin letters in lower case and without accents;
// everything else as it is.
std::string foldText(std::string_view text);

// text with every run of blanks made one and none at either end.
std::string withoutExtraBlanks(std::string_view text);

// One word of a text: its letters and digits folded, and where it stands in
// the text, in bytes.
struct FoldedWord {
    std::string folded;
    std::size_t begin;
    std::size_t end;
};

// The words of text: runs of letters and digits (punctuation and blanks
// part them: "BAG.LUAR" is two words), each folded.
std::vector<FoldedWord> foldedWords(std::string_view text);

} // namespace loco
