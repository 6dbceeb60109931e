#pragma once

#include "diagnosis/core/knowledge_base.h"

#include <cstdint>
#include <ostream>

namespace loco::kb {

// Writes every answer sequence from the start question to its ending, one a
// line: the answers as Y and T, a TAB, the ending's label and its texts
// separated by TABs as in the file; then a line with the total, which it
// returns. The base must have passed the checks without errors.
std::uint64_t writePaths(const KnowledgeBase& base, std::ostream& out);

} // namespace loco::kb
