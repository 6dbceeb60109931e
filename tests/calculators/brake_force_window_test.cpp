#include "calculators/UMENU_Gayrem.h"
#include "shell/window_refs.h"
#include "tests/calculators/calculator_window_driver.h"
#include "tests/calculators/fill_in_layout.h"
#include "tests/support/error_recorder.h"
#include "toolkit/rich_text_box.h"

namespace loco {
namespace {

using Texts = std::map<std::string, QString>;

const char* const kResultFields[] = {"Edit14jwb", "Edit15jwb", "Edit16jwb", "Edit19jwb", "Edit20jwb"};
const char* const kFillIns[] = {"Edit5", "Edit6", "Edit7", "Edit8"};

class BrakeForceWindowTest : public WindowsTest {
protected:
    void SetUp() override
    {
        WindowsTest::SetUp();
        gayrem->showModeless();
        ASSERT_TRUE(QTest::qWaitForWindowActive(gayrem));
        window = CalculatorWindowDriver(gayrem);
    }

    // Everything that HITUNG and HAPUS may change, as comparable text.
    QStringList state() const
    {
        QStringList shown;
        for (const char* name : kResultFields)
            shown << QStringLiteral("%1=%2").arg(name, window.text(name));
        for (const char* name : kFillIns)
            shown << QStringLiteral("%1=%2%3").arg(
                name, window.text(name), window.shown(name) ? QString() : QStringLiteral(" (hidden)"));
        shown << (window.shown("RichEdit1") ? QStringLiteral("conclusion") : QStringLiteral("no conclusion"));
        shown << (window.shown("Memo2") ? QStringLiteral("explanation") : QStringLiteral("no explanation"));
        return shown;
    }

    // The state at start, with these results and fill-ins shown.
    static QStringList startWith(const Texts& results, const Texts& filled = {}, bool conclusion = false)
    {
        QStringList shown;
        for (const char* name : kResultFields)
            shown << QStringLiteral("%1=%2").arg(name, results.count(name) ? results.at(name) : QString());
        for (const char* name : kFillIns)
            shown << (filled.count(name) ? QStringLiteral("%1=%2").arg(name, filled.at(name))
                                         : QStringLiteral("%1=Edit5 (hidden)").arg(name));
        shown << (conclusion ? QStringLiteral("conclusion") : QStringLiteral("no conclusion"));
        shown << (conclusion ? QStringLiteral("no explanation") : QStringLiteral("explanation"));
        return shown;
    }

