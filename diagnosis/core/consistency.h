#pragma once

#include "diagnosis/core/diagnostic.h"
#include "diagnosis/core/knowledge_base.h"

#include <string_view>
#include <vector>

namespace loco {

// Every fault of a knowledge base that parsing lets through, in line order,
// each at the line of the record it concerns (file names the source).
//
// Errors: a start, row, heading or closing label that names nothing; a row
// that the dialogue can never reach from the start question; a question text
// repeated within the base (only its first record would ever answer); a chain
// of questions that can lead back to itself.
// Warnings: an answer that leads nowhere (the format allows it: pressing it
// changes nothing); a heading or closing text that no answer names.
std::vector<Diagnostic> findInconsistencies(const KnowledgeBase& base, std::string_view file = {});

} // namespace loco
