#include "calculators/UMENU_Gayrem.h"
#include "calculators/UMENU_UR.h"
#include "calculators/Udialog1.h"
#include "shell/window_refs.h"
#include "tests/calculators/calculator_window_driver.h"
#include "tests/calculators/fill_in_layout.h"
#include "tests/support/error_recorder.h"
#include "toolkit/error_box.h"
#include "toolkit/memo_box.h"

#include <QCheckBox>
#include <QPushButton>

namespace loco {
namespace {

using Texts = std::map<std::string, QString>;

// The result fields from the top; the force per block is shown first of all.
const char* const kResultFields[]
    = {"Edit40", "Edit39", "Edit37", "Edit36", "Edit35", "Edit34", "Edit33", "Edit24", "Edit32", "Edit31"};

const Texts kResultsOfTheDefaults{{"Edit40", "2430,36"}, {"Edit39", "405,06"}, {"Edit37", "32404,80"},
    {"Edit36", "1361001,60"}, {"Edit35", "0,04"}, {"Edit34", "808207,38"}, {"Edit33", "1234,39"}, {"Edit24", "1662,18"},
    {"Edit32", "4950,18"}, {"Edit31", "3,44"}};

class BrakeBlockLifetimeWindowTest : public WindowsTest {
protected:
    void SetUp() override
    {
        WindowsTest::SetUp();
        umurrem->showModeless();
        ASSERT_TRUE(QTest::qWaitForWindowActive(umurrem));
        window = CalculatorWindowDriver(umurrem);
    }

    // Everything that HITUNG and HAPUS may change, as comparable text.
    QStringList state() const
    {
        QStringList shown;
        for (const char* name : kResultFields)
            shown << QStringLiteral("%1=%2").arg(name, window.text(name));
        for (const char* name : {"Edit14", "Edit15"})
            shown << QStringLiteral("%1=%2%3").arg(
                name, window.text(name), window.shown(name) ? QString() : QStringLiteral(" (hidden)"));
        shown << (window.shown("Panel18") ? QStringLiteral("picture") : QStringLiteral("conclusion"));
        return shown;
    }

    // The state at start with these results, or with a whole conclusion.
    static QStringList startWith(const Texts& results, const char* days = nullptr, const char* hours = nullptr)
    {
        QStringList shown;
        for (const char* name : kResultFields)
            shown << QStringLiteral("%1=%2").arg(name, results.count(name) ? results.at(name) : QString());
        if (days)
            shown << QStringLiteral("Edit14=%1").arg(days) << QStringLiteral("Edit15=%1").arg(hours)
                  << QStringLiteral("conclusion");
        else
            shown << QStringLiteral("Edit14=|") << QStringLiteral("Edit15= (hidden)") << QStringLiteral("picture");
        return shown;
    }

    static Texts with(Texts texts, const Texts& changes)
    {
        for (const auto& [name, text] : changes)
            texts[name] = text;
        return texts;
    }

