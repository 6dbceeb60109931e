#include "diagnosis/core/candidate_causes.h"

#include <algorithm>

namespace loco {

Candidates candidatesFrom(const KnowledgeBase& base, const Outline& outline, std::size_t from)
{
    Candidates candidates;
    // The endings come nearest first, so the first of each is its nearest.
    for (const ReachableEnding& ending : reachableEndings(base, from)) {
        const Outcome& outcome = endingOf(base, ending.last);
        if (outcome.kind == Outcome::Kind::Conclusion) {
            const Outline::ConclusionRef conclusion = outline.conclusionOf(outcome);
            if (std::none_of(candidates.conclusions.begin(), candidates.conclusions.end(),
                    [&](const CandidateConclusion& known) { return known.conclusion == conclusion; }))
                candidates.conclusions.push_back({conclusion, ending.last, ending.answers});
        } else if (std::none_of(candidates.closings.begin(), candidates.closings.end(),
                       [&](const CandidateClosing& known) { return known.closing == outcome.target; })) {
            candidates.closings.push_back({outcome.target, ending.answers});
        }
    }
    return candidates;
}

} // namespace loco
