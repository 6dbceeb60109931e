#include "tests/support/windows_fixture.h"

#include "shell/window_registry.h"
#include "tests/support/shipped_data.h"

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QTest>
#include <QWidget>

namespace loco {

void WindowsTest::SetUp()
{
    records = std::make_unique<records::RecordsStore>(recordsConfig());
    createWindows(shippedData(), *records, showLoginWindow);
}

void WindowsTest::TearDown()
{
    destroyWindows();
    records.reset();
}

void clickOnScreen(QWidget* control)
{
    ASSERT_NE(control, nullptr);
    clickAt(control->window(), control->mapTo(control->window(), control->rect().center()));
}

void clickAt(QWidget* window, QPoint point)
{
    ASSERT_NE(window->windowHandle(), nullptr) << "window not shown";
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, point);
}

QMenu* contextMenuAt(QWidget* control)
{
    const QPoint point = control->mapTo(control->window(), control->rect().center());
    QTest::mouseClick(control->window()->windowHandle(), Qt::RightButton, {}, point);
    QMenu* menu = nullptr;
    // A menu that never comes leaves nullptr for the caller to fail on.
    (void)QTest::qWaitFor([&menu] { return (menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())); });
    return menu;
}

void chooseMenuItem(QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions()) {
        if (action->text() == text) {
            EXPECT_TRUE(action->isEnabled()) << text.toStdString();
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            return;
        }
    }
    ADD_FAILURE() << "no menu item " << text.toStdString() << " in " << menuTexts(menu).join('|').toStdString();
}

QStringList menuTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            texts << action->text().section(QLatin1Char('\t'), 0, 0);
    return texts;
}

QString focusName()
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus)
        return {};
    if (auto* list = qobject_cast<QComboBox*>(focus->parentWidget()))
        return list->objectName();
    return focus->objectName();
}

void typeKeys(const QString& text)
{
    for (const QChar c : text) {
        ASSERT_NE(QGuiApplication::focusWindow(), nullptr);
        QTest::keyClick(QGuiApplication::focusWindow(), c.toLatin1());
    }
}

void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    ASSERT_NE(QGuiApplication::focusWindow(), nullptr);
    QTest::keyClick(QGuiApplication::focusWindow(), key, modifiers);
}

void click(QWidget* control)
{
    ASSERT_NE(control, nullptr);
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

} // namespace loco
