#include "diagnosis/UMENU_DIAGNO.h"
#include "diagnosis/core/knowledge_parser.h"
#include "shell/Umenu1.h"
#include "shell/window_refs.h"
#include "tests/support/saved_report.h"
#include "tests/support/shipped_data.h"
#include "tests/support/text_box_lines.h"
#include "tests/support/windows_fixture.h"
#include "toolkit/memo_box.h"
#include "toolkit/radio_group.h"
#include "toolkit/rich_text_box.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

namespace loco {
namespace {

const QString kStartPrompt = QStringLiteral("silahkan pilih dahulu letak kerusakan yang akan didiagnosis");
const QString kChosenPrompt = QStringLiteral("silahkan tekan tombol mulai untuk mendiagnosis ");
const QString kResetPrompt = QStringLiteral("silahkan pilih jenis kerusakan yang akan didiagnosis yach?");
const QString kDonePrompt = QStringLiteral("lihat hasil diagnosa ");
const QString kResultsTitle = QStringLiteral("HASIL DIAGNOSA: ");

const QString E1 = QStringLiteral("APAKAH MESIN TIDAK MAU HIDUP");
const QString E22 = QStringLiteral("APAKAH MESIN TIDAK BERPUTAR");
const QString E42 = QStringLiteral("APAKAH KINERJA MESIN TIDAK NORMAL");
const QString C1 = QStringLiteral("APAKAH AIR PENDINGIN BERKURANG");
const QString F1 = QStringLiteral("APAKAH NOZEL MACET/RUSAK KARENA SAMBUNGAN TUAS LING TIDAK LURUS ATAU TERDAPATNYA "
                                  "KOTORAN PADA SAMBUNGAN");
const QString F2 = QStringLiteral("APAKAH PENGIRIMAN BAHAN BAKAR RENDAH");
const QString F3 = QStringLiteral("APAKAH GASKET SARINGAN BAHAN BAKAR RUSAK");

// Drives the window as a user does, through its controls.
class DiagnosisWindowTest : public WindowsTest {
protected:
    void SetUp() override
    {
        WindowsTest::SetUp();
        open(diagno);
    }
    void open(Tdiagno* shown)
    {
        window = shown;
        window->showModeless();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    RadioGroup* systems() { return control<RadioGroup>(window, "RadioGroup1"); }
    RichTextBox* questionBox() { return control<RichTextBox>(window, "RichEdit2"); }
    RichTextBox* results() { return control<RichTextBox>(window, "RichEdit1"); }
    QPushButton* button(const char* name) { return control<QPushButton>(window, name); }
    QString question() { return questionBox()->line(0); }

    void choose(int system)
    {
        QRadioButton* item = systems()->button(system);
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(6, item->height() / 2));
    }

    // One letter a step: 0-5 choose a system, M "Mulai", Y "YA", T "TIDAK",
    // B Backspace, y and t the keys Y and T (+y, +t with Shift held, as
    // also with Caps Lock on), U "Ulangi", I "Info ku", S "Selesai", O
    // reopen from the main menu.
    void play(const std::string& script)
    {
        Qt::KeyboardModifiers held;
        for (const char step : script) {
            if (step == '+') {
                held = Qt::ShiftModifier;
                continue;
            }
            switch (step) {
            case 'M':
                click(button("BitBtn8"));
                break;
            case 'Y':
                click(button("BITBTN1"));
                break;
            case 'T':
                click(button("BITBTN2"));
                break;
            case 'U':
                click(button("BitBtn7"));
                break;
            case 'I':
                click(button("BitBtn3"));
                break;
            case 'S':
                click(button("BitBtn4"));
                break;
            case 'O':
                menu1->showModeless();
                click(control(menu1, "SpeedButton4"));
                break;
            case 'B':
                pressKey(Qt::Key_Backspace);
                break;
            case 'y':
                pressKey(Qt::Key_Y, held);
                break;
            case 't':
                pressKey(Qt::Key_T, held);
                break;
            default:
                choose(step - '0');
            }
            held = {};
        }
    }

    Tdiagno* window = nullptr;

    // Starts a fresh dialogue of one system, wherever the window stands.
    void start(int system)
    {
        play("U");
        play(std::to_string(system) + "M");
    }
};

// What the user can see of the dialogue.
struct View {
    QString question;
    int system;
    bool systemsEnabled;
    bool mulaiShown;
    bool ulangiShown;
    bool answersEnabled;
    bool resultsShown;
    int resultLines;

