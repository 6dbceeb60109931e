#include "calculators/UMENU_UR.h"
#include "calculators/Udialog1.h"
#include "diagnosis/UMENU_DIAGNO.h"
#include "shell/UAWAL_MENU1.h"
#include "shell/window_refs.h"
#include "shell/window_registry.h"
#include "tests/support/windows_fixture.h"
#include "toolkit/bevel.h"
#include "toolkit/form_window.h"
#include "toolkit/picture.h"
#include "toolkit/shape.h"
#include "tutorials/UMENU_TUNEUP.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace loco {
namespace {

// Roles that say nothing about what a control does.
bool isGeneric(QAccessible::Role role)
{
    return role == QAccessible::NoRole || role == QAccessible::Client || role == QAccessible::Pane
        || role == QAccessible::Grouping || role == QAccessible::Graphic || role == QAccessible::StaticText;
}

// A control a user can reach or use: it takes the focus or has an action.
bool isInteractive(QAccessibleInterface* iface)
{
    const auto* widget = qobject_cast<const QWidget*>(iface->object());
    const bool acts = iface->actionInterface() && !iface->actionInterface()->actionNames().isEmpty()
        && iface->actionInterface()->actionNames().first() != QAccessibleActionInterface::setFocusAction();
    return widget && ((widget->focusPolicy() & Qt::TabFocus) || acts);
}

void collectProblems(QAccessibleInterface* iface, const QWidget* window, QStringList& problems)
{
    const auto* widget = qobject_cast<const QWidget*>(iface->object());
    if (widget && widget->window() != window)
        return; // a list's popup belongs to no window of ours
    if (isInteractive(iface)) {
        const QString name = iface->text(QAccessible::Name);
        const QString what = widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                            : widget->objectName();
        if (name.trimmed().isEmpty())
            problems << window->objectName() + "/" + what + ": no name";
        else if (name == widget->objectName())
            problems << window->objectName() + "/" + what + ": named by its object name";
        if (isGeneric(iface->role()))
            problems << window->objectName() + "/" + what + ": generic role " + QString::number(iface->role());
    }
    for (int i = 0; i < iface->childCount(); ++i)
        if (QAccessibleInterface* child = iface->child(i))
            collectProblems(child, window, problems);
}

// The windows made when first opened (the diagnosis companion, the repair
// history, the maintenance schedule) are checked with the ten.
class AccessibilityTest : public WindowsTest {
protected:
    void SetUp() override
    {
        WindowsTest::SetUp();
        for (const QKeyCombination keys : {QKeyCombination(Qt::Key_F2), Qt::CTRL | Qt::Key_H, Qt::CTRL | Qt::Key_J}) {
            diagno->showModeless();
            ASSERT_TRUE(QTest::qWaitForWindowActive(diagno));
            pressKey(keys.key(), keys.keyboardModifiers());
        }
        ASSERT_EQ(windows().size(), 13);
    }
};

TEST_F(AccessibilityTest, EveryControlAUserCanReachHasANameAndARoleThatSaysWhatItDoes)
{
    QStringList problems;
    for (FormWindow* window : windows()) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(window);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->role(), window == DIALOG1 ? QAccessible::AlertMessage : QAccessible::Window)
            << window->objectName().toStdString();
        EXPECT_EQ(iface->text(QAccessible::Name), window->windowTitle());
        collectProblems(iface, window, problems);
    }
    EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
}

// What a screen reader lists must tell the controls apart: no decoration in
// the tree, no two controls of a window by one name (a list's edit is part
// of its list; a covered caption would repeat what covers it), no list or
// entry named by its value.
void collectNames(
    QAccessibleInterface* iface, const QWidget* window, QMap<QString, QStringList>& names, QStringList& problems)
{
    const auto* widget = qobject_cast<const QWidget*>(iface->object());
    if (widget && widget->window() != window)
        return;
    const QString what = window->objectName() + "/" + (widget ? widget->objectName() : QString());
    if (qobject_cast<const Shape*>(widget) || qobject_cast<const Bevel*>(widget)
        || (qobject_cast<const Picture*>(widget) && !static_cast<const Picture*>(widget)->takesClicks()))
        problems << what + ": decoration in the tree";
    const QString name = iface->text(QAccessible::Name);
    const QString value = iface->text(QAccessible::Value);
    // Qt's item views answer every text with their name.
    if (!value.isEmpty() && name == value && !qobject_cast<const QAbstractItemView*>(widget))
        problems << what + ": named by its value " + value;
    if (widget && isInteractive(iface) && !qobject_cast<const QComboBox*>(widget->parentWidget()))
        names[name] << what;
    for (int i = 0; i < iface->childCount(); ++i)
        if (QAccessibleInterface* child = iface->child(i))
            collectNames(child, window, names, problems);
}

