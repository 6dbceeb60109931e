#include "shell/UAWAL_MENU1.h"
#include "shell/Uinfo.h"
#include "shell/Umenu1.h"
#include "shell/window_refs.h"
#include "tests/support/windows_fixture.h"
#include "toolkit/rich_text_box.h"

#include <QLineEdit>
#include <QStyle>
#include <QTest>

namespace loco {
namespace {

class LoginWindowTest : public WindowsTest {
protected:
    QLineEdit* edit() { return control<QLineEdit>(awal_menu, "Edit1"); }
    void submit(const QString& password)
    {
        edit()->setFocus();
        QTest::keyClicks(edit(), password);
        click(control(awal_menu, "Panel2"));
    }
};

struct PasswordCase {
    const char* name;
    const char* typed; // UTF-8
    bool accepted;
};

class PasswordTest : public LoginWindowTest, public testing::WithParamInterface<PasswordCase> { };

TEST_P(PasswordTest, OpensTheMenuOnlyForAnAcceptedSpellingAndAlwaysClearsTheBox)
{
    submit(QString::fromUtf8(GetParam().typed));
    EXPECT_EQ(menu1->isVisible(), GetParam().accepted);
    EXPECT_TRUE(edit()->text().isEmpty());
    EXPECT_TRUE(awal_menu->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Spellings, PasswordTest,
    testing::Values(PasswordCase{"SecondLetterUpper", "bOlt gerbong", true},
        PasswordCase{"ThirdLetterUpper", "boLt gerbong", true}, PasswordCase{"FourthLetterUpper", "bolT gerbong", true},
        PasswordCase{"Empty", "", false}, PasswordCase{"TrailingBlank", "bOlt gerbong ", false},
        PasswordCase{"LeadingBlank", " bOlt gerbong", false}, PasswordCase{"AllLowerCase", "bolt gerbong", false},
        PasswordCase{"FirstLetterUpper", "Bolt gerbong", false}, PasswordCase{"TwoLettersUpper", "bOLt gerbong", false},
        PasswordCase{"Prefix", "bOlt", false}, PasswordCase{"NonAscii", "b\xC3\x96lt gerbong", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoginWindowTest, RefusesAVeryLongPasswordByClearingTheBox)
{
    edit()->setText(QString(10000, QLatin1Char('x')));
    click(control(awal_menu, "Panel2"));
    EXPECT_FALSE(menu1->isVisible());
    EXPECT_TRUE(edit()->text().isEmpty());
}

TEST_F(LoginWindowTest, PasswordBoxMasksEveryCharacterWithAnAsterisk)
{
    EXPECT_EQ(edit()->echoMode(), QLineEdit::Password);
    EXPECT_EQ(edit()->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, edit()), '*');
}

TEST_F(LoginWindowTest, EnterInThePasswordBoxDoesNotSubmit)
{
    edit()->setFocus();
    QTest::keyClicks(edit(), "bOlt gerbong");
    QTest::keyClick(edit(), Qt::Key_Return);
    EXPECT_FALSE(menu1->isVisible());
    EXPECT_EQ(edit()->text(), QStringLiteral("bOlt gerbong"));
}

TEST_F(LoginWindowTest, SecondAcceptedPasswordBringsTheSameMenuBack)
{
    submit("bOlt gerbong");
    Tmenu1* first = menu1;
    menu1->close();
    EXPECT_FALSE(menu1->isVisible());
    EXPECT_TRUE(awal_menu->isVisible());
    submit("bolT gerbong");
    EXPECT_EQ(menu1, first);
    EXPECT_TRUE(menu1->isVisible());
}

TEST_F(LoginWindowTest, HelpShowsTwiceAndHideHidesTextAndButton)
{
    auto* help = control<RichTextBox>(awal_menu, "RichEdit1");
    auto* hide = control(awal_menu, "Panel3");
    EXPECT_FALSE(help->isVisible());
    EXPECT_FALSE(hide->isVisible());
    click(control(awal_menu, "Label3"));
    click(control(awal_menu, "Label3"));
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(hide->isVisible());
    click(hide);
    EXPECT_FALSE(help->isVisible());
    EXPECT_FALSE(hide->isVisible());
}

TEST_F(LoginWindowTest, HelpTextHoldsItsEighteenLinesExactly)
{
    const QStringList lines = control<RichTextBox>(awal_menu, "RichEdit1")->lines();
    ASSERT_EQ(lines.size(), 18);
    EXPECT_EQ(lines[0], QStringLiteral("   Wellcoming at exspert system"));
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines[15], QStringLiteral(" program, silahkan tekan  "));
    EXPECT_EQ(lines[16], QStringLiteral(" tombol CLOSE diatas."));
    EXPECT_EQ(lines[17], QString());
}

TEST_F(LoginWindowTest, AboutMeOpensTheAboutWindowFromLabelAndFromItsArea)
{
    click(control(awal_menu, "Label2"));
    EXPECT_TRUE(info->isVisible());
    EXPECT_TRUE(awal_menu->isVisible());
    info->close();
    click(control(awal_menu, "Image3"));
    EXPECT_TRUE(info->isVisible());
}

} // namespace
} // namespace loco
