#pragma once

#include "tools/soak/typed_texts.h"

#include <QPointer>
#include <QString>

#include <random>

class FormWindow;
class QWidget;

namespace loco::soak {

// One thing the random user did, and the window it was done in.
struct UserEvent {
    FormWindow* window = nullptr;
    QString what;
};

// A user who clicks anywhere, types into entries, picks from lists, presses
// keys, closes windows and opens them again, driven by one seeded generator
// so a run can be replayed. It never does what ends the program; keys are
// limited to text, Tab, Backspace, Delete, Enter, Escape, Space and arrows,
// so no shortcut can open a dialog.
class RandomUser {
public:
    RandomUser(std::uint64_t seed, TypedTexts texts);

    UserEvent act();

private:
    int uniform(int low, int high);
    FormWindow* anyVisibleWindow();
    UserEvent clickSomewhere();
    UserEvent typeText();
    bool stillTyping();
    UserEvent typeOn();
    UserEvent pressKey();
    UserEvent chooseFromList();
    UserEvent answerOpenList(QWidget* popup);
    UserEvent closeWindow();
    UserEvent reopenWindow();

    std::mt19937_64 random_;
    TypedTexts texts_;
    FormWindow* current_ = nullptr;
    // A long text is typed over several events, so that no event stands
    // for more keys than a person types in a few seconds.
    QPointer<QWidget> typingInto_;
    QString textLeft_;
};

} // namespace loco::soak
