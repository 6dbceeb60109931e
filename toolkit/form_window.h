#pragma once

#include <QWidget>

class QScrollArea;

// A top-level window built from a stored definition. The definition's form
// is set up on content(), which scrolls when it is larger than the window.
// The form's attributes describe the window:
//   geometry      left, top, width, height of the whole window with its frame
//   windowTitle   the caption
//   color, textColor, textFont   as for every control
//   clientWidth, clientHeight    the client area instead of the outer size
//   borderStyle   "sizeable" (default) or "dialog" (fixed size, no min/max box)
//   position      "designed" (default) or "screenCenter"
// Closing a window hides it; closing the main window ends the program.
class FormWindow : public QWidget {
    Q_OBJECT

public:
    explicit FormWindow(QWidget* parent = nullptr);

    QWidget* content() const { return content_; }
    void setMainWindow(bool main) { mainWindow_ = main; }
    bool isMainWindow() const { return mainWindow_; }

    // Shows the window modelessly and brings it to the front.
    void showModeless();

protected:
    // Called by a window's constructor after setupUi(content()).
    void finishDefinition();
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QScrollArea* scroll_;
    QWidget* content_;
    bool mainWindow_ = false;
};
