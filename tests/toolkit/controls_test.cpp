#include "tests/support/text_box_lines.h"
#include "toolkit/core/error.h"
#include "toolkit/definition.h"
#include "toolkit/fonts.h"
#include "toolkit/radio_group.h"
#include "toolkit/rich_text_box.h"

#include <QFontInfo>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace loco {
namespace {

class RadioGroupTest : public testing::Test {
protected:
    void SetUp() override
    {
        group.setObjectName("RadioGroup1");
        group.setItems({"satu", "dua", "tiga"});
        group.resize(200, 120);
        group.show();
    }
    void clickItem(int i)
    {
        QTest::mouseClick(group.button(i), Qt::LeftButton, {}, QPoint(6, group.button(i)->height() / 2));
    }

    RadioGroup group;
};

TEST_F(RadioGroupTest, UserSelectingAnotherItemRunsTheHandlerOnce)
{
    QSignalSpy clicks(&group, &RadioGroup::clicked);
    clickItem(1);
    EXPECT_EQ(group.itemIndex(), 1);
    clickItem(2);
    EXPECT_EQ(group.itemIndex(), 2);
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(RadioGroupTest, ClickingTheSelectedItemAgainDoesNotRunTheHandler)
{
    clickItem(1);
    QSignalSpy clicks(&group, &RadioGroup::clicked);
    clickItem(1);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(group.itemIndex(), 1);
}

TEST_F(RadioGroupTest, SettingOrClearingTheIndexInCodeDoesNotRunTheHandler)
{
    QSignalSpy clicks(&group, &RadioGroup::clicked);
    group.setItemIndex(2);
    EXPECT_TRUE(group.button(2)->isChecked());
    group.setItemIndex(-1);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(group.itemIndex(), -1);
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(group.button(i)->isChecked());
    // After clearing, the same item counts as a new selection.
    clickItem(2);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(RadioGroupTest, ArrowKeysChooseAsTheyMoveRoundTheEnds)
{
    QSignalSpy clicks(&group, &RadioGroup::clicked);
    group.button(0)->setFocus();
    QTest::keyClick(group.button(0), Qt::Key_Down);
    EXPECT_EQ(group.itemIndex(), 1);
    QTest::keyClick(group.button(1), Qt::Key_Up);
    QTest::keyClick(group.button(0), Qt::Key_Up);
    EXPECT_EQ(group.itemIndex(), 2);
    EXPECT_EQ(group.focusWidget(), group.button(2));
    EXPECT_EQ(clicks.count(), 3);
}

TEST_F(RadioGroupTest, ItemsAreNamedAfterTheGroupAndStackedTopToBottom)
{
    EXPECT_EQ(group.button(0)->objectName(), QStringLiteral("RadioGroup1_item0"));
    EXPECT_LT(group.button(0)->y(), group.button(1)->y());
    EXPECT_LT(group.button(1)->y(), group.button(2)->y());
    EXPECT_LE(group.button(2)->geometry().bottom(), group.height());
}

TEST(RichTextBox, TreatsParagraphsAsLinesStartingFromNone)
{
    RichTextBox box;
    EXPECT_EQ(box.lineCount(), 0);
    box.appendLine(QString());
    EXPECT_EQ(box.lineCount(), 1);
    box.appendLine(QStringLiteral(" HASIL "));
    EXPECT_EQ(box.lines(), (QStringList{QString(), QStringLiteral(" HASIL ")}));
    box.clearLines();
    EXPECT_EQ(box.lineCount(), 0);
}

TEST(RichTextBox, ReplacesALineInPlaceAndRefusesOneOutsideTheList)
{
    RichTextBox box;
    box.setLines({"pertanyaan", "dua"});
    box.setLine(0, QStringLiteral("lihat hasil diagnosa "));
    EXPECT_EQ(box.lines(), (QStringList{"lihat hasil diagnosa ", "dua"}));
    EXPECT_THROW(box.setLine(2, QStringLiteral("x")), loco::Error);
    EXPECT_THROW(box.setLine(-1, QStringLiteral("x")), loco::Error);
}

TEST(RichTextBox, AppendedLinesTakeTheSizeAndIndentChosenBeforeThem)
{
    RichTextBox box;
    box.setAppendFontSize(12);
    box.setAppendFirstLineIndent(2);
    box.appendLine(QStringLiteral("HASIL DIAGNOSA: "));
    box.setAppendFirstLineIndent(12);
    box.setAppendFontSize(10);
    box.appendLine(QStringLiteral("sebab"));
    EXPECT_DOUBLE_EQ(lineFontSize(box, 0), 12);
    EXPECT_NEAR(lineFirstLineIndent(box, 0), 2, 0.01);
    EXPECT_DOUBLE_EQ(lineFontSize(box, 1), 10);
    EXPECT_NEAR(lineFirstLineIndent(box, 1), 12, 0.01);
}

struct FaceCase {
    const char* face;
    const char* installed;
};

class FontSubstituteTest : public testing::TestWithParam<FaceCase> { };

// Catches a missing font package: the stand-in must really be installed.
TEST_P(FontSubstituteTest, EveryNamedFaceResolvesToItsInstalledStandIn)
{
    const QFont font = loco::fontFromDefinition(QString::fromLatin1(GetParam().face) + ",-21,bold italic");
    // Fonts installed by two foundries carry the foundry: "Z003 [urw]".
    const QString family = QFontInfo(font).family().section(QStringLiteral(" ["), 0, 0);
    EXPECT_EQ(family, QString::fromLatin1(GetParam().installed));
    EXPECT_EQ(font.pixelSize(), 21);
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.italic());
}

INSTANTIATE_TEST_SUITE_P(Faces, FontSubstituteTest,
    testing::Values(FaceCase{"Westminster", "Liberation Sans Narrow"}, FaceCase{"Arial Black", "Liberation Sans"},
        FaceCase{"Arial Narrow", "Liberation Sans Narrow"}, FaceCase{"Arial", "Liberation Sans"},
        FaceCase{"Chiller", "Z003"}, FaceCase{"Comic Sans MS", "Comic Neue"},
        FaceCase{"Bookman Old Style", "URW Bookman"}, FaceCase{"Footlight MT Light", "Liberation Serif"},
        FaceCase{"Times New Roman", "Liberation Serif"}, FaceCase{"MS Sans Serif", "Liberation Sans"}),
    [](const auto& info) {
        std::string n = info.param.face;
        std::erase(n, ' ');
        return n;
    });

TEST(Definition, ColoursAndFontsApplyToTheControlAndItsChildren)
{
    QWidget panel;
    QWidget child(&panel);
    panel.setProperty("color", "navy");
    panel.setProperty("textColor", "white");
    panel.setProperty("textFont", "MS Sans Serif,-11,underline");
    loco::applyColors(&panel);
    loco::applyFonts(&panel);
    EXPECT_EQ(panel.palette().color(QPalette::Window), QColor(0, 0, 0x80));
    EXPECT_EQ(child.palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(child.font().pixelSize(), 11);
    EXPECT_TRUE(child.font().underline());
    EXPECT_EQ(loco::colorFromDefinition("btnface"), QColor(0xEC, 0xE9, 0xD8));
    EXPECT_EQ(loco::colorFromDefinition("Silver"), QColor(0xC0, 0xC0, 0xC0));
}

} // namespace
} // namespace loco
