#include "tools/kb/outline.h"

namespace loco::kb {

std::string withoutExtraBlanks(const std::string& text)
{
    std::string kept;
    for (const char c : text) {
        if (c != ' ' || (!kept.empty() && kept.back() != ' '))
            kept += c;
    }
    if (!kept.empty() && kept.back() == ' ')
        kept.pop_back();
    return kept;
}

Outline::Outline(const KnowledgeBase& base)
    : base_(base), numbers_(base.questions().size()), groupOfHeading_(base.headings().size(), KnowledgeBase::kNotFound)
{
    const std::size_t start = base.startIndex();
    order_.push_back(start);
    for (std::size_t i = 0; i < base.questions().size(); ++i) {
        if (i != start)
            order_.push_back(i);
    }
    for (std::size_t n = 0; n < order_.size(); ++n)
        numbers_[order_[n]] = n + 1;

    std::map<std::string, std::size_t> groupOfText;
    for (const std::size_t i : order_) {
        for (const Outcome* outcome : {&base.questions()[i].ya, &base.questions()[i].tidak}) {
            if (outcome->kind != Outcome::Kind::Conclusion)
                continue;
            std::size_t& group = groupOfHeading_[outcome->target];
            if (group == KnowledgeBase::kNotFound) {
                const auto [it, added] = groupOfText.try_emplace(
                    withoutExtraBlanks(base.headings()[outcome->target].text), groups_.size());
                if (added)
                    groups_.push_back({});
                group = it->second;
                groups_[group].headings.push_back(outcome->target);
            }
            const auto [it, added] = causeNumber_.try_emplace(
                {group, withoutExtraBlanks(outcome->cause)}, groups_[group].causes.size() + 1);
            if (added)
                groups_[group].causes.push_back(outcome->cause);
        }
    }
}

std::pair<std::size_t, std::size_t> Outline::conclusionOf(const Outcome& outcome) const
{
    const std::size_t group = groupOfHeading_[outcome.target];
    return {group, causeNumber_.at({group, withoutExtraBlanks(outcome.cause)})};
}

std::string Outline::groupLabel(std::size_t group) const
{
    return base_.headings()[groups_[group].headings.front()].label;
}

std::string Outline::conclusionLabel(const Outcome& outcome) const
{
    const auto [group, cause] = conclusionOf(outcome);
    return groupLabel(group) + "/" + std::to_string(cause);
}

} // namespace loco::kb
