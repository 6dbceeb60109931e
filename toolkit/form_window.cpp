#include "toolkit/form_window.h"

#include "toolkit/accessibility.h"
#include "toolkit/definition.h"
#include "toolkit/focus_ring.h"
#include "toolkit/on_screen.h"
#include "toolkit/readability.h"
#include "toolkit/reading_order.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

#include <chrono>

namespace {

// The classic sizeable frame at 96 dpi: 4-pixel borders and a caption bar.
constexpr int kFrameBorder = 4;
constexpr int kCaptionHeight = 23;
constexpr std::chrono::milliseconds kExposeWaitLimit(250);

// Ends a wait once the window is exposed; the window paints before the
// waiting loop looks at its flag again.
class QuitWhenExposed : public QObject {
public:
    explicit QuitWhenExposed(QEventLoop& wait) : wait_(wait) { }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed())
            wait_.quit();
        return false;
    }

private:
    QEventLoop& wait_;
};

// How long a centred window waits for the window manager to frame it.
constexpr int kFramingCheckMs = 20;
constexpr int kFramingChecks = 50;

} // namespace

FormWindow::FormWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), scroll_(new QScrollArea(this)), content_(new QWidget)
{
    // Text meant to be read keeps its colours while its control is disabled;
    // Qt's own menus and dialogs, which are windows of their own, keep the
    // standard disabled look.
    setPalette(loco::readablePalette(palette()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll_);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(content_);
    // The scroll area is no control: a click on a panel or picture would
    // otherwise hand it the focus, and typing would go nowhere.
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->viewport()->setFocusPolicy(Qt::NoFocus);
    new loco::FocusRing(this);
}

void FormWindow::finishDefinition()
{
    QWidget* form = content_;
    setObjectName(form->objectName());
    setWindowTitle(form->windowTitle());
    if (!form->property("color").isValid())
        form->setProperty("color", QStringLiteral("btnface"));
    if (!form->property("textFont").isValid())
        form->setProperty("textFont", QStringLiteral("MS Sans Serif,-11"));
    loco::applyEntryDefaults(form);
    loco::applyAccessibleNames(form);

    const QRect outer = form->property("windowGeometry").toRect();
    QSize client(outer.width() - 2 * kFrameBorder, outer.height() - 2 * kFrameBorder - kCaptionHeight);
    if (form->property("clientWidth").isValid())
        client = QSize(form->property("clientWidth").toInt(), form->property("clientHeight").toInt());

    // The content is at least the client area and at least as large as its
    // controls, so controls beyond the window are reached by scrolling.
    form->setMinimumSize(form->childrenRect().united(QRect(QPoint(0, 0), QSize(1, 1))).bottomRight().x() + 1,
        form->childrenRect().bottom() + 1);
    resize(client);
    dialogFrame_ = form->property("borderStyle").toString() == QLatin1String("dialog");
    if (dialogFrame_) {
        setFixedSize(client);
        setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint);
    }
    centred_ = form->property("position").toString() == QLatin1String("screenCenter");
    if (centred_)
        centreOnScreen();
    else
        move(outer.topLeft());
}

void FormWindow::placeInTabOrderAfter(QWidget* after, QWidget* control)
{
    tabOrderAfter_.append(std::pair(after, control));
}

// Panels, labels and pictures take the focus once their handlers are
// connected, after the definition is set up: the order waits for them.
void FormWindow::setTabOrder()
{
    if (content_->property("tabOrder").toString() != QLatin1String("definition"))
        loco::applyReadingOrder(content_);
    for (const auto& [after, control] : tabOrderAfter_)
        QWidget::setTabOrder(after, control);
}

// Centres the whole frame: a position is that of the frame.
void FormWindow::centreOnScreen()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect frame = frameGeometry();
    move(screen.center() - QPoint(frame.width() / 2, frame.height() / 2));
}

