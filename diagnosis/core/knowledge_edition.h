#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace loco {

// The edition of a set of knowledge files, as the handbook and the diagnosis
// reports print it: "Edisi <program version> · <the first 8 hex digits of
// the SHA-256 of the files' texts one after another>". The same files in the
// same order give the same edition, so a printed page can be matched with
// the data it came from (cat FILE... | sha256sum).
std::string knowledgeEdition(const std::vector<std::string_view>& texts);

} // namespace loco
