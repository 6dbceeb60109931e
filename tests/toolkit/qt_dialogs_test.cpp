#include "toolkit/dialogs.h"
#include "toolkit/form_window.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <functional>
#include <gtest/gtest.h>

// Qt's own menus and dialogs, opened from our windows: disabled items look
// disabled, and no English is left in them.
namespace loco {
namespace {

// The lightest of the darkest pixels of each row in the area: the ink of
// its text, grey where the text is greyed.
int inkGray(const QImage& image, QRect area)
{
    int ink = 255;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ink = std::min(ink, qGray(image.pixel(x, y)));
    return ink;
}

TEST(QtDialogs, DisabledItemsLookDisabledBesideEnabledOnes)
{
    FormWindow window;
    window.resize(300, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QMenu menu(&window);
    QAction* enabled = menu.addAction(QStringLiteral("Kembali satu pertanyaan"));
    QAction* disabled = menu.addAction(QStringLiteral("Kembali satu pertanyaan"));
    disabled->setEnabled(false);
    menu.popup(window.mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    const QImage menuPicture = menu.grab().toImage();
    EXPECT_GT(
        inkGray(menuPicture, menu.actionGeometry(disabled)), inkGray(menuPicture, menu.actionGeometry(enabled)) + 60);
    menu.close();

    QDialog dialog(&window);
    auto* layout = new QHBoxLayout(&dialog);
    auto* save = new QPushButton(QStringLiteral("Simpan"));
    auto* cancel = new QPushButton(QStringLiteral("Simpan"));
    layout->addWidget(cancel);
    layout->addWidget(save);
    save->setEnabled(false);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QImage dialogPicture = dialog.grab().toImage();
    // The caption's ink, inside the button's bevel.
    const auto caption = [](QWidget* button) { return button->geometry().adjusted(4, 4, -4, -4); };
    EXPECT_GT(inkGray(dialogPicture, caption(save)), inkGray(dialogPicture, caption(cancel)) + 60);
}

// Every text a dialog can show: captions, list items, tabs, headers, tips.
QStringList textsOf(QWidget* dialog)
{
    QStringList texts{dialog->windowTitle()};
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        texts << w->toolTip() << w->accessibleName();
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text();
        if (auto* group = qobject_cast<QGroupBox*>(w))
            texts << group->title();
        if (auto* list = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
        if (auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        if (auto* header = qobject_cast<QHeaderView*>(w); header && header->model())
            for (int i = 0; i < header->count(); ++i)
                texts << header->model()->headerData(i, header->orientation()).toString();
    }
    return texts;
}

// English words of Qt's texts, none of which Indonesian uses.
void expectNoEnglish(QWidget* dialog)
{
    static const QRegularExpression english(
        QStringLiteral("\\b(Print|Printer|Properties|Pages?|Paper|Size|Orientation|Portrait|Landscape|Margins|"
                       "Options|Advanced|Job|Copies|Collate|Colou?r|Grayscale|Duplex|Cancel|Files?|Name|Type|Look|"
                       "Save|Delete|Back|Forward|Detail|Width|Height|Source|Custom|Millimeters|Inches|Preview|"
                       "Location|Output|Range|Current|Banner|Envelope|Value|Date|Modified|Recent|Places|Computer|"
                       "Form|Layout|Open|Directory|Show|Sidebar|View|Parent|Create|Sided)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    for (const QString& text : textsOf(dialog)) {
        const QString plain = QString(text).remove(QLatin1Char('&'));
        EXPECT_FALSE(plain.contains(english)) << dialog->metaObject()->className() << ": " << text.toStdString();
    }
}

// Runs the check on the modal dialog that the action opens, then closes it.
void inspectModal(const std::function<void()>& open, const std::function<void(QDialog*)>& inspect)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        seen = true;
        inspect(dialog);
        dialog->reject();
    });
    open();
    EXPECT_TRUE(seen);
}

TEST(QtDialogs, PrintAndFileDialogsAreInIndonesian)
{
    FormWindow window;
    window.show();
    QPrinter printer;
    inspectModal([&] { runPrintDialog(&window, printer); },
        [](QDialog* print) {
            expectNoEnglish(print);
            QPushButton* properties = nullptr;
            for (QPushButton* button : print->findChildren<QPushButton*>())
                if (button->objectName() == QLatin1String("properties"))
                    properties = button;
            ASSERT_NE(properties, nullptr);
            inspectModal([properties] { properties->click(); }, expectNoEnglish);
        });
    inspectModal([&] { askSaveFileName(&window, QStringLiteral("laporan.pdf")); }, expectNoEnglish);
}

} // namespace
} // namespace loco
