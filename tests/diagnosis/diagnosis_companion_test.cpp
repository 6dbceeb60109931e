#include "diagnosis/UMENU_DIAGNO.h"
#include "diagnosis/core/candidate_causes.h"
#include "diagnosis/core/symptom_search.h"
#include "diagnosis/diagnosis_companion.h"
#include "diagnosis/diagnosis_session.h"
#include "shell/window_refs.h"
#include "shell/window_registry.h"
#include "tests/support/saved_report.h"
#include "tests/support/shipped_data.h"
#include "tests/support/windows_fixture.h"
#include "toolkit/dialogs.h"
#include "toolkit/picture.h"
#include "toolkit/radio_group.h"
#include "toolkit/rich_text_box.h"
#include "tutorials/UMENU_PM.h"
#include "tutorials/UMENU_TUNEUP.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include <ostream>
#include <vector>

namespace loco {
namespace {

// What the diagnosis window shows.
struct View {
    int system;
    bool systemsEnabled;
    QString question;
    bool answersEnabled;
    bool resultsShown;
    QStringList results;

    bool operator==(const View&) const = default;
};

void PrintTo(const View& v, std::ostream* out)
{
    *out << "system " << v.system << (v.systemsEnabled ? " enabled [" : " disabled [") << v.question.toStdString()
         << "] answers " << v.answersEnabled << " results " << v.resultsShown << " "
         << v.results.join('|').toStdString();
}

std::vector<Outline> outlines()
{
    std::vector<Outline> made;
    for (const System system : kAllSystems)
        made.emplace_back(shippedData().knowledge[system]);
    return made;
}

class CompanionTest : public WindowsTest {
protected:
    void SetUp() override
    {
        WindowsTest::SetUp();
        diagno->showModeless();
        ASSERT_TRUE(QTest::qWaitForWindowActive(diagno));
    }
    void TearDown() override
    {
        setQuestionAsker({});
        WindowsTest::TearDown();
    }

    View view()
    {
        auto* systems = control<RadioGroup>(diagno, "RadioGroup1");
        auto* results = control<RichTextBox>(diagno, "RichEdit1");
        return {systems->itemIndex(), systems->isEnabled(), control<RichTextBox>(diagno, "RichEdit2")->line(0),
            control(diagno, "BITBTN1")->isEnabled(), results->isVisibleTo(diagno), results->lines()};
    }

    // By hand: "Ulangi", the system, "Mulai", the answers.
    void play(System system, const std::vector<AnsweredQuestion>& answers)
    {
        clickOnScreen(control(diagno, "BitBtn7"));
        QRadioButton* item = control<RadioGroup>(diagno, "RadioGroup1")->button(static_cast<int>(system));
        clickAt(diagno, item->mapTo(diagno, QPoint(6, item->height() / 2)));
        clickOnScreen(control(diagno, "BitBtn8"));
        for (const AnsweredQuestion& step : answers)
            clickOnScreen(control(diagno, step.answer == Answer::Ya ? "BITBTN1" : "BITBTN2"));
    }

    // Opens the companion from the diagnosis window by a key.
    DiagnosisCompanion* open(QKeySequence key)
    {
        pressKey(Qt::Key(key[0].key()), key[0].keyboardModifiers());
        auto* companion = qobject_cast<DiagnosisCompanion*>(windows().constLast());
        EXPECT_NE(companion, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowActive(companion));
        return companion;
    }

