#include "diagnosis/core/knowledge_walk.h"

#include <algorithm>
#include <deque>

namespace loco {
namespace {

constexpr Answer kAnswers[] = {Answer::Ya, Answer::Tidak};
// Breadth-first walks take TIDAK first, so that of equally short paths the
// one found first answers TIDAK where the others answer YA.
constexpr Answer kTidakFirst[] = {Answer::Tidak, Answer::Ya};

// The row an outcome leads to, or kNotFound when it ends the path.
std::size_t nextRow(const Outcome& outcome)
{
    return outcome.kind == Outcome::Kind::Next && outcome.target != Outcome::kUnresolved ? outcome.target
                                                                                         : KnowledgeBase::kNotFound;
}

bool isEnding(const Outcome& outcome)
{
    return (outcome.kind == Outcome::Kind::Conclusion || outcome.kind == Outcome::Kind::Closing)
        && outcome.target != Outcome::kUnresolved;
}

// Breadth-first from `from`: for every question reached, the answer that
// first reached it (its parent), and the order of reaching.
struct Reach {
    static constexpr std::size_t kUnreached = KnowledgeBase::kNotFound;

    std::vector<std::size_t> distance;
    std::vector<AnsweredQuestion> parent;
    std::vector<std::size_t> order;
};

Reach reachFrom(const KnowledgeBase& base, std::size_t from)
{
    const std::vector<Question>& questions = base.questions();
    Reach reach{std::vector<std::size_t>(questions.size(), Reach::kUnreached),
        std::vector<AnsweredQuestion>(questions.size(), {KnowledgeBase::kNotFound, Answer::Ya}), {}};
    if (from >= questions.size())
        return reach;
    reach.distance[from] = 0;
    reach.order.push_back(from);
    for (std::size_t i = 0; i < reach.order.size(); ++i) {
        const std::size_t row = reach.order[i];
        for (const Answer answer : kTidakFirst) {
            const std::size_t next = nextRow(questions[row].outcome(answer));
            if (next != KnowledgeBase::kNotFound && reach.distance[next] == Reach::kUnreached) {
                reach.distance[next] = reach.distance[row] + 1;
                reach.parent[next] = {row, answer};
                reach.order.push_back(next);
            }
        }
    }
    return reach;
}

} // namespace

void forEachAnswerPath(const KnowledgeBase& base, const std::function<bool(std::span<const AnsweredQuestion>)>& visit)
{
    if (base.startIndex() == KnowledgeBase::kNotFound)
        return;
    // A path through a chain may be as long as the file: kept by hand. The
    // last step's answer is the one being followed; a step is done after TIDAK.
    std::vector<AnsweredQuestion> path{{base.startIndex(), Answer::Ya}};
    while (!path.empty()) {
        const std::size_t next = nextRow(endingOf(base, path.back()));
        if (next != KnowledgeBase::kNotFound) {
            path.push_back({next, Answer::Ya});
            continue;
        }
        if (!visit(path))
            return;
        while (!path.empty() && path.back().answer == Answer::Tidak)
            path.pop_back();
        if (!path.empty())
            path.back().answer = Answer::Tidak;
    }
}

std::uint64_t countAnswerPaths(const KnowledgeBase& base, std::uint64_t limit)
{
    const std::vector<Question>& questions = base.questions();
    if (base.startIndex() == KnowledgeBase::kNotFound)
        return 0;
    // Paths from each question, summed after its successors (post-order),
    // and held at limit so that the sums cannot overflow.
    constexpr std::uint64_t kUncounted = static_cast<std::uint64_t>(-1);
    std::vector<std::uint64_t> paths(questions.size(), kUncounted);
    std::vector<std::size_t> pending{base.startIndex()};
    while (!pending.empty()) {
        const std::size_t row = pending.back();
        std::uint64_t sum = 0;
        bool ready = true;
        for (const Answer answer : kAnswers) {
            const std::size_t next = nextRow(questions[row].outcome(answer));
            if (next == KnowledgeBase::kNotFound) {
                sum = std::min(limit, sum + 1);
            } else if (paths[next] == kUncounted) {
                ready = false;
                pending.push_back(next);
            } else {
                sum = std::min(limit, sum + paths[next]);
            }
        }
        if (ready) {
            paths[row] = sum;
            pending.pop_back();
        }
    }
    return paths[base.startIndex()];
}

std::vector<ReachableEnding> reachableEndings(const KnowledgeBase& base, std::size_t from)
{
    const Reach reach = reachFrom(base, from);
    std::vector<ReachableEnding> endings;
    for (const std::size_t row : reach.order) {
        for (const Answer answer : kTidakFirst) {
            if (isEnding(base.questions()[row].outcome(answer)))
                endings.push_back({{row, answer}, reach.distance[row] + 1});
        }
    }
    // The walk reaches rows in order of distance, so this only settles ties.
    std::stable_sort(endings.begin(), endings.end(),
        [](const ReachableEnding& a, const ReachableEnding& b) { return a.answers < b.answers; });
    return endings;
}

std::optional<std::vector<AnsweredQuestion>> shortestPathTo(const KnowledgeBase& base, std::size_t to)
{
    const Reach reach = reachFrom(base, base.startIndex());
    if (to >= reach.distance.size() || reach.distance[to] == Reach::kUnreached)
        return std::nullopt;
    std::vector<AnsweredQuestion> path;
    for (std::size_t row = to; row != base.startIndex(); row = reach.parent[row].question)
        path.push_back(reach.parent[row]);
    std::reverse(path.begin(), path.end());
    return path;
}

std::optional<std::vector<AnsweredQuestion>> shortestPathTo(const KnowledgeBase& base, AnsweredQuestion ending)
{
    auto path = shortestPathTo(base, ending.question);
    if (path)
        path->push_back(ending);
    return path;
}

std::vector<std::size_t> symptomQuestions(const KnowledgeBase& base)
{
    std::vector<std::size_t> symptoms;
    std::vector<bool> seen(base.questions().size(), false);
    for (std::size_t row = base.startIndex(); row != KnowledgeBase::kNotFound && !seen[row];
         row = nextRow(base.questions()[row].tidak)) {
        seen[row] = true;
        if (nextRow(base.questions()[row].ya) != KnowledgeBase::kNotFound)
            symptoms.push_back(row);
    }
    return symptoms;
}

} // namespace loco
