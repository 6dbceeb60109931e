#pragma once

#include "diagnosis/core/diagnostic.h"
#include "diagnosis/core/knowledge_base.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace loco {

// Beyond this many answer paths a base is worth a look: listing or printing
// every path no longer serves anyone.
inline constexpr std::uint64_t kManyAnswerPaths = 100000;

// Every fault of a knowledge base that parsing lets through, in line order,
// each at the line of the record it concerns (file names the source). One
// cause is reported once: a mistyped label gives one error (with the label
// it likely means), not one for every row that it leaves out of reach.
//
// Errors: a start, row, heading or closing label that names nothing, or a
// label of the wrong kind (a heading without its cause line); an answer that
// leads nowhere (the dialogue would be stuck: the engine changes nothing);
// a row that the dialogue can never reach from the start question; a
// question text repeated within the base (only its first record would ever
// answer); a chain of questions that can lead back to itself.
// Warnings: a heading or closing text that no answer names; more than
// kManyAnswerPaths answer paths (checked on bases without errors).
std::vector<Diagnostic> findInconsistencies(const KnowledgeBase& base, std::string_view file = {});

} // namespace loco