    const std::vector<Outline> outlines_ = outlines();
    const SymptomSearch search_{shippedData().knowledge, outlines_};
};

// Choosing the answer k of n returns to the state n - k + 1 Backspaces give.
TEST_F(CompanionTest, ATrailEntryIsThatManyBackspaces)
{
    std::vector<AnsweredQuestion> longest;
    forEachAnswerPath(shippedData().knowledge[System::EngineDrive], [&](std::span<const AnsweredQuestion> path) {
        if (path.size() > longest.size())
            longest.assign(path.begin(), path.end());
        return true;
    });
    for (const std::size_t k : {std::size_t(1), longest.size() / 2, longest.size()}) {
        SCOPED_TRACE(k);
        play(System::EngineDrive, longest);
        open(Qt::Key_F2);
        pressKey(Qt::Key_Home);
        for (std::size_t i = 1; i < k; ++i)
            pressKey(Qt::Key_Down);
        pressKey(Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitForWindowActive(diagno));
        const View chosen = view();
        EXPECT_EQ(diagno->session()->path().steps().size(), k - 1);

        play(System::EngineDrive, longest);
        for (std::size_t i = k; i <= longest.size(); ++i)
            pressKey(Qt::Key_Backspace);
        EXPECT_EQ(chosen, view());
    }
}

struct Replay {
    const char* name;
    const char* typed;
    bool underWay; // a dialogue with answers stands when the result is chosen
    bool agree = true;
};

void PrintTo(const Replay& row, std::ostream* out)
{
    *out << row.name;
}

class Replays : public CompanionTest, public testing::WithParamInterface<Replay> { };

// Ctrl+F, the words typed (y, t and Backspace edit them), Down, Enter.
TEST_P(Replays, ReachTheStateByHandThroughTheWindowsHandlers)
{
    const Replay& row = GetParam();
    if (row.underWay)
        play(System::Cooling, {{0, Answer::Tidak}});
    const View before = view();
    QStringList asked;
    setQuestionAsker([&](QWidget*, const QString& question) {
        asked << question;
        return row.agree;
    });
    DiagnosisCompanion* companion = open(QKeySequence::Find);
    EXPECT_EQ(focusName(), QStringLiteral("SearchField"));
    typeKeys(QString::fromLatin1(row.typed) + QStringLiteral("yt"));
    pressKey(Qt::Key_Backspace);
    pressKey(Qt::Key_Backspace);
    EXPECT_EQ(control<QLineEdit>(companion, "SearchField")->text(), QString::fromLatin1(row.typed));
    EXPECT_EQ(view(), before);
    pressKey(Qt::Key_Down);
    pressKey(Qt::Key_Return);

    EXPECT_EQ(
        asked, row.underWay ? QStringList{QStringLiteral("Ganti diagnosa yang sedang berjalan?")} : QStringList{});
    if (!row.agree) {
        EXPECT_EQ(view(), before);
        return;
    }
    const SymptomSearch::Entry& entry = search_.entries()[search_.search(row.typed).front().entry];
    const View replayed = view();
    const QString trail = control<QTreeWidget>(companion, "Trail")->topLevelItem(0)->text(0);
    EXPECT_TRUE(trail.endsWith(QStringLiteral(", lewat pencarian"))) << trail.toStdString();
    SavedReport report;
    pressKey(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(report.text().contains(QStringLiteral("lewat pencarian")));

    play(entry.system, search_.pathTo(entry));
    EXPECT_EQ(replayed, view());
}

INSTANTIATE_TEST_SUITE_P(Results, Replays,
    testing::Values(Replay{"QuestionFromTheStart", "radiator bocor", false},
        Replay{"ConclusionReplacingADialogue", "setelan governor", true},
        Replay{"DialogueKeptWhenRefused", "asap hitam", true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CompanionTest, FollowsTheDialogueAndOpensFromTheContextMenu)
{
    chooseMenuItem(contextMenuAt(control(diagno, "Label2")), QStringLiteral("Jejak diagnosa"));
    auto* companion = qobject_cast<DiagnosisCompanion*>(windows().constLast());
    ASSERT_TRUE(QTest::qWaitForWindowActive(companion));
    EXPECT_EQ(focusName(), QStringLiteral("Trail"));
    auto* count = control<QLabel>(companion, "CandidateCount");
    const KnowledgeBase& cooling = shippedData().knowledge[System::Cooling];
    const auto expected = [&](std::size_t question) {
        return QStringLiteral("%1 kemungkinan penyebab")
            .arg(candidatesFrom(cooling, outlines_[1], question).conclusions.size());
    };
    play(System::Cooling, {});
    EXPECT_EQ(count->text(), expected(cooling.startIndex()));
    pressKey(Qt::Key_F2);
    ASSERT_TRUE(QTest::qWaitForWindowActive(diagno));
    pressKey(Qt::Key_T);
    EXPECT_EQ(count->text(), expected(*diagno->session()->question()));
    EXPECT_EQ(control<QTreeWidget>(companion, "Trail")->topLevelItemCount(), 1);
    clickOnScreen(control(diagno, "BitBtn7"));
    EXPECT_EQ(count->text(), QStringLiteral("pilih sistem di jendela diagnosa"));
    clickOnScreen(control(diagno, "BitBtn4"));
    EXPECT_FALSE(companion->isVisible());
}

// From the results box's menu and from the companion, as a user would:
// the procedure's window shows it, picture included.
TEST_F(CompanionTest, ConclusionsLeadToTheirProcedures)
{
    const auto reach = [this](const char* typed) {
        const SymptomSearch::Entry& entry = search_.entries()[search_.search(typed).front().entry];
        play(entry.system, search_.pathTo(entry));
    };
    reach("permukaan radiator");
    chooseMenuItem(contextMenuAt(control(diagno, "RichEdit1")), QStringLiteral("Lihat prosedur: Perawatan – Radiator"));
    EXPECT_TRUE(PM->isVisible());
    EXPECT_EQ(control<RichTextBox>(PM, "RichEdit2")->lines(), QStringList{QStringLiteral("Radiator")});
    EXPECT_TRUE(control<Picture>(PM, "Image3")->loadedPath().endsWith(QStringLiteral("gbm_5.jpg")));

    reach("setelan governor");
    DiagnosisCompanion* companion = open(Qt::Key_F2);
    auto* candidates = control<QTreeWidget>(companion, "Candidates");
    const QTreeWidgetItem* cause = candidates->topLevelItem(0)->child(0);
    ASSERT_EQ(cause->childCount(), 5);
    const QTreeWidgetItem* last = cause->child(4);
    EXPECT_EQ(last->text(0), QStringLiteral("Lihat prosedur: Tune-up – LSM DOUBLE RANGE – 1. Menyetel governor gap"));
    candidates->setFocus();
    candidates->setCurrentItem(const_cast<QTreeWidgetItem*>(last));
    pressKey(Qt::Key_Return);
    EXPECT_TRUE(TUNEUP->isVisible());
    EXPECT_EQ(control<RadioGroup>(TUNEUP, "RadioGroup7")->itemIndex(), 0);
    EXPECT_EQ(control<RichTextBox>(TUNEUP, "RichEdit1")->line(0), QStringLiteral("TUTORIAL TUNE-UP GOVERNOR"));
    EXPECT_TRUE(control<Picture>(TUNEUP, "Image3")->loadedPath().endsWith(QStringLiteral("gbt_lsg 2.jpg")));
    EXPECT_TRUE(control(TUNEUP, "Image3")->isVisible());
}

} // namespace
} // namespace loco
