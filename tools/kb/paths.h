#pragma once

#include "diagnosis/core/knowledge_base.h"

#include <cstdint>
#include <ostream>

namespace loco::kb {

// Writes every answer path from the start question to its ending as it
// comes, one a line as the cases file's path records give them (the answers
// with the question labels, a TAB, the ending's label, and for a conclusion
// its type size and cause line in brackets); then a line with the total,
// which it returns. The base must have passed the checks without errors.
std::uint64_t writePaths(const KnowledgeBase& base, std::ostream& out);

} // namespace loco::kb
