#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace loco {

// Helpers for messages that point a maintainer at the cause of a fault.

// text (UTF-8) with every character that an editor does not show written as
// an escape: a TAB as \t, other controls, non-breaking and zero-width spaces,
// the byte-order mark and their like as \uXXXX.
std::string visibleText(std::string_view text);

// Whether text holds such a character.
bool hasInvisibleCharacter(std::string_view text);

// Of the candidates, the one closest to wanted: the same but for letter case
// or invisible characters, or one or two letters apart (one for names of up
// to three letters); the first such in the given order; empty when none is
// that close.
std::string nearestName(std::string_view wanted, const std::vector<std::string_view>& candidates);

} // namespace loco
