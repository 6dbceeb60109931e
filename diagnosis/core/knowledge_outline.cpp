#include "diagnosis/core/knowledge_outline.h"

#include "diagnosis/core/text_fold.h"

#include <charconv>

namespace loco {

std::string conclusionTextKey(std::string_view text)
{
    return foldText(withoutExtraBlanks(text));
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
                const auto [it, added]
                    = groupOfText.try_emplace(conclusionTextKey(base.headings()[outcome->target].text), groups_.size());
                if (added)
                    groups_.push_back({});
                group = it->second;
                groups_[group].headings.push_back(outcome->target);
            }
            const auto [it, added] = causeNumber_.try_emplace(
                {group, conclusionTextKey(outcome->cause)}, groups_[group].causes.size() + 1);
            if (added)
                groups_[group].causes.push_back(outcome->cause);
        }
    }
}

Outline::ConclusionRef Outline::conclusionOf(const Outcome& outcome) const
{
    const std::size_t group = groupOfHeading_[outcome.target];
    return {group, causeNumber_.at({group, conclusionTextKey(outcome.cause)})};
}

std::optional<Outline::ConclusionRef> Outline::findConclusion(std::string_view label) const
{
    const std::size_t slash = label.rfind('/');
    if (slash == std::string_view::npos)
        return std::nullopt;
    std::size_t number = 0;
    const std::string_view digits = label.substr(slash + 1);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size() || digits.empty())
        return std::nullopt;
    for (std::size_t group = 0; group < groups_.size(); ++group) {
        if (groupLabel(group) == label.substr(0, slash) && number >= 1 && number <= groups_[group].causes.size())
            return ConclusionRef{group, number};
    }
    return std::nullopt;
}

std::string Outline::groupLabel(std::size_t group) const
{
    return base_.headings()[groups_[group].headings.front()].label;
}

std::string Outline::conclusionLabel(ConclusionRef conclusion) const
{
    return groupLabel(conclusion.first) + "/" + std::to_string(conclusion.second);
}

const std::string& Outline::headingText(ConclusionRef conclusion) const
{
    return base_.headings()[groups_[conclusion.first].headings.front()].text;
}

const std::string& Outline::causeText(ConclusionRef conclusion) const
{
    return groups_[conclusion.first].causes[conclusion.second - 1];
}

} // namespace loco
