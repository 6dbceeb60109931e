#include "toolkit/dialogs.h"
#include "toolkit/form_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>
#include <gtest/gtest.h>

// Qt's own menus and dialogs, opened from our windows: disabled items look
// disabled, and no English is left in them.
namespace loco {
namespace {

// The darkest grey in the area: the ink of a caption, grey when greyed.
int ink(const QImage& image, QRect area)
{
    int darkest = 255;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
    return darkest;
}

TEST(QtDialogs, DisabledItemsLookDisabledBesideEnabledOnes)
{
    FormWindow window;
    window.show();
    QMenu menu(&window);
    QAction* enabled = menu.addAction(QStringLiteral("Kembali satu pertanyaan"));
    QAction* disabled = menu.addAction(QStringLiteral("Kembali satu pertanyaan"));
    disabled->setEnabled(false);
    const QImage menuPicture = menu.grab().toImage();
    EXPECT_GT(ink(menuPicture, menu.actionGeometry(disabled)), ink(menuPicture, menu.actionGeometry(enabled)) + 60);

    QDialog dialog(&window);
    auto* layout = new QHBoxLayout(&dialog);
    QPushButton* buttons[] = {new QPushButton(QStringLiteral("Simpan")), new QPushButton(QStringLiteral("Simpan"))};
    layout->addWidget(buttons[0]);
    layout->addWidget(buttons[1]);
    buttons[1]->setEnabled(false);
    dialog.show();
    const QImage dialogPicture = dialog.grab().toImage();
    // The caption, inside the button's bevel.
    const auto caption = [](QWidget* button) { return button->geometry().adjusted(4, 4, -4, -4); };
    EXPECT_GT(ink(dialogPicture, caption(buttons[1])), ink(dialogPicture, caption(buttons[0])) + 60);
}

// Every text a dialog can show (captions, list items, tabs, headers, tips)
// against English words of Qt's texts that Indonesian does not use.
void expectNoEnglish(QWidget* dialog)
{
    static const QRegularExpression english(
        QStringLiteral("\\b(Print|Printer|Properties|Pages?|Paper|Size|Orientation|Portrait|Landscape|Margins|"
                       "Options|Advanced|Job|Copies|Collate|Colou?r|Grayscale|Duplex|Cancel|Files?|Name|Type|Look|"
                       "Save|Delete|Back|Forward|Detail|Width|Height|Source|Custom|Millimeters|Inches|Preview|"
                       "Location|Output|Range|Current|Banner|Envelope|Value|Date|Modified|Recent|Places|Computer|"
                       "Form|Layout|Open|Directory|Show|Sidebar|View|Parent|Create|Sided)\\b"),
        QRegularExpression::CaseInsensitiveOption);
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
    for (const QString& text : texts)
        EXPECT_FALSE(QString(text).remove('&').contains(english))
            << dialog->metaObject()->className() << ": " << text.toStdString();
}

// Checks the modal dialog that opening brings up, then closes it.
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
            auto* properties = print->findChild<QPushButton*>(QStringLiteral("properties"));
            ASSERT_NE(properties, nullptr);
            inspectModal([properties] { properties->click(); }, expectNoEnglish);
        });
    inspectModal([&] { askSaveFileName(&window, QStringLiteral("laporan.pdf")); }, expectNoEnglish);
}

} // namespace
} // namespace loco
