#include "diagnosis/answer_recorder.h"

#include "toolkit/handler_guard.h"
#include "toolkit/rich_text_box.h"

#include <QAbstractButton>

namespace loco {

AnswerRecorder::AnswerRecorder(QWidget* window, Controls controls) : QObject(window), controls_(controls)
{
    addShortcut(window, {Qt::Key_Backspace}, [this] { takeBack(); });
    // A letter answers typed with or without Shift; Caps Lock changes no
    // key, and Caps Lock with Shift gives Shift and the key. As shortcuts,
    // they leave letters to a text field that has the focus.
    for (const auto& [key, button] : {std::pair(Qt::Key_Y, controls.ya), std::pair(Qt::Key_T, controls.tidak)})
        addShortcut(window, {key, QKeyCombination(Qt::ShiftModifier, key)}, [button] {
            if (button->isEnabled())
                button->click();
        });
}

void AnswerRecorder::answer(Answer answer, const std::function<void()>& handler)
{
    const QString question = controls_.questionBox->line(0);
    Before before{controls_.resultsBox->lines(), !controls_.resultsBox->isHidden(), controls_.ya->isEnabled()};
    handler();
    path_.answered(
        question.toStdString(), answer, controls_.questionBox->line(0).toStdString(), std::move(before), replaying_);
    emit changed();
}

void AnswerRecorder::restart()
{
    path_.restart();
    emit changed();
}

void AnswerRecorder::takeBack()
{
    const std::optional<Path::Step> step = path_.takeBack();
    if (!step)
        return;
    controls_.questionBox->setLine(0, QString::fromStdString(step->question));
    controls_.resultsBox->setLines(step->before.results);
    controls_.resultsBox->setVisible(step->before.resultsShown);
    controls_.ya->setEnabled(step->before.answersEnabled);
    controls_.tidak->setEnabled(step->before.answersEnabled);
    emit changed();
}

} // namespace loco
