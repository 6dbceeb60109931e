#include "diagnosis/core/knowledge_base.h"

namespace loco {

Step KnowledgeBase::answer(std::string_view questionLine, Answer answer) const
{
    const std::size_t index = findQuestion(questionLine);
    if (index == kNotFound)
        return {};
    const Outcome& outcome = questions_[index].outcome(answer);
    if (outcome.target == Outcome::kUnresolved)
        return {};
    switch (outcome.kind) {
    case Outcome::Kind::None:
        return {};
    case Outcome::Kind::Next:
        return NextQuestion{questions_[outcome.target].text};
    case Outcome::Kind::Closing:
        return ClosingText{closings_[outcome.target].lines};
    case Outcome::Kind::Conclusion:
        return Conclusion{headings_[outcome.target].text, outcome.cause, outcome.pointSize};
    }
    return {};
}

std::string_view KnowledgeBase::startQuestion() const
{
    return startIndex_ == kNotFound ? std::string_view{} : std::string_view{questions_[startIndex_].text};
}

std::size_t KnowledgeBase::findQuestion(std::string_view text) const
{
    const auto it = byText_.find(text);
    return it == byText_.end() ? kNotFound : it->second;
}

const KnowledgeBase::LabelRef* KnowledgeBase::findLabel(std::string_view label) const
{
    const auto it = labels_.find(label);
    return it == labels_.end() ? nullptr : &it->second;
}

bool KnowledgeBase::addHeading(Heading heading)
{
    if (!labels_.try_emplace(heading.label, LabelRef{LabelKind::Heading, headings_.size()}).second)
        return false;
    headings_.push_back(std::move(heading));
    return true;
}

bool KnowledgeBase::addClosing(Closing closing)
{
    if (!labels_.try_emplace(closing.label, LabelRef{LabelKind::Closing, closings_.size()}).second)
        return false;
    closings_.push_back(std::move(closing));
    return true;
}

bool KnowledgeBase::addQuestion(std::string label, std::string text, std::size_t line)
{
    const std::size_t index = questions_.size();
    if (!labels_.try_emplace(label, LabelRef{LabelKind::Question, index}).second)
        return false;
    // A repeated text keeps answering with its first record; the consistency
    // check reports the repetition.
    byText_.try_emplace(text, index);
    questions_.push_back(Question{std::move(label), std::move(text), line, {}, {}});
    return true;
}

void KnowledgeBase::link()
{
    const auto start = labels_.find(startLabel_);
    startIndex_ = start != labels_.end() && start->second.kind == LabelKind::Question ? start->second.index : kNotFound;
    for (Question& question : questions_) {
        resolve(question.ya);
        resolve(question.tidak);
    }
}

void KnowledgeBase::resolve(Outcome& outcome) const
{
    outcome.target = Outcome::kUnresolved;
    if (outcome.kind == Outcome::Kind::None)
        return;
    const auto it = labels_.find(outcome.label);
    if (it == labels_.end())
        return;
    const LabelRef ref = it->second;
    if (outcome.kind == Outcome::Kind::Conclusion) {
        if (ref.kind == LabelKind::Heading)
            outcome.target = ref.index;
        return;
    }
    // The data writes a next row and a closing text alike; the label tells which.
    if (ref.kind == LabelKind::Question) {
        outcome.kind = Outcome::Kind::Next;
        outcome.target = ref.index;
    } else if (ref.kind == LabelKind::Closing) {
        outcome.kind = Outcome::Kind::Closing;
        outcome.target = ref.index;
    }
}

} // namespace loco
