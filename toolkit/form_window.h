#pragma once

#include <QWidget>

#include <utility>

class QScrollArea;

// A top-level window built from a stored definition. The definition's form
// is set up on content(), which scrolls when it is larger than the window.
// The form's attributes describe the window:
//   windowGeometry  left, top, width, height of the whole window with its frame
//   windowTitle     the caption
//   color, textColor, textFont   as for every control
//   clientWidth, clientHeight    the client area instead of the outer size
//   borderStyle   "sizeable" (default) or "dialog" (fixed size, no min/max box;
//                 Escape closes it, Enter presses its default button)
//   position      "designed" (default) or "screenCenter"
//   tabOrder      "reading" (default: top to bottom, left to right within each
//                 container) or "definition" (the form's own tab stops)
// Closing a window hides it; closing the main window ends the program.
class FormWindow : public QWidget {
    Q_OBJECT

public:
    explicit FormWindow(QWidget* parent = nullptr);

    QWidget* content() const { return content_; }
    void setMainWindow(bool main) { mainWindow_ = main; }
    bool isMainWindow() const { return mainWindow_; }

    // Shows the window modelessly: restores it when minimised and brings it
    // to the front (activating it unless it is shown without activation).
    void showModeless();

    // Shows the window and returns once it is on the screen and painted, so
    // that the program can finish starting behind it. Meanwhile no user input
    // is handled (it waits for the event loop). A window shown minimised is
    // not waited for, nor one that the display has not exposed within a
    // quarter of a second.
    void showAndWaitUntilPainted();

protected:
    // Called by a window's constructor after setupUi(content()).
    void finishDefinition();
    // Moves control right after `after` in the Tab order, where the reading
    // order would mislead; applied when the tab order is set, at first showing.
    void placeInTabOrderAfter(QWidget* after, QWidget* control);
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void setTabOrder();
    void focusFirstEntry();
    void centreOnScreen();
    void centreOnceFramed();

    QScrollArea* scroll_;
    QWidget* content_;
    QList<std::pair<QWidget*, QWidget*>> tabOrderAfter_;
    bool mainWindow_ = false;
    bool dialogFrame_ = false;
    bool centred_ = false;
    bool shownBefore_ = false;
    int framingChecks_ = 0;
};
