#pragma once

#include "diagnosis/core/knowledge_base.h"

#include <string>
#include <vector>

namespace loco {

// Every fault of a knowledge base that parsing lets through, one message each:
// a start, row, heading or closing label that names nothing; a row that the
// dialogue can never reach from the start question; a question text repeated
// within the base (only its first record would ever answer); a chain of
// questions that can lead back to itself. Empty when the base is sound.
std::vector<std::string> findInconsistencies(const KnowledgeBase& base);

} // namespace loco
