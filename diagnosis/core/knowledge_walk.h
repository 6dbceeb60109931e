#pragma once

#include "diagnosis/core/knowledge_base.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace loco {

// The ways through one knowledge base, for everything that lists, counts,
// prints or replays them. Every walk follows next-question outcomes only and
// expects a base without loops (checked without errors); an answer whose
// outcome is not a next question ends its path.

// One answer on the way: a question (index into questions()) and the answer.
struct AnsweredQuestion {
    std::size_t question;
    Answer answer;

    bool operator==(const AnsweredQuestion&) const = default;
};

// The outcome that the last answer of a path gives.
inline const Outcome& endingOf(const KnowledgeBase& base, AnsweredQuestion last)
{
    return base.questions()[last.question].outcome(last.answer);
}

// Calls visit with every answer path from the start question to an ending,
// one at a time, in the order YA before TIDAK at every question, without
// keeping them: a base with millions of paths streams in constant memory.
// The span holds while visit runs. Stops early when visit returns false.
void forEachAnswerPath(const KnowledgeBase& base, const std::function<bool(std::span<const AnsweredQuestion>)>& visit);

// The number of answer paths from the start question, or limit when there
// are at least that many; linear in the size of the base whatever the count.
std::uint64_t countAnswerPaths(const KnowledgeBase& base, std::uint64_t limit);

// An ending within reach of a question: its last answer, and the fewest
// answers from that question on that give it (1: an answer to the question
// itself).
struct ReachableEnding {
    AnsweredQuestion last;
    std::size_t answers;
};

// Every conclusion and closing outcome reachable from question `from`,
// nearest first; at equal distance in the order of a breadth-first walk
// that tries TIDAK before YA.
std::vector<ReachableEnding> reachableEndings(const KnowledgeBase& base, std::size_t from);

// The shortest answer path from the start question to question `to` (the
// answers before it is shown; empty for the start question itself), or
// nothing when it cannot be reached. Of equally short paths, the one that
// answers TIDAK where the others first answer YA.
std::optional<std::vector<AnsweredQuestion>> shortestPathTo(const KnowledgeBase& base, std::size_t to);

// The same to an ending: the path to its question, then its answer.
std::optional<std::vector<AnsweredQuestion>> shortestPathTo(const KnowledgeBase& base, AnsweredQuestion ending);

// The symptoms of a base: the questions on the chain of TIDAK answers from
// the start question whose YA leads to a further question, in chain order.
// Systems that are one chain of causes from the start have none.
std::vector<std::size_t> symptomQuestions(const KnowledgeBase& base);

} // namespace loco