// A window manager frames a window only after it is mapped, and tells its
// frame then (_NET_FRAME_EXTENTS, which Qt reads for frameGeometry): the
// window is centred again once its frame is known, or when none comes.
void FormWindow::centreOnceFramed()
{
    const bool framed = frameGeometry().size() != size();
    if (framed || ++framingChecks_ >= kFramingChecks) {
        centreOnScreen();
        return;
    }
    QTimer::singleShot(kFramingCheckMs, this, &FormWindow::centreOnceFramed);
}

// Typing goes where the user expects: a window shown the first time gives
// the focus to its first entry (the password box, before the "CLOSE" mark
// above it), else Qt gives it to the first control.
void FormWindow::focusFirstEntry()
{
    for (QWidget* w = content_->nextInFocusChain(); w != content_; w = w->nextInFocusChain()) {
        const auto* entry = qobject_cast<const QLineEdit*>(w);
        if (entry && !entry->isReadOnly() && entry->isEnabled() && entry->isVisibleTo(this)
            && (entry->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

bool FormWindow::event(QEvent* event)
{
    // Qt asks every new window to polish from the event loop, hidden or not;
    // a hidden window polishes when first shown instead, so that the windows
    // created hidden at start-up cost the first one nothing there.
    if (event->type() == QEvent::PolishRequest && isHidden())
        return true;
    // Polishing runs once, on first showing, before the controls polish:
    // colours and fonts (each face a font file to load) wait until then.
    if (event->type() == QEvent::Polish) {
        loco::applyColors(content_);
        loco::applyReadableColors(content_);
        loco::applyFonts(content_);
        setTabOrder();
    }
    if (event->type() == QEvent::Show && !shownBefore_) {
        shownBefore_ = true;
        focusFirstEntry();
        if (centred_)
            QTimer::singleShot(0, this, &FormWindow::centreOnceFramed);
    }
    return QWidget::event(event);
}

void FormWindow::showModeless()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    if (!testAttribute(Qt::WA_ShowWithoutActivating))
        activateWindow();
}

void FormWindow::showAndWaitUntilPainted()
{
    show();
    QWindow* handle = windowHandle();
    if (handle->isExposed() || (windowState() & Qt::WindowMinimized))
        return;
    QEventLoop wait;
    QuitWhenExposed watch(wait);
    handle->installEventFilter(&watch);
    QTimer::singleShot(kExposeWaitLimit, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    handle->removeEventFilter(&watch);
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (mainWindow_ && event->isAccepted())
        QCoreApplication::quit();
}

// Keys that no control took: a dialog closes on Escape; Enter presses the
// focused push or speed button, as Space does, or else the window's
// default button, as classic dialogs do.
void FormWindow::keyPressEvent(QKeyEvent* event)
{
    if (dialogFrame_ && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        QWidget* focus = focusWidget();
        if ((qobject_cast<QPushButton*>(focus) || qobject_cast<QToolButton*>(focus)) && focus->isEnabled()) {
            static_cast<QAbstractButton*>(focus)->click();
            return;
        }
        for (QPushButton* button : content_->findChildren<QPushButton*>()) {
            if (button->isDefault() && button->isVisible() && button->isEnabled()) {
                button->click();
                return;
            }
        }
    }
    QWidget::keyPressEvent(event);
}

// Tab passes by what cannot be seen: a control that another lies over
// (the tune-up text under its introduction) or a caption inside a panel that
// takes the same clicks.
bool FormWindow::focusNextPrevChild(bool next)
{
    QList<std::pair<QWidget*, Qt::FocusPolicy>> shadowed;
    for (QWidget* w : content_->findChildren<QWidget*>()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && loco::isShadowed(w, content_)) {
            shadowed.append(std::pair(w, w->focusPolicy()));
            w->setFocusPolicy(Qt::NoFocus);
        }
    }
    const bool moved = QWidget::focusNextPrevChild(next);
    for (const auto& [w, policy] : shadowed)
        w->setFocusPolicy(policy);
    return moved;
}