TEST_F(AccessibilityTest, NamesTellTheControlsApartAndDecorationStaysOut)
{
    QStringList problems;
    for (FormWindow* window : windows()) {
        window->show();
        QMap<QString, QStringList> names;
        collectNames(QAccessible::queryAccessibleInterface(window), window, names, problems);
        for (auto it = names.cbegin(); it != names.cend(); ++it)
            if (it.value().size() > 1)
                problems << "\"" + it.key() + "\" names " + it.value().join(", ");
    }
    EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(control(TUNEUP, "RadioGroup3_item0"))->text(QAccessible::Name),
        QStringLiteral("VSM – 1. Menyetel governor gap"));
}

TEST_F(AccessibilityTest, TheThicknessNoticeIsAnAlertWithItsText)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(DIALOG1);
    EXPECT_EQ(iface->role(), QAccessible::AlertMessage);
    EXPECT_TRUE(iface->text(QAccessible::Description).startsWith(QStringLiteral("Masukkan data yang benar.")));
}

TEST_F(AccessibilityTest, ThePasswordBoxIsNamedAndNeverTellsWhatWasTyped)
{
    auto* box = control<QLineEdit>(awal_menu, "Edit1");
    box->setText(QStringLiteral("bOlt gerbong"));
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Password"));
    EXPECT_TRUE(iface->state().passwordEdit);
    QStringList told{iface->text(QAccessible::Value), iface->text(QAccessible::Description)};
    if (QAccessibleTextInterface* text = iface->textInterface())
        told << text->text(0, text->characterCount());
    for (const QString& t : told)
        EXPECT_FALSE(t.contains(QStringLiteral("gerbong"))) << t.toStdString();
}

// Entries are named by the label on their left, as a sighted user reads them.
// A typed list is named through its edit: on Linux Qt names the list itself
// by the text it holds.
TEST_F(AccessibilityTest, EveryEntryOfTheLifetimeWindowIsNamedByItsLabel)
{
    umurrem->show();
    QCoreApplication::processEvents();
    const auto place = [](const QWidget* w) { return QRect(w->mapTo(umurrem, QPoint(0, 0)), w->size()); };
    int entries = 0;
    for (QLineEdit* entry : umurrem->findChildren<QLineEdit*>()) {
        if (entry->isReadOnly() || !entry->isEnabledTo(umurrem))
            continue;
        QWidget* named = qobject_cast<QComboBox*>(entry->parentWidget()) ? entry->parentWidget() : entry;
        const QLabel* label = nullptr;
        for (const QLabel* l : umurrem->findChildren<QLabel*>()) {
            const QRect r = place(l);
            if (r.left() < place(named).left() && std::abs(r.center().y() - place(named).center().y()) <= 6
                && (!label || r.left() > place(label).left()))
                label = l;
        }
        ASSERT_NE(label, nullptr) << named->objectName().toStdString();
        EXPECT_EQ(QAccessible::queryAccessibleInterface(entry)->text(QAccessible::Name).toStdString(),
            label->text().toStdString());
        ++entries;
    }
    EXPECT_EQ(entries, 21);
}

struct ActionCase {
    const char* name;
    FormWindow* (*window)();
    const char* control;
    const char* shows; // the control or window that the handler shows
};

class AccessibleActionTest : public WindowsTest, public testing::WithParamInterface<ActionCase> { };

// The first action a screen reader offers runs the control's handler, as a click does.
TEST_P(AccessibleActionTest, RunsTheHandlerOfAClick)
{
    FormWindow* window = GetParam().window();
    window->show();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control(window, GetParam().control));
    ASSERT_NE(iface->actionInterface(), nullptr);
    const QStringList actions = iface->actionInterface()->actionNames();
    ASSERT_FALSE(actions.isEmpty());
    iface->actionInterface()->doAction(actions.first());
    const QString shows = QString::fromLatin1(GetParam().shows);
    QWidget* shown = nullptr;
    for (FormWindow* w : windows())
        shown = w->objectName() == shows ? w : shown;
    EXPECT_TRUE((shown ? shown : control(window, GetParam().shows))->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Controls, AccessibleActionTest,
    testing::Values(ActionCase{"LoginAboutMePicture", []() -> FormWindow* { return awal_menu; }, "Image3", "info"},
        ActionCase{"LoginHelpLabel", []() -> FormWindow* { return awal_menu; }, "Label3", "RichEdit1"},
        ActionCase{"DiagnosisSystemItem", []() -> FormWindow* { return diagno; }, "RadioGroup1_item2", "BitBtn8"},
        ActionCase{"LifetimeCheckBox", []() -> FormWindow* { return umurrem; }, "CheckBox2", "gayrem"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace loco
