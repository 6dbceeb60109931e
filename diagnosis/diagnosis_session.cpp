#include "diagnosis/diagnosis_session.h"

#include "toolkit/radio_group.h"
#include "toolkit/rich_text_box.h"

#include <QAbstractButton>
#include <QRadioButton>
#include <QScopeGuard>

namespace loco {

DiagnosisSession::DiagnosisSession(
    const KnowledgeSet& knowledge, Controls controls, AnswerRecorder& answers, QObject* parent)
    : QObject(parent), knowledge_(knowledge), controls_(controls), answers_(answers)
{
    connect(&answers, &AnswerRecorder::changed, this, &DiagnosisSession::changed);
}

std::optional<System> DiagnosisSession::system() const
{
    const int index = controls_.systems->itemIndex();
    if (index < 0 || index >= static_cast<int>(kSystemCount))
        return std::nullopt;
    return kAllSystems[static_cast<std::size_t>(index)];
}

std::optional<std::size_t> DiagnosisSession::question() const
{
    const auto chosen = system();
    if (!chosen)
        return std::nullopt;
    const std::size_t row = knowledge_[*chosen].findQuestion(controls_.questionBox->line(0).toStdString());
    return row == KnowledgeBase::kNotFound ? std::nullopt : std::optional(row);
}

std::optional<AnsweredQuestion> DiagnosisSession::ending() const
{
    const auto chosen = system();
    if (!chosen || controls_.resultsBox->isHidden() || path().steps().empty())
        return std::nullopt;
    const auto& last = path().steps().back();
    const std::size_t row = knowledge_[*chosen].findQuestion(last.question);
    return row == KnowledgeBase::kNotFound ? std::nullopt : std::optional(AnsweredQuestion{row, last.answer});
}

void DiagnosisSession::returnTo(std::size_t step)
{
    for (std::size_t n = path().steps().size(); n > step; --n)
        answers_.takeBack();
}

void DiagnosisSession::replay(System system, const std::vector<AnsweredQuestion>& answers)
{
    if (!controls_.systems->isEnabled())
        controls_.ulangi->click();
    controls_.systems->button(static_cast<int>(system))->click();
    controls_.mulai->click();
    answers_.setReplaying(true);
    const auto stopReplaying = qScopeGuard([this] { answers_.setReplaying(false); });
    for (const AnsweredQuestion& step : answers)
        (step.answer == Answer::Ya ? controls_.ya : controls_.tidak)->click();
}

} // namespace loco
