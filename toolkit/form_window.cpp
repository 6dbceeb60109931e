#include "toolkit/form_window.h"

#include "toolkit/definition.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// The classic sizeable frame at 96 dpi: 4-pixel borders and a caption bar.
constexpr int kFrameBorder = 4;
constexpr int kCaptionHeight = 23;

} // namespace

FormWindow::FormWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), scroll_(new QScrollArea(this)), content_(new QWidget)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll_);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(content_);
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
    loco::applyColors(form);
    loco::applyEntryDefaults(form);

    const QRect outer = form->geometry();
    QSize client(outer.width() - 2 * kFrameBorder, outer.height() - 2 * kFrameBorder - kCaptionHeight);
    if (form->property("clientWidth").isValid())
        client = QSize(form->property("clientWidth").toInt(), form->property("clientHeight").toInt());

    // The content is at least the client area and at least as large as its
    // controls, so controls beyond the window are reached by scrolling.
    form->setMinimumSize(form->childrenRect().united(QRect(QPoint(0, 0), QSize(1, 1))).bottomRight().x() + 1,
                         form->childrenRect().bottom() + 1);
    resize(client);
    if (form->property("borderStyle").toString() == QLatin1String("dialog")) {
        setFixedSize(client);
        setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                       | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    }
    if (form->property("position").toString() == QLatin1String("screenCenter")) {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        move(screen.center() - QPoint(client.width() / 2, client.height() / 2));
    } else {
        move(outer.topLeft());
    }
}

bool FormWindow::event(QEvent* event)
{
    // Polishing runs once, on first showing, before the controls polish.
    if (event->type() == QEvent::Polish)
        loco::applyFonts(content_);
    return QWidget::event(event);
}

void FormWindow::showModeless()
{
    show();
    raise();
    activateWindow();
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (mainWindow_ && event->isAccepted())
        QCoreApplication::quit();
}