    bool operator==(const View&) const = default;
};

void PrintTo(const View& v, std::ostream* out)
{
    *out << "[" << v.question.toStdString() << "] system " << v.system << (v.systemsEnabled ? " enabled" : " disabled")
         << " mulai " << v.mulaiShown << " ulangi " << v.ulangiShown << " answers " << v.answersEnabled << " results "
         << v.resultsShown << "/" << v.resultLines;
}

struct Transition {
    const char* name;
    std::string script;
    View expected;
    bool windowShown = true;
};

void PrintTo(const Transition& t, std::ostream* out)
{
    *out << t.name;
}

class DialogueStates : public DiagnosisWindowTest, public testing::WithParamInterface<Transition> {
protected:
    View view()
    {
        QWidget* form = diagno->content();
        return View{question(), systems()->itemIndex(), systems()->isEnabled(),
            button("BitBtn8")->isVisibleTo(form) && button("BitBtn8")->isEnabled(),
            button("BitBtn7")->isVisibleTo(form) && button("BitBtn7")->isEnabled(),
            button("BITBTN1")->isEnabled() && button("BITBTN2")->isEnabled(), results()->isVisibleTo(form),
            results()->lineCount()};
    }
};

TEST_P(DialogueStates, Reach)
{
    play(GetParam().script);
    EXPECT_EQ(view(), GetParam().expected);
    EXPECT_EQ(diagno->isVisible(), GetParam().windowShown);
    // YA and TIDAK always go together.
    EXPECT_EQ(button("BITBTN1")->isEnabled(), button("BITBTN2")->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Transitions, DialogueStates,
    testing::Values(Transition{"Start", "", {kStartPrompt, -1, true, false, true, false, false, 0}},
        Transition{"SystemChosen", "3", {kChosenPrompt, 3, true, true, true, false, false, 0}},
        Transition{"Questioning", "0M", {E1, 0, false, false, true, true, false, 0}},
        Transition{"NextQuestion", "0MT", {E22, 0, false, false, true, true, false, 0}},
        Transition{"Concluded", "0MYY", {kDonePrompt, 0, false, false, true, false, true, 4}},
        Transition{"AnswersAfterConclusionDoNothing", "0MYYYT", {kDonePrompt, 0, false, false, true, false, true, 4}},
        Transition{"AnotherSystemBeforeMulai", "31", {kChosenPrompt, 1, true, true, true, false, false, 0}},
        Transition{"MulaiStartsTheSystemSelectedLast", "31M", {C1, 1, false, false, true, true, false, 0}},
        Transition{"UlangiAtStart", "U", {kResetPrompt, -1, true, false, true, false, false, 0}},
        Transition{"UlangiWithSystemChosen", "2U", {kResetPrompt, -1, true, false, true, false, false, 0}},
        Transition{
            "UlangiMidDialogueKeepsAnswersEnabled", "0MTU", {kResetPrompt, -1, true, false, true, true, false, 0}},
        Transition{"AnswersAfterResetDoNothing", "0MTUYTY", {kResetPrompt, -1, true, false, true, true, false, 0}},
        Transition{"ChoosingAfterResetDisablesAnswers", "0MTU4", {kChosenPrompt, 4, true, true, true, false, false, 0}},
        Transition{
            "UlangiAfterConclusionHidesResults", "0MYYU", {kResetPrompt, -1, true, false, true, false, false, 4}},
        Transition{"ChoosingClearsResults", "0MYYU5", {kChosenPrompt, 5, true, true, true, false, false, 0}},
        Transition{"SameSystemAgainAfterConclusion", "0MYYU0M", {E1, 0, false, false, true, true, false, 0}},
        Transition{"InfoKuAtStart", "I", {kStartPrompt, -1, true, false, true, false, false, 0}},
        Transition{"InfoKuMidDialogue", "0MTI", {E22, 0, false, false, true, true, false, 0}},
        Transition{"SelesaiHidesTheWindow", "0MTS", {E22, 0, false, false, true, true, false, 0}, false},
        Transition{"ReopenedMidDialogueContinues", "0MTSOT", {E42, 0, false, false, true, true, false, 0}},
        Transition{"ReopenedAfterConclusion", "0MYYSO", {kDonePrompt, 0, false, false, true, false, true, 4}},
        Transition{"KeysAnswerAsTheButtons", "3Mtty", {kDonePrompt, 3, false, false, true, false, true, 4}},
        Transition{"ShiftedKeysAnswerToo", "3M+t+t+y", {kDonePrompt, 3, false, false, true, false, true, 4}},
        Transition{"KeysDoNothingBeforeMulai", "3yt", {kChosenPrompt, 3, true, true, true, false, false, 0}},
        Transition{"KeysDoNothingAfterAConclusion", "3MTTYtyB", {F3, 3, false, false, true, true, false, 0}},
        Transition{"BackspaceTakesBackTheConclusion", "3MTTYB", {F3, 3, false, false, true, true, false, 0}},
        Transition{"BackspaceTakesBackOneQuestionEach", "3MTTYBBB", {F1, 3, false, false, true, true, false, 0}},
        Transition{"BackspaceAtTheFirstQuestionDoesNothing", "3MTBBB", {F1, 3, false, false, true, true, false, 0}},
        Transition{"UlangiStartsANewPath", "3MTUB", {kResetPrompt, -1, true, false, true, true, false, 0}},
        Transition{"MulaiStartsANewPath", "3MTU3MB", {F1, 3, false, false, true, true, false, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DiagnosisWindowTest, TheQuestionBoxMenuTakesBackAnAnswer)
{
    play("3MTTY");
    QMenu* menu = contextMenuAt(questionBox());
    ASSERT_NE(menu, nullptr);
    chooseMenuItem(menu, QStringLiteral("Kembali satu pertanyaan"));
    EXPECT_EQ(question(), F3);
    EXPECT_FALSE(results()->isVisible());
    EXPECT_TRUE(button("BITBTN1")->isEnabled());
}

TEST_F(DiagnosisWindowTest, ReportListsTheAnswersInOrderAndTheConclusion)
{
    play("3MTTY");
    SavedReport report;
    pressKey(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(report.proposedStems(), QStringList{QStringLiteral("diagnosa-bahan-bakar")});
    expectInOrder(report.text(),
        QStringList{QStringLiteral("Diagnosa Kerusakan Komponen Sistem bahan bakar"), "1. " + F1 + " TIDAK",
            "2. " + F2 + " TIDAK", "3. " + F3 + " YA", QStringLiteral("Kesimpulan")}
            + results()->lines() + QStringList{QString::fromStdString(loco::shippedData().knowledge.edition())});
    // The edition the handbook prints: the SHA-256 of the six files in the systems' order.
    QCryptographicHash files(QCryptographicHash::Sha256);
    for (const std::string_view name : loco::kSystemFileNames) {
        QFile file(QStringLiteral(":/diagnosis/data/") + QLatin1String(name.data(), qsizetype(name.size())));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        files.addData(file.readAll());
    }
    EXPECT_EQ(QString::fromStdString(loco::shippedData().knowledge.edition()),
        QStringLiteral("Edisi " LOKO_VERSION " \u00b7 ") + QString::fromLatin1(files.result().toHex().left(8)));
}

TEST_F(DiagnosisWindowTest, ResultsLieOverTheExplanationOnlyWhileShown)
{
    QWidget* memo = control(diagno, "Memo2");
    QWidget* panel = memo->parentWidget();
    const QPoint middle = results()->geometry().center();
    EXPECT_TRUE(memo->isAncestorOf(panel->childAt(middle)) || panel->childAt(middle) == memo);
    play("0MYY");
    EXPECT_TRUE(results()->isAncestorOf(panel->childAt(middle)));
    play("U");
    EXPECT_TRUE(memo->isVisible());
    EXPECT_FALSE(results()->isVisible());
}

TEST_F(DiagnosisWindowTest, StartsWithItsDefinedTexts)
{
    EXPECT_EQ(questionBox()->lines(), QStringList{kStartPrompt});
    EXPECT_EQ(control<MemoBox>(diagno, "Memo2")->lines(),
        (QStringList{"   ", "   Pendiagnosisan kerusakan ini adalah untuk ",
            "   mengetahui letak dari kerusakan dari gejala", "   gejala yang ditimbulkan oleh motor pengerak ",
            "   diesel dan Rem. Pencarian kerusakan ini di", "   klasifikasikan atau dikelompokan kedalam ",
            "   lima sistim pada mesin dan satu sistem pada Rem.",
            "   Tujuannya untuk pengklasifikasian gejala tersebut ", "   adalah untuk memudahkan dan mempercepat ",
            "   pencarian letak kerusakan pada lokomotif "}));
    // The item index selects the knowledge base, so the captions must follow its order.
    QStringList captions;
    for (const std::string_view caption : loco::kSystemCaptions)
        captions << QString::fromUtf8(caption.data(), qsizetype(caption.size()));
    EXPECT_EQ(systems()->items(), captions);
}

// Conclusions written out by hand, so that a slip in the data or in the
// way the window writes them shows here.
struct KnownConclusion {
    const char* name;
    int system;
    std::string answers;
    QStringList lines;
    qreal pointSize;
};

void PrintTo(const KnownConclusion& c, std::ostream* out)
{
    *out << c.name;
}

class KnownConclusions : public DiagnosisWindowTest, public testing::WithParamInterface<KnownConclusion> { };

TEST_P(KnownConclusions, AreWrittenIntoTheResults)
{
    const KnownConclusion& c = GetParam();
    start(c.system);
    play(c.answers);
    EXPECT_EQ(question(), kDonePrompt);
    EXPECT_EQ(results()->lines(), c.lines);
    for (int i = 0; i < results()->lineCount(); ++i)
        EXPECT_EQ(lineFontSize(*results(), i), c.pointSize) << "line " << i;
}

const QString EH1
    = QStringLiteral("Kemungkinan gangguan atau kerusakan yang meyebabkan mesin tidak mau hidup pada sistem "
                     "penggerak mesin diesel lokomotif disebabkan oleh :");
const QString EH10 = QStringLiteral("Kemungkinan gangguan atau kerusakan yang meyebabkan kinerja mesin tidak normal "
                                    "sehingga terjadinya Denotasi  pada sistem penggerak mesin diesel lokomotif "
                                    "disebabkan oleh :");
const QString XH1
    = QStringLiteral("Kemungkinan gangguan atau kerusakan yang meyebabkan mesin mengeluarkan asap berwarna "
                     "putih atau titam atau putih kehitam-hitaman pada mesin diesel  disebabkan oleh :");
const QString BN1 = QStringLiteral("Maaf gangguan belum terdefinisi/belum dapat dikenali, Kemungkinan gangguan atau "
                                   "kerusakan bukan pada sistem rem lokomotif.");

INSTANTIATE_TEST_SUITE_P(ByHand, KnownConclusions,
    testing::Values(KnownConclusion{"E2Battery", 0, "YY", {kResultsTitle, "", EH1, " baterai lemah"}, 12},
        KnownConclusion{"E63SmallerType", 0, "TTYTYY", {kResultsTitle, "", EH10, " Kerusakan pada governor"}, 10},
        KnownConclusion{"BN1AfterSixteenTidak", 5, std::string(16, 'T'), {kResultsTitle, "", BN1}, 12},
        KnownConclusion{"X15Ya", 4, "Y" + std::string(13, 'T') + "Y",
            {kResultsTitle, "", XH1, "terdapatnya air dalam bahan bakar"}, 12}),
    [](const auto& info) { return std::string(info.param.name); });

// Every way through a system's dialogue: from the start question, each answer
// that shows another question is followed, and each that ends the dialogue
// is one ending.
struct Ending {
    std::string answers;
    loco::Step step;
};

void collectEndings(const loco::KnowledgeSet& set, int system, std::string_view question, std::string& answers,
    std::vector<Ending>& endings)
{
    if (answers.size() > 300) {
        ADD_FAILURE() << "no end after " << answers;
        return;
    }
    for (const char letter : {'Y', 'T'}) {
        answers.push_back(letter);
        const loco::Step step = set.answer(system, question, letter == 'Y' ? loco::Answer::Ya : loco::Answer::Tidak);
        if (const auto* next = std::get_if<loco::NextQuestion>(&step))
            collectEndings(set, system, next->text, answers, endings);
        else
            endings.push_back({answers, step});
        answers.pop_back();
    }
}

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// The results box after an ending; no lines for an answer without an outcome.
struct Written {
    QStringList lines;
    qreal pointSize = 12;
};

Written written(const loco::Step& step)
{
    if (const auto* c = std::get_if<loco::Conclusion>(&step))
        return {{kResultsTitle, "", text(c->heading), text(c->cause)}, qreal(c->pointSize)};
    Written w;
    if (const auto* closing = std::get_if<loco::ClosingText>(&step)) {
        w.lines << kResultsTitle << "";
        for (const std::string& line : closing->lines)
            w.lines << text(line);
    }
    return w;
}

// A small knowledge base for each system, its texts marked with the
// system's number (#): every kind of step, question texts with double,
// trailing and no-break blanks and signs, conclusions in both type sizes, a
// closing text and an answer without an outcome.
constexpr std::string_view kHandMadeBase = "start\tQ1\n"
                                           "heading\tH1\tSebab di sistem # :\n"
                                           "closing\tN1\tBelum dikenali di sistem #.\tperiksa bagian lain.\n"
                                           "question\tQ1\tAPAKAH  SATU # \n"
                                           "ya\tH1\tsebab pertama\n"
                                           "tidak\tQ2\n"
                                           "question\tQ2\tAPAKAH DUA #\xc2\xa0±10 °C\n"
                                           "ya\tH1\tsebab kedua\t10\n"
                                           "tidak\tQ3\n"
                                           "question\tQ3\tAPAKAH TIGA #\n"
                                           "tidak\tN1\n";

KnowledgeSet handMadeKnowledge()
{
    KnowledgeSet set;
    for (const System system : kAllSystems) {
        std::string text(kHandMadeBase);
        std::replace(text.begin(), text.end(), '#', char('0' + static_cast<int>(system)));
        set[system] = parseKnowledgeBase(text);
    }
    return set;
}

// The window finds a question by the text its question line shows, so every
// shipped question has to stand there exactly as written.
TEST_F(DiagnosisWindowTest, EveryShippedQuestionStandsInTheQuestionLineAsWritten)
{
    for (const System system : kAllSystems) {
        for (const Question& shipped : shippedData().knowledge[system].questions()) {
            questionBox()->setLine(0, text(shipped.text));
            EXPECT_EQ(question().toStdString(), shipped.text);
        }
    }
}

// Walks the window on hand-made knowledge: what it shows after each answer
// is the window's own work, whatever the shipped bases hold.
class EveryDialogue : public DiagnosisWindowTest, public testing::WithParamInterface<int> {
protected:
    void SetUp() override { open(&ownWindow); }

    const KnowledgeSet knowledge = handMadeKnowledge();
    Tdiagno ownWindow{knowledge, {shippedData().links, {}, {}}};
};

TEST_P(EveryDialogue, EndsAsTheKnowledgeBaseSays)
{
    const int system = GetParam();
    const std::string_view first = knowledge.startQuestion(system);
    ASSERT_FALSE(first.empty()) << "no knowledge for this system";
    std::vector<Ending> endings;
    std::string answers;
    collectEndings(knowledge, system, first, answers, endings);

    for (const Ending& ending : endings) {
        SCOPED_TRACE(ending.answers);
        start(system);
        play(ending.answers.substr(0, ending.answers.size() - 1));
        const QString asked = question();
        play(ending.answers.substr(ending.answers.size() - 1));
        const Written expected = written(ending.step);
        if (expected.lines.isEmpty()) {
            EXPECT_EQ(question(), asked);
            EXPECT_TRUE(button("BITBTN1")->isEnabled());
            EXPECT_FALSE(results()->isVisible());
            EXPECT_EQ(results()->lineCount(), 0);
        } else {
            EXPECT_EQ(question(), kDonePrompt);
            EXPECT_TRUE(results()->isVisible());
            EXPECT_FALSE(button("BITBTN1")->isEnabled());
            EXPECT_FALSE(button("BITBTN2")->isEnabled());
            EXPECT_EQ(results()->lines(), expected.lines);
            for (int i = 0; i < results()->lineCount(); ++i) {
                EXPECT_EQ(lineFontSize(*results(), i), expected.pointSize) << "line " << i;
                EXPECT_NEAR(lineFirstLineIndent(*results(), i), i == 0 ? 2 : 12, 0.5) << "line " << i;
            }
        }
        if (HasFailure())
            return; // the first broken dialogue says enough
    }
}

const char* const kSystemNames[] = {"EngineDrive", "Cooling", "Lubrication", "Fuel", "Exhaust", "Brakes"};

INSTANTIATE_TEST_SUITE_P(Systems, EveryDialogue, testing::Range(0, int(loco::kSystemCount)),
    [](const auto& info) { return std::string(kSystemNames[info.param]); });

} // namespace
} // namespace loco
