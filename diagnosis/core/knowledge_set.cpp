#include "diagnosis/core/knowledge_set.h"

namespace loco {

Step KnowledgeSet::answer(int system, std::string_view questionLine, Answer answer) const
{
    const KnowledgeBase* base = find(system);
    return base ? base->answer(questionLine, answer) : Step{};
}

std::string_view KnowledgeSet::startQuestion(int system) const
{
    const KnowledgeBase* base = find(system);
    return base ? base->startQuestion() : std::string_view{};
}

const KnowledgeBase* KnowledgeSet::find(int system) const
{
    if (system < 0 || static_cast<std::size_t>(system) >= kSystemCount)
        return nullptr;
    return &bases_[static_cast<std::size_t>(system)];
}

} // namespace loco
