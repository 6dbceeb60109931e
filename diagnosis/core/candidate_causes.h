#pragma once

#include "diagnosis/core/knowledge_outline.h"
#include "diagnosis/core/knowledge_walk.h"

#include <cstddef>
#include <vector>

namespace loco {

// What a dialogue standing at one question can still end in.
struct CandidateConclusion {
    Outline::ConclusionRef conclusion;
    AnsweredQuestion nearest; // the answer that gives it soonest
    std::size_t answers; // the fewest answers still needed, this question's included
};
struct CandidateClosing {
    std::size_t closing; // index into closings()
    std::size_t answers;
};
struct Candidates {
    std::vector<CandidateConclusion> conclusions;
    std::vector<CandidateClosing> closings;
};

// The distinct conclusions (as the outline tells them apart) and closing
// texts reachable from question `from`, each once with its fewest answers,
// nearest first; at equal distance in the walk's order.
Candidates candidatesFrom(const KnowledgeBase& base, const Outline& outline, std::size_t from);

} // namespace loco
