#pragma once

#include <QFocusFrame>
#include <QPointer>

namespace loco {

// The keyboard focus made visible: a ring two pixels wide along the inside
// of the focused control, drawn whenever the control has the focus, however
// it got it. On a control with a caption the ring takes the caption's colour,
// which readability keeps clear of the control's face; on a picture it is
// black outside, white inside, so one of the two stands out from any picture.
// A focus frame, so assistive technology does not count it as a control.
class FocusRing : public QFocusFrame {
    Q_OBJECT

public:
    // A ring for the controls of window; it follows the focus while the
    // window is active.
    explicit FocusRing(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow(QWidget* focus);
    void place();

    QPointer<QWidget> control_;
};

} // namespace loco
