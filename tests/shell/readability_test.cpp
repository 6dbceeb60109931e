#include "shell/window_registry.h"
#include "tests/support/windows_fixture.h"
#include "toolkit/core/contrast.h"
#include "toolkit/form_window.h"
#include "toolkit/label.h"
#include "toolkit/on_screen.h"
#include "toolkit/panel.h"
#include "toolkit/radio_group.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include <map>

namespace loco {
namespace {

Rgb rgb(const QColor& c)
{
    return {c.red(), c.green(), c.blue()};
}

// The colour most of the area shows, leaving out what is near the text's
// own colour: the face that the text stands on.
QColor paintedFace(const QImage& image, const QColor& text)
{
    std::map<int, std::pair<int, QRgb>> bins; // quantised colour -> count, one sample
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - text.red()) + std::abs(c.green() - text.green()) + std::abs(c.blue() - text.blue())
                < 60)
                continue;
            auto& bin = bins[(c.red() >> 3) << 10 | (c.green() >> 3) << 5 | c.blue() >> 3];
            ++bin.first;
            bin.second = c.rgb();
        }
    }
    std::pair<int, QRgb> best{0, 0};
    for (const auto& [key, bin] : bins)
        best = bin.first > best.first ? bin : best;
    return best.first ? QColor(best.second) : QColor(); // invalid: nothing but text
}

struct Caption {
    QPalette::ColorRole role;
    QRect area; // in the form's coordinates
};

// What of a control is meant to be read, if anything.
std::optional<Caption> captionOf(QWidget* w, QWidget* form)
{
    const QRect whole(w->mapTo(form, QPoint(0, 0)), w->size());
    if (auto* button = qobject_cast<QAbstractButton*>(w); button && !button->text().trimmed().isEmpty()) {
        const bool faced = qobject_cast<QPushButton*>(w) || qobject_cast<QToolButton*>(w);
        return Caption{faced ? QPalette::ButtonText : QPalette::WindowText, whole};
    }
    if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().trimmed().isEmpty())
        return Caption{QPalette::WindowText, whole};
    if (auto* panel = qobject_cast<Panel*>(w); panel && !panel->caption().trimmed().isEmpty())
        return Caption{QPalette::WindowText, whole};
    if (auto* edit = qobject_cast<QLineEdit*>(w); edit && !edit->text().trimmed().isEmpty())
        return Caption{QPalette::Text, whole};
    if (auto* box = qobject_cast<QTextEdit*>(w); box && !box->toPlainText().trimmed().isEmpty())
        return Caption{QPalette::Text, whole};
    if (auto* memo = qobject_cast<QPlainTextEdit*>(w); memo && !memo->toPlainText().trimmed().isEmpty())
        return Caption{QPalette::Text, whole};
    if (auto* group = qobject_cast<QGroupBox*>(w); group && !group->title().trimmed().isEmpty()) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect label
            = group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
        return Caption{QPalette::WindowText, label.translated(whole.topLeft())};
    }
    return std::nullopt;
}

// Only a dialogue step's disabling of a button or choice may fade a caption.
bool mayFade(const QWidget* w)
{
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const RadioGroup*>(w);
}

class ReadabilityTest : public WindowsTest {
protected:
    void check(FormWindow* window, QWidget* w, const Caption& caption, const char* state)
    {
        QWidget* form = window->content();
        const QImage image = form->grab(caption.area).toImage();
        const QColor text = w->palette().color(w->isEnabled() ? QPalette::Active : QPalette::Disabled, caption.role);
        const QColor face = paintedFace(image, text);
        if (!face.isValid())
            return;
        const double ratio = contrastRatio(rgb(text), rgb(face));
        const double needed = !w->isEnabled() && mayFade(w) ? kFadedCaptionContrast
                                                            : readableContrast(w->font().pixelSize(), w->font().bold());
        if (ratio + 0.005 < needed)
            problems << QStringLiteral("%1/%2 %3: %4 on %5, %6:1 (needs %7:1)")
                            .arg(window->objectName(), w->objectName(), QLatin1String(state), text.name(), face.name())
                            .arg(ratio, 0, 'f', 2)
                            .arg(needed);
    }

    QStringList problems;
};

// Every caption on the face actually painted behind it, in each state its
// control can be in: at rest, under the mouse, pressed, disabled.
TEST_F(ReadabilityTest, EveryCaptionStandsOutFromItsFaceInEveryState)
{
    for (FormWindow* window : windows()) {
        window->show();
        QCoreApplication::processEvents();
        for (QWidget* w : window->content()->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(window))
                continue;
            const auto caption = captionOf(w, window->content());
            // A caption that another control covers is not meant to be read.
            QWidget* onTop = caption ? window->content()->childAt(caption->area.center()) : nullptr;
            if (!caption || !onTop || (onTop != w && !w->isAncestorOf(onTop)))
                continue;
            check(window, w, *caption, "at rest");
            if (auto* button = qobject_cast<QAbstractButton*>(w); button && button->isEnabled()) {
                button->setAttribute(Qt::WA_UnderMouse, true);
                check(window, w, *caption, "under the mouse");
                button->setDown(true);
                check(window, w, *caption, "pressed");
                button->setDown(false);
                button->setAttribute(Qt::WA_UnderMouse, false);
            }
            if (w->isEnabled()) {
                w->setEnabled(false);
                check(window, w, *caption, "disabled");
                w->setEnabled(true);
            }
        }
        window->hide();
    }
    EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
}

// The pixels that focusing a control changes, against what they showed
// before: at least as many as a ring one pixel wide just inside the control
// must change by 3:1 or more, whatever set the focus (here the program).
TEST_F(ReadabilityTest, EveryFocusableControlShowsItsFocusAtLeast3To1)
{
    for (FormWindow* window : windows()) {
        window->showModeless();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QWidget* form = window->content();
        for (QWidget* w : form->findChildren<QWidget*>()) {
            if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisible() || !w->isEnabled() || isShadowed(w, form)
                || qobject_cast<QComboBox*>(w->parentWidget()))
                continue;
            const QRect area(w->mapTo(form, QPoint(0, 0)), w->size());
            if (QWidget* focus = QApplication::focusWidget())
                focus->clearFocus();
            QCoreApplication::processEvents();
            const QImage before = form->grab(area).toImage();
            w->setFocus(Qt::OtherFocusReason);
            QCoreApplication::processEvents();
            const QImage after = form->grab(area).toImage();
            int standingOut = 0;
            double best = 1;
            for (int y = 0; y < after.height(); ++y) {
                for (int x = 0; x < after.width(); ++x) {
                    const double ratio = contrastRatio(rgb(after.pixelColor(x, y)), rgb(before.pixelColor(x, y)));
                    standingOut += ratio >= 3;
                    best = std::max(best, ratio);
                }
            }
            const int ring = 2 * (area.width() + area.height()) - 12; // one pixel wide, one pixel in
            if (standingOut < ring)
                problems << QStringLiteral("%1/%2: %3 of %4 ring pixels change by 3:1 (at most %5:1)")
                                .arg(window->objectName(), w->objectName())
                                .arg(standingOut)
                                .arg(ring)
                                .arg(best, 0, 'f', 2);
        }
        window->hide();
    }
    EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
}

} // namespace
} // namespace loco