    CalculatorWindowDriver window{nullptr};
};

TEST_F(BrakeBlockLifetimeWindowTest, DefaultsGiveTheWorkedExamples)
{
    window.press("Button1");
    EXPECT_EQ(state(), startWith(kResultsOfTheDefaults, "3", "82"));

    window.type("ComboBox1", "100");
    window.press("Button1");
    EXPECT_EQ(state(),
        startWith(with(kResultsOfTheDefaults, {{"Edit33", "2468,77"}, {"Edit32", "9900,37"}, {"Edit31", "1,72"}}), "2",
            "41"));
}

struct FailureCase {
    const char* name;
    Texts entries;
    const char* message;
    bool forceShown;
};

void PrintTo(const FailureCase& row, std::ostream* out)
{
    *out << row.name;
}

class BrakeBlockLifetimeFailureTest : public BrakeBlockLifetimeWindowTest,
                                      public testing::WithParamInterface<FailureCase> { };

TEST_P(BrakeBlockLifetimeFailureTest, KeepsWhatFollowsTheFault)
{
    window.type(GetParam().entries);
    ErrorRecorder errors;
    window.press("Button1");
    EXPECT_EQ(errors.texts, QStringList{QString::fromUtf8(GetParam().message)});
    EXPECT_EQ(state(), startWith(GetParam().forceShown ? Texts{{"Edit24", "1662,18"}} : Texts{}));
}

INSTANTIATE_TEST_SUITE_P(Entries, BrakeBlockLifetimeFailureTest,
    testing::Values(
        FailureCase{"FractionalSpeed", {{"ComboBox1", "7,5"}}, "'7,5' is not a valid integer value.", false},
        FailureCase{"ZeroParticleDiameter", {{"Edit6", "0"}}, "Floating point division by zero.", false},
        FailureCase{"ZeroLowerArm", {{"Edit20", "0"}}, "Floating point division by zero.", false},
        FailureCase{"ZeroWheels", {{"Edit23", "0"}}, "Invalid floating point operation.", false},
        FailureCase{"ZeroWheelDiameter", {{"Edit1", "0"}}, "Floating point division by zero.", true},
        FailureCase{"ZeroHardness", {{"Edit11", "0"}}, "Floating point division by zero.", true},
        FailureCase{"SpeedOutsideTable", {{"ComboBox1", "75"}}, "Floating point division by zero.", true},
        FailureCase{"NoBrakingOnATrip", {{"Edit12", "0"}}, "Floating point division by zero.", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BrakeBlockLifetimeWindowTest, ClearEmptiesAllButTheRiggingAndCoversTheConclusion)
{
    window.press("Button1");
    window.press("Button3");

    for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "ComboBox1", "Edit7", "Edit8",
             "Edit9", "Edit11", "Edit12", "Edit13"})
        EXPECT_EQ(window.entry(name)->text(), QString()) << name;
    EXPECT_EQ(control<QComboBox>(umurrem, "ComboBox1")->count(), 4);
    const Texts rigging{{"Edit16", "730"}, {"Edit17", "3,8"}, {"Edit18", "100"}, {"Edit19", "475"}, {"Edit20", "355"},
        {"Edit21", "140"}, {"Edit22", "200"}, {"Edit23", "8"}};
    for (const auto& [name, text] : rigging)
        EXPECT_EQ(window.text(name.c_str()), text) << name;
    QStringList cleared = startWith({{"Edit24", "1662,18"}}, "3", "82");
    cleared.replace(cleared.size() - 1, QStringLiteral("picture"));
    EXPECT_EQ(state(), cleared);
    // What the user sees over each fill-in is the picture panel.
    QWidget* panel = control(umurrem, "Panel18");
    for (const char* name : {"Edit14", "Edit15"}) {
        QWidget* field = control(umurrem, name);
        QWidget* seen = field->parentWidget()->childAt(field->geometry().center());
        EXPECT_TRUE(seen == panel || panel->isAncestorOf(seen)) << name;
    }
    EXPECT_FALSE(DIALOG1->isVisible());

    ErrorRecorder errors;
    window.press("Button1");
    EXPECT_EQ(errors.texts, QStringList{"'' is not a valid floating point value."});
}

struct NoticeCase {
    const char* minimum;
    bool notice;
    const char* allowedWear; // HITUNG still computes with what was typed
};

void PrintTo(const NoticeCase& row, std::ostream* out)
{
    *out << row.minimum;
}

class ThicknessNoticeTest : public BrakeBlockLifetimeWindowTest, public testing::WithParamInterface<NoticeCase> { };

TEST_P(ThicknessNoticeTest, InformsWithoutBlockingOrChangingAnything)
{
    window.type("Edit5", GetParam().minimum);
    EXPECT_EQ(DIALOG1->isVisible(), GetParam().notice);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    window.press("Button1");
    EXPECT_EQ(window.text("Edit36"), QString::fromUtf8(GetParam().allowedWear));
    EXPECT_EQ(window.text("Edit5"), QString::fromUtf8(GetParam().minimum));
}

INSTANTIATE_TEST_SUITE_P(Minimums, ThicknessNoticeTest,
    testing::Values(NoticeCase{"9", false, "1328596,80"}, NoticeCase{"50", true, "0,00"},
        NoticeCase{"60", true, "-324048,00"}, NoticeCase{"100", true, "-1620240,00"}),
    [](const auto& info) { return "Minimum" + std::string(info.param.minimum); });

TEST_F(BrakeBlockLifetimeWindowTest, OnlyAChangeOfTheMinimumChecksAndTextsThatAreNoNumbersPass)
{
    for (const char* minimum : {"60x", "1e999", "6O", ""})
        window.paste("Edit5", QString::fromLatin1(minimum));
    EXPECT_FALSE(DIALOG1->isVisible());

    window.type("Edit4", "5");
    EXPECT_FALSE(DIALOG1->isVisible());
    window.type("Edit5", "8");
    EXPECT_TRUE(DIALOG1->isVisible());
}

TEST_F(BrakeBlockLifetimeWindowTest, NoticeHidesWithItsDefaultButton)
{
    window.type("Edit5", "50");
    auto* ok = control<QPushButton>(DIALOG1, "OKBtn");
    EXPECT_TRUE(ok->isDefault());
    click(ok);
    EXPECT_FALSE(DIALOG1->isVisible());
    EXPECT_TRUE(umurrem->isVisible());

    window.type("Edit5", "51");
    EXPECT_TRUE(DIALOG1->isVisible());
    QTest::keyClick(ok, Qt::Key_Return);
    EXPECT_FALSE(DIALOG1->isVisible());
}

TEST_F(BrakeBlockLifetimeWindowTest, CheckBoxOpensTheSameBrakeForceWindowEachTime)
{
    auto* box = control<QCheckBox>(umurrem, "CheckBox2");
    click(box);
    EXPECT_TRUE(gayrem->isVisible());
    EXPECT_FALSE(box->isChecked());

    ASSERT_TRUE(QTest::qWaitForWindowActive(gayrem));
    CalculatorWindowDriver(gayrem).type("Edit14", "500");
    gayrem->close();
    click(box);
    click(box);
    EXPECT_TRUE(gayrem->isVisible());
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(CalculatorWindowDriver(gayrem).text("Edit14"), QStringLiteral("500"));
}

TEST_F(BrakeBlockLifetimeWindowTest, ResultsCannotBeEditedYetReadAsUsual)
{
    window.press("Button1");
    EXPECT_FALSE(control(umurrem, "GroupBox2")->isEnabled());
    for (const char* name : {"Edit31", "Edit14", "Memo1"}) {
        const QPalette& palette = control(umurrem, name)->palette();
        for (const auto role : {QPalette::Text, QPalette::Base})
            EXPECT_EQ(palette.color(QPalette::Disabled, role), palette.color(QPalette::Active, role)) << name;
    }
    QTest::keyClicks(control(umurrem, "Edit31"), "9");
    EXPECT_EQ(window.text("Edit31"), QStringLiteral("3,44"));
}

TEST_F(BrakeBlockLifetimeWindowTest, EachFillInReadsAsPartOfTheConclusion)
{
    window.type("Edit12", "1");
    window.press("Button1");
    ASSERT_EQ(window.text("Edit15"), QStringLiteral("1650"));
    const ConclusionLayout layout(control<MemoBox>(umurrem, "Memo1"));
    for (const auto& [name, follows] : {std::pair{"Edit14", "adalah"}, std::pair{"Edit15", "sekitar"}}) {
        auto* field = control<QLineEdit>(umurrem, name);
        EXPECT_TRUE(layout.wordsBefore(field).trimmed().endsWith(QLatin1String(follows))) << name;
        EXPECT_FALSE(layout.hidesText(field)) << name;
        EXPECT_LE(field->fontMetrics().horizontalAdvance(field->text()) + 4, field->width()) << name;
    }
}

TEST_F(BrakeBlockLifetimeWindowTest, EntriesTakeVeryLongTexts)
{
    const QString digits(100000, QLatin1Char('7'));
    window.paste("Edit5", digits);
    window.paste("ComboBox1", digits);
    EXPECT_EQ(window.entry("Edit5")->text(), digits);
    EXPECT_EQ(window.entry("ComboBox1")->text(), digits);
    EXPECT_FALSE(DIALOG1->isVisible());

    ErrorRecorder errors;
    window.press("Button1");
    window.type("Edit5", "8");
    window.press("Button1");
    // The message quotes the whole entry; the box shows it shortened in its middle.
    EXPECT_EQ(errors.texts,
        (QStringList{"Floating point overflow.", errorBoxText("'" + digits + "' is not a valid integer value")}));
    EXPECT_EQ(state(), startWith({}));
}

} // namespace
} // namespace loco