    CalculatorWindowDriver window{nullptr};
};

const Texts kForcesOfTheDefaults{{"Edit14jwb", "10,70"}, {"Edit15jwb", "2634,00"}, {"Edit16jwb", "26594,93"}};
const Texts kResultsOfTheDefaults{{"Edit14jwb", "10,70"}, {"Edit15jwb", "2634,00"}, {"Edit16jwb", "26594,93"},
    {"Edit19jwb", "67,06"}, {"Edit20jwb", "74,92"}};
const Texts kConclusionOfTheDefaults{
    {"Edit5", "74,92"}, {"Edit6", "67,06"}, {"Edit7", "memuaskan"}, {"Edit8", "memuaskan"}};

TEST_F(BrakeForceWindowTest, DefaultsGiveTheWorkedExampleAgainAndAgain)
{
    window.press("BitBtn1");
    EXPECT_EQ(state(), startWith(kResultsOfTheDefaults, kConclusionOfTheDefaults, true));
    window.press("BitBtn1");
    EXPECT_EQ(state(), startWith(kResultsOfTheDefaults, kConclusionOfTheDefaults, true));
}

struct FailureCase {
    const char* name;
    Texts entries;
    const char* message;
    Texts results;
    Texts filled;
};

void PrintTo(const FailureCase& row, std::ostream* out)
{
    *out << row.name;
}

class BrakeForceFailureTest : public BrakeForceWindowTest, public testing::WithParamInterface<FailureCase> { };

TEST_P(BrakeForceFailureTest, KeepsWhatFollowsTheFault)
{
    window.type(GetParam().entries);
    ErrorRecorder errors;
    window.press("BitBtn1");
    EXPECT_EQ(errors.texts, QStringList{QString::fromUtf8(GetParam().message)});
    EXPECT_EQ(state(), startWith(GetParam().results, GetParam().filled));
}

INSTANTIATE_TEST_SUITE_P(Entries, BrakeForceFailureTest,
    testing::Values(
        FailureCase{"PointInsteadOfComma", {{"Edit18", "3.8"}}, "'3.8' is not a valid floating point value.", {}, {}},
        FailureCase{"EmptyFullLoad", {{"Edit24", ""}}, "'' is not a valid floating point value.", {}, {}},
        FailureCase{"ZeroLowerArm", {{"Edit15", "0"}}, "Floating point division by zero.", {}, {}},
        FailureCase{"ZeroFullLoad", {{"Edit24", "0"}}, "Floating point division by zero.", kForcesOfTheDefaults, {}},
        FailureCase{"ZeroEmptyLoad", {{"Edit23", "0"}}, "Floating point division by zero.",
            {{"Edit14jwb", "10,70"}, {"Edit15jwb", "2634,00"}, {"Edit16jwb", "26594,93"}, {"Edit19jwb", "67,06"}},
            {{"Edit6", "67,06"}, {"Edit8", "memuaskan"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BrakeForceWindowTest, AFailureAfterAConclusionLeavesItInView)
{
    window.press("BitBtn1");
    window.type("Edit14", "7x");
    ErrorRecorder errors;
    window.press("BitBtn1");
    EXPECT_EQ(errors.texts, QStringList{"'7x' is not a valid floating point value."});
    EXPECT_EQ(state(), startWith(kResultsOfTheDefaults, kConclusionOfTheDefaults, true));
}

struct VerdictCase {
    const char* name;
    const char* percentage; // typed as the piston area, which the other entries make both percentages
    const char* shown;
    const char* fullCar;
    const char* emptyCar;
};

void PrintTo(const VerdictCase& row, std::ostream* out)
{
    *out << row.percentage;
}

class BrakeForceVerdictTest : public BrakeForceWindowTest, public testing::WithParamInterface<VerdictCase> { };

TEST_P(BrakeForceVerdictTest, JudgesTheFullValue)
{
    window.type({{"Edit14", "1"}, {"Edit15", "1"}, {"Edit16", "1"}, {"Edit17", GetParam().percentage}, {"Edit18", "1"},
        {"Edit19", "0"}, {"Edit20", "100"}, {"Edit21", "0"}, {"Edit23", "100"}, {"Edit24", "100"}});
    window.press("BitBtn1");
    const QString shown = QString::fromUtf8(GetParam().shown);
    EXPECT_EQ(state(),
        startWith({{"Edit14jwb", "1,00"}, {"Edit15jwb", shown}, {"Edit16jwb", shown}, {"Edit19jwb", shown},
                      {"Edit20jwb", shown}},
            {{"Edit5", shown}, {"Edit6", shown}, {"Edit7", GetParam().emptyCar}, {"Edit8", GetParam().fullCar}}, true));
}

INSTANTIATE_TEST_SUITE_P(Percentages, BrakeForceVerdictTest,
    testing::Values(VerdictCase{"Fifty", "50,00", "50,00", "kurang memuaskan", "kurang memuaskan"},
        VerdictCase{"JustBelowEighty", "79,999", "80,00", "memuaskan", "memuaskan"},
        VerdictCase{"Eighty", "80,00", "80,00", "kurang memuaskan", "memuaskan"},
        VerdictCase{"Hundred", "100,00", "100,00", "kurang memuaskan", "memuaskan"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BrakeForceWindowTest, ClearBringsTheExplanationBackInFrontOfTheUntouchedConclusion)
{
    window.press("BitBtn1");
    window.press("Button1");

    for (const char* name :
        {"Edit14", "Edit15", "Edit16", "Edit17", "Edit18", "Edit19", "Edit20", "Edit21", "Edit23", "Edit24"})
        EXPECT_EQ(window.text(name), QString()) << name;
    QStringList cleared = startWith({}, kConclusionOfTheDefaults, true);
    cleared.replace(cleared.size() - 1, QStringLiteral("explanation"));
    EXPECT_EQ(state(), cleared);
    // What the user sees over each fill-in is the explanation.
    QWidget* memo = control(gayrem, "Memo2");
    for (const char* name : kFillIns) {
        QWidget* field = control(gayrem, name);
        QWidget* seen = field->parentWidget()->childAt(field->geometry().center());
        EXPECT_TRUE(seen == memo || memo->isAncestorOf(seen)) << name;
    }

    {
        ErrorRecorder errors;
        window.press("BitBtn1");
        EXPECT_EQ(errors.texts, QStringList{"'' is not a valid floating point value."});
    }
    window.type({{"Edit14", "475"}, {"Edit15", "355"}, {"Edit16", "8"}, {"Edit17", "730"}, {"Edit18", "3,8"},
        {"Edit19", "140"}, {"Edit20", "100"}, {"Edit21", "200"}, {"Edit23", "35500"}, {"Edit24", "19830"}});
    window.press("BitBtn1");
    EXPECT_EQ(state(),
        startWith({{"Edit14jwb", "10,70"}, {"Edit15jwb", "2634,00"}, {"Edit16jwb", "26594,93"}, {"Edit19jwb", "134,11"},
                      {"Edit20jwb", "74,92"}},
            {{"Edit5", "74,92"}, {"Edit6", "134,11"}, {"Edit7", "memuaskan"}, {"Edit8", "kurang memuaskan"}}, true));
}

TEST_F(BrakeForceWindowTest, EachFillInReadsAsPartOfItsSentence)
{
    window.press("BitBtn1");
    const ConclusionLayout layout(control<RichTextBox>(gayrem, "RichEdit1"));
    const struct {
        const char* field;
        const char* follows;
    } places[] = {{"Edit5", "kosong ="}, {"Edit7", "yang berarti"}, {"Edit6", "penuh   ="}, {"Edit8", "yang berarti"}};
    for (const auto& place : places) {
        auto* field = control<QLineEdit>(gayrem, place.field);
        EXPECT_TRUE(layout.wordsBefore(field).trimmed().endsWith(QLatin1String(place.follows))) << place.field;
        EXPECT_FALSE(layout.hidesText(field)) << place.field;
        EXPECT_LE(field->fontMetrics().horizontalAdvance(field->text()) + 4, field->width()) << place.field;
    }
}

TEST_F(BrakeForceWindowTest, EntriesTakeVeryLongTexts)
{
    const QString digits(100000, QLatin1Char('7'));
    window.paste("Edit17", digits);
    EXPECT_EQ(window.text("Edit17"), digits);
    ErrorRecorder errors;
    window.press("BitBtn1");
    EXPECT_EQ(errors.texts, QStringList{"Floating point overflow."});
    EXPECT_EQ(state(), startWith({}));
}

} // namespace
} // namespace loco
