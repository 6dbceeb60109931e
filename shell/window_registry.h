#pragma once

#include "toolkit/form_window.h"

#include <QList>
#include <QPointer>

#include <functional>
#include <utility>

namespace loco {

struct BuiltinData;
namespace records {
class RecordsStore;
}

// Shows the login window as the program starts, activated: without a
// window manager nothing else gives it the keyboard.
void showLoginWindow();

// Creates the ten windows in their fixed order, each handed at construction
// what it shows (the knowledge, the tutorial tables) and the workshop
// records it files into; the first, the login window, becomes the main
// window. All but the main window start hidden. mainWindowMade runs once the
// main window exists, before the other nine are made: the program shows it
// there, so that it is on the screen while they are built. data and records
// must outlive the windows, up to destroyWindows().
void createWindows(
    const BuiltinData& data, records::RecordsStore& records, const std::function<void()>& mainWindowMade = {});

// The ten windows in creation order (empty before createWindows), then the
// windows made on first use so far.
QList<FormWindow*> windows();

// Destroys every window and clears the global references.
void destroyWindows();

// Takes a window made after start-up into the registry: windows() lists it
// and destroyWindows() destroys it.
void adoptWindow(FormWindow* window);

// A window beyond the ten, made the first time it is asked for so that it
// costs start-up nothing. make builds it from what it is handed (data,
// services), which must outlive it; get() makes it on its first call and
// returns the same window after, until destroyWindows() destroys it.
template <typename Window> class WindowOnFirstUse {
public:
    explicit WindowOnFirstUse(std::function<Window*()> make) : make_(std::move(make)) { }

    Window* get()
    {
        if (!window_) {
            window_ = make_();
            adoptWindow(window_);
        }
        return window_;
    }

private:
    std::function<Window*()> make_;
    QPointer<Window> window_;
};

} // namespace loco
