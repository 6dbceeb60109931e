#include "tools/kb/outline.h"

namespace loco::kb {

Outline::Outline(const KnowledgeBase& base) : numbers_(base.questions().size())
{
    const std::size_t start = base.startIndex();
    order_.push_back(start);
    for (std::size_t i = 0; i < base.questions().size(); ++i) {
        if (i != start)
            order_.push_back(i);
    }
    for (std::size_t n = 0; n < order_.size(); ++n)
        numbers_[order_[n]] = n + 1;

    for (const std::size_t i : order_) {
        for (const Outcome* outcome : {&base.questions()[i].ya, &base.questions()[i].tidak}) {
            if (outcome->kind != Outcome::Kind::Conclusion)
                continue;
            const auto [it, added]
                = conclusionIndex_.try_emplace({outcome->target, outcome->cause}, conclusions_.size());
            if (added)
                conclusions_.push_back({outcome->target, outcome->cause});
        }
    }

    for (const char c : base.startLabel()) {
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')))
            break;
        prefix_ += c;
    }
    if (prefix_.empty())
        prefix_ = "K";
}

std::size_t Outline::conclusionIndex(const Outcome& outcome) const
{
    return conclusionIndex_.at({outcome.target, outcome.cause});
}

} // namespace loco::kb
