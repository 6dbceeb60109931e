#include "calculators/UMENU_DM.h"
#include "shell/Umenu1.h"
#include "shell/window_refs.h"
#include "tests/calculators/calculator_window_driver.h"
#include "tests/support/error_recorder.h"
#include "toolkit/error_box.h"
#include "toolkit/memo_box.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTextBlock>

#include <map>
#include <ostream>

// Readable failure output for compared texts.
void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace loco {
namespace {

using Entries = std::map<std::string, QString>;

const char* const kResultFields[] = {"Edit2", "Edit5", "Edit6", "Edit15"};
const char* const kEntryNames[] = {"edit11", "edit12", "edit13", "edit14", "ComboBox1", "ComboBox2", "edit18"};

class EnginePowerWindowTest : public WindowsTest {
protected:
    void SetUp() override
    {
        WindowsTest::SetUp();
        DM->showModeless();
        // Typing behaves as for a user only in the active window (completion).
        ASSERT_TRUE(QTest::qWaitForWindowActive(DM));
        window = CalculatorWindowDriver(DM);
    }

    // Everything that HITUNG and HAPUS may change, as comparable text.
    QStringList state() const
    {
        QStringList shown;
        for (const char* name : kResultFields)
            shown << QStringLiteral("%1=%2").arg(name, window.text(name));
        for (const char* name : {"Edit21", "Edit25"})
            shown << QStringLiteral("%1=%2 %3").arg(name, window.text(name), visibility(name));
        for (const char* name : {"Memo1", "Memo2"})
            shown << QStringLiteral("%1 %2").arg(name, visibility(name));
        return shown;
    }

    QString visibility(const char* name) const
    {
        return window.shown(name) ? QStringLiteral("shown") : QStringLiteral("hidden");
    }

    // The state of the window showing a conclusion with these texts.
    static QStringList conclusion(const QStringList& results, const QString& power)
    {
        QStringList shown;
        for (int i = 0; i < 4; ++i)
            shown << QStringLiteral("%1=%2").arg(kResultFields[i], results[i]);
        return shown << QStringLiteral("Edit21=%1 shown").arg(power)
                     << QStringLiteral("Edit25=%1 shown").arg(results[3]) << QStringLiteral("Memo1 shown")
                     << QStringLiteral("Memo2 hidden");
    }

    CalculatorWindowDriver window{nullptr};
};

struct Example {
    const char* name;
    Entries typed;
    QStringList results; // Edit2, Edit5, Edit6, Edit15
    const char* power; // Edit21
};

void PrintTo(const Example& row, std::ostream* out)
{
    *out << row.name;
}

class EnginePowerExampleTest : public EnginePowerWindowTest, public testing::WithParamInterface<Example> { };

TEST_P(EnginePowerExampleTest, ShowsResultsAndConclusion)
{
    window.type(GetParam().typed);
    window.press("Button1");
    EXPECT_EQ(state(), conclusion(GetParam().results, QString::fromUtf8(GetParam().power)));

    window.press("Button1");
    EXPECT_EQ(state(), conclusion(GetParam().results, QString::fromUtf8(GetParam().power)));
}

INSTANTIATE_TEST_SUITE_P(Entries, EnginePowerExampleTest,
    testing::Values(Example{"Defaults", {}, {"10940,70", "1254,35", "1813,77", "0,00008821"}, "1814"},
        Example{"TwoStroke", {{"ComboBox1", "2"}}, {"10940,70", "2508,70", "3627,54", "0,00004411"}, "3628"},
        Example{"FourWithBlankIsNotTheItem", {{"ComboBox1", " 4"}}, {"10940,70", "10034,78", "14510,15", "0,00001103"},
            "14510"},
        Example{"TypedPrefixOfAnItemStaysAsTyped", {{"ComboBox2", "1"}}, {"10940,70", "156,79", "226,72", "0,00070571"},
            "227"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Failure {
    const char* name;
    Entries typed;
    const char* message;
    int resultsShown; // how many result fields show the failed computation
};

void PrintTo(const Failure& row, std::ostream* out)
{
    *out << row.name;
}

class EnginePowerFailureTest : public EnginePowerWindowTest, public testing::WithParamInterface<Failure> {
protected:
    // What the window shows after the failure, starting from `before`: the
    // first results of this computation and nothing else.
    QStringList expected(QStringList before)
    {
        const QStringList fresh{"10940,70", "1254,35", "0,00"};
        for (int i = 0; i < GetParam().resultsShown; ++i)
            before[i] = QStringLiteral("%1=%2").arg(kResultFields[i], fresh[i]);
        return before;
    }

    void failAndExpect(const QStringList& before)
    {
        window.type(GetParam().typed);
        ErrorRecorder errors;
        window.press("Button1");
        EXPECT_EQ(errors.texts, QStringList{QString::fromUtf8(GetParam().message)});
        EXPECT_EQ(state(), expected(before));
    }
};

TEST_P(EnginePowerFailureTest, StopsAtTheFaultInTheExplanationState)
{
    failAndExpect(state());
}

TEST_P(EnginePowerFailureTest, StopsAtTheFaultInTheConclusionState)
{
    window.type("edit11", "20");
    window.press("Button1");
    const QStringList before = conclusion({"8374,38", "960,12", "1388,32", "0,00011525"}, "1388");
    ASSERT_EQ(state(), before);
    window.type("edit11", "22,86");
    failAndExpect(before);
}

INSTANTIATE_TEST_SUITE_P(Entries, EnginePowerFailureTest,
    testing::Values(Failure{"EmptyBore", {{"edit11", ""}}, "'' is not a valid floating point value.", 0},
        Failure{"CylindersAreReadBeforeStrokes", {{"ComboBox1", "dua"}, {"ComboBox2", "delapan"}},
            "'delapan' is not a valid floating point value.", 0},
        Failure{"EntryTooLarge", {{"edit14", "1E400"}}, "Floating point overflow.", 0},
        Failure{"TorqueTooLarge", {{"edit14", "1E307"}}, "Floating point overflow.", 1},
        Failure{"ZeroSpeed", {{"edit13", "0"}}, "Floating point division by zero.", 3},
        Failure{"ZeroSpeedAndFuel", {{"edit13", "0"}, {"edit18", "0"}}, "Invalid floating point operation.", 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EnginePowerWindowTest, StartsWithDefaultsAndTheExplanation)
{
    const QStringList defaults{"22,86", "26,67", "1050", "18", "4", "8", "0,16"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(window.entry(kEntryNames[i])->text(), defaults[i]) << kEntryNames[i];
    EXPECT_EQ(state(),
        (QStringList{"Edit2=", "Edit5=", "Edit6=", "Edit15=", "Edit21=Edit21 hidden", "Edit25=Edit21 hidden",
            "Memo1 hidden", "Memo2 shown"}));
}

TEST_F(EnginePowerWindowTest, ResultFieldsTakeNoInput)
{
    window.press("Button1");
    auto* result = control<QLineEdit>(DM, "Edit6");
    click(result);
    QTest::keyClicks(result, "9");
    EXPECT_FALSE(result->hasFocus());
    EXPECT_EQ(result->text(), QStringLiteral("1813,77"));
}

TEST_F(EnginePowerWindowTest, ClearEmptiesEntriesKeepsResultsAndBringsTheExplanationBack)
{
    window.press("Button1");
    const QStringList computed = state();
    window.press("Button3");
    for (const char* name : kEntryNames)
        EXPECT_EQ(window.entry(name)->text(), QString()) << name;
    EXPECT_EQ(control<QComboBox>(DM, "ComboBox1")->count(), 2);
    EXPECT_EQ(control<QComboBox>(DM, "ComboBox2")->count(), 3);
    QStringList cleared = computed.mid(0, 4);
    cleared << "Edit21=1814 hidden"
            << "Edit25=0,00008821 hidden"
            << "Memo1 hidden"
            << "Memo2 shown";
    EXPECT_EQ(state(), cleared);

    ErrorRecorder errors;
    window.press("Button1");
    EXPECT_EQ(errors.texts, QStringList{"'' is not a valid floating point value."});
    EXPECT_EQ(state(), cleared);
}

TEST_F(EnginePowerWindowTest, AfterClearTheListsOfferTheirItemsAgain)
{
    window.press("Button3");
    window.type({{"edit11", "22,86"}, {"edit12", "26,67"}, {"edit13", "1050"}, {"edit14", "18"}, {"edit18", "0,16"}});
    for (const char* name : {"ComboBox1", "ComboBox2"}) {
        // The first item, chosen with the keyboard.
        window.entry(name)->setFocus();
        QTest::keyClick(control(DM, name), Qt::Key_Down);
    }
    EXPECT_EQ(window.entry("ComboBox1")->text(), QStringLiteral("2"));
    EXPECT_EQ(window.entry("ComboBox2")->text(), QStringLiteral("8"));
    window.press("Button1");
    EXPECT_EQ(state(), conclusion({"10940,70", "2508,70", "3627,54", "0,00004411"}, "3628"));
}

TEST_F(EnginePowerWindowTest, RefusedEntryCanBeCorrected)
{
    window.type("edit13", "1050 rpm");
    {
        ErrorRecorder errors;
        window.press("Button1");
        EXPECT_EQ(errors.texts, QStringList{"'1050 rpm' is not a valid floating point value."});
    }
    window.type("edit13", "1050");
    window.press("Button1");
    EXPECT_EQ(state(), conclusion({"10940,70", "1254,35", "1813,77", "0,00008821"}, "1814"));
}

TEST_F(EnginePowerWindowTest, FinishHidesAndTheMenuBringsEverythingBack)
{
    window.type("ComboBox1", "2");
    window.press("Button1");
    const QStringList computed = state();
    window.press("Button2");
    EXPECT_FALSE(DM->isVisible());

    menu1->showModeless();
    click(control(menu1, "SpeedButton7"));
    EXPECT_TRUE(DM->isVisible());
    EXPECT_EQ(window.entry("ComboBox1")->text(), QStringLiteral("2"));
    EXPECT_EQ(state(), computed);
}

TEST_F(EnginePowerWindowTest, EntriesTakeVeryLongTexts)
{
    // 0.16 written with 100,000 digits: cut anywhere short of its end it
    // would read as 0.
    const QString fuel = QStringLiteral("0,") + QString(100000, QLatin1Char('0')) + QStringLiteral("16E100000");
    window.paste("edit18", fuel);
    ASSERT_EQ(window.entry("edit18")->text(), fuel);
    window.press("Button1");
    EXPECT_EQ(window.text("Edit15"), QStringLiteral("0,00008821"));

    const QString refused = QString(100000, QLatin1Char('7')) + QLatin1Char('x');
    window.paste("ComboBox2", refused);
    ErrorRecorder errors;
    window.press("Button1");
    // The message quotes the whole entry; the box shows it shortened in its middle.
    EXPECT_EQ(errors.texts,
        QStringList{
            errorBoxText(QLatin1Char('\'') + refused + QStringLiteral("' is not a valid floating point value"))});
}

TEST_F(EnginePowerWindowTest, ATooLongResultShowsItsStartAndIsWholeInItsTip)
{
    // Bore and stroke typed in millimetres give a power wider than its fill-in.
    window.type({{"edit11", "228,6"}, {"edit12", "266,7"}});
    window.press("Button1");
    auto* power = control<QLineEdit>(DM, "Edit21");
    ASSERT_EQ(power->text(), QStringLiteral("1813769"));
    EXPECT_EQ(power->cursorPosition(), 0);
    EXPECT_EQ(power->toolTip(), power->text());
    EXPECT_EQ(power->accessibleDescription(), power->text());

    // A value that fits leaves no tip behind.
    window.type({{"edit11", "22,86"}, {"edit12", "26,67"}});
    window.press("Button1");
    EXPECT_EQ(power->toolTip(), QString());
}

TEST_F(EnginePowerWindowTest, ConclusionKeepsItsBlankRuns)
{
    const QStringList lines = control<MemoBox>(DM, "Memo1")->lines();
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[2],
        QStringLiteral("*Daya kinerja mesin yang dihasilkan adalah sebesar") + QString(25, ' ')
            + QStringLiteral("PK "));
    EXPECT_EQ(lines[4],
        QStringLiteral("*banyaknya pemakaian bahan bakar yang terpakai per jam untuk setiap HP atau PK "
                       "yang dihasilkan adalah")
            + QString(38, ' '));
    EXPECT_EQ(lines[7], QString(11, ' '));

    const QStringList explanation = control<MemoBox>(DM, "Memo2")->lines();
    ASSERT_EQ(explanation.size(), 7);
    EXPECT_EQ(explanation[0],
        QStringLiteral("Perhitungan daya motor diesel pada lokomotif adalah bertujuan untuk "
                       "mengetahui daya yang dihasilkan oleh suatu mesin  sebelum "));
    EXPECT_EQ(explanation[6], QStringLiteral(" "));
}

struct Gap {
    const char* field;
    int line;
    const char* before; // the text that ends where the gap starts
    int blanks;
};

void PrintTo(const Gap& row, std::ostream* out)
{
    *out << row.field;
}

class FillInPlacementTest : public EnginePowerWindowTest, public testing::WithParamInterface<Gap> { };

// The number must read as part of its sentence: on the gap's line and
// within its blanks, not over the words around them.
TEST_P(FillInPlacementTest, NumberSitsInsideItsGap)
{
    window.press("Button1");
    auto* memo = control<MemoBox>(DM, "Memo1");
    auto* field = control<QLineEdit>(DM, GetParam().field);
    const QTextBlock line = memo->document()->findBlockByNumber(GetParam().line);
    const int start
        = line.position() + line.text().indexOf(QLatin1String(GetParam().before)) + int(qstrlen(GetParam().before));
    QTextCursor cursor(memo->document());
    cursor.setPosition(start);
    const QRect gapStart = memo->cursorRect(cursor);
    cursor.setPosition(start + GetParam().blanks);
    const QRect gapEnd = memo->cursorRect(cursor);
    const QPoint origin = memo->viewport()->mapTo(DM, QPoint(0, 0));

    // The field is opaque: it must not cover the words around the gap.
    const QRect box(field->mapTo(DM, QPoint(0, 0)), field->size());
    EXPECT_GE(box.left(), origin.x() + gapStart.left());
    EXPECT_LE(box.right(), origin.x() + gapEnd.left());
    field->setCursorPosition(0);
    const QRect first = field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    field->end(false);
    const QRect last = field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    EXPECT_LE(last.center().x(), field->width()) << "text cut: " << field->text().toStdString();
    EXPECT_NEAR(box.top() + first.top(), origin.y() + gapStart.top(), 1);
}

INSTANTIATE_TEST_SUITE_P(Fields, FillInPlacementTest,
    testing::Values(Gap{"Edit21", 2, "sebesar", 25}, Gap{"Edit25", 4, "adalah", 38}),
    [](const auto& info) { return std::string(info.param.field); });

} // namespace
} // namespace loco
