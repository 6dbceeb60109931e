#pragma once

#include "diagnosis/answer_recorder.h"
#include "diagnosis/core/knowledge_set.h"
#include "diagnosis/core/knowledge_walk.h"

#include <QObject>

#include <optional>
#include <vector>

class QAbstractButton;
class RadioGroup;
class RichTextBox;

namespace loco {

// The diagnosis dialogue as the companion follows and drives it: what the
// window shows, the answers since "Mulai", and the presses a user would
// make, each through the window's own controls and so through its handlers.
class DiagnosisSession : public QObject {
    Q_OBJECT

public:
    struct Controls {
        RadioGroup* systems;
        QAbstractButton* mulai;
        QAbstractButton* ulangi;
        QAbstractButton* ya;
        QAbstractButton* tidak;
        RichTextBox* questionBox;
        RichTextBox* resultsBox;
    };

    // knowledge and answers outlive the session.
    DiagnosisSession(const KnowledgeSet& knowledge, Controls controls, AnswerRecorder& answers, QObject* parent);

    const KnowledgeSet& knowledge() const { return knowledge_; }
    // The system chosen in "Jenis Gangguan", if any.
    std::optional<System> system() const;
    // The question in the question line, if it holds one of the system's.
    std::optional<std::size_t> question() const;
    // The answer that wrote the conclusion or closing text the results box shows.
    std::optional<AnsweredQuestion> ending() const;
    const AnswerRecorder::Path& path() const { return answers_.path(); }

    // Returns to the state before answer `step` (counted from 0), as that
    // many presses of Backspace do.
    void returnTo(std::size_t step);
    // Brings the dialogue of system to the end of answers, as a user does by
    // hand: "Ulangi" first when the system choice is disabled, the system,
    // "Mulai", then each answer, recorded as given on the way to a search result.
    void replay(System system, const std::vector<AnsweredQuestion>& answers);

signals:
    // After every answer, take-back, system choice, "Mulai" and "Ulangi".
    void changed();

private:
    const KnowledgeSet& knowledge_;
    Controls controls_;
    AnswerRecorder& answers_;
};

} // namespace loco
