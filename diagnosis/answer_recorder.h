#pragma once

#include "diagnosis/core/answer_path.h"

#include <QObject>
#include <QStringList>

#include <functional>

class QAbstractButton;
class QWidget;
class RichTextBox;

namespace loco {

// Keeps the diagnosis window's path: each answer is recorded around its
// handler with what the window showed before it, so that Backspace takes
// the last answer back. Y and T answer through the YA and TIDAK buttons
// while those are enabled. Tells whoever follows the dialogue of every
// change of the path.
class AnswerRecorder : public QObject {
    Q_OBJECT

public:
    struct Controls {
        RichTextBox* questionBox;
        RichTextBox* resultsBox;
        QAbstractButton* ya;
        QAbstractButton* tidak;
    };
    // What an answer can change besides the question line.
    struct Before {
        QStringList results;
        bool resultsShown;
        bool answersEnabled;
    };
    using Path = AnswerPath<Before>;

    AnswerRecorder(QWidget* window, Controls controls);

    // Runs an answer's handler and records the answer if it moved the dialogue.
    void answer(Answer answer, const std::function<void()>& handler);
    void restart();
    // Returns the window to its state before the last answer.
    void takeBack();
    // While set, answers are recorded as given on the way to a search result.
    void setReplaying(bool replaying) { replaying_ = replaying; }

    const Path& path() const { return path_; }

signals:
    // After every answer, take-back and restart.
    void changed();

private:
    Controls controls_;
    Path path_;
    bool replaying_ = false;
};

} // namespace loco
