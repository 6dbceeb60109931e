#include "calculators/UMENU_DM.h"
#include "diagnosis/UMENU_DIAGNO.h"
#include "records/HistoryWindow.h"
#include "records/JobCardDialog.h"
#include "records/report_json.h"
#include "shell/window_refs.h"
#include "shell/window_registry.h"
#include "tests/records/windows_with_records.h"
#include "tests/support/error_recorder.h"
#include "tests/support/saved_report.h"
#include "tests/support/shipped_data.h"
#include "toolkit/radio_group.h"
#include "toolkit/rich_text_box.h"
#include "tutorials/UMENU_PM.h"
#include "tutorials/UMENU_TUNEUP.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace loco::records {
namespace {

QString description(QWidget* control)
{
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Description);
}

// While it lives, each job card asked for is the real dialog, and the user's
// keys are played in it once it has the focus; a card that never gets it
// fails the test.
class TypedJobCards {
public:
    explicit TypedJobCards(std::function<void()> keys)
    {
        previous_ = setJobCardAsker([this, keys](QWidget* parent, const JobCardRequest& request) {
            QTimer::singleShot(0, [keys] {
                auto* card = qobject_cast<JobCardDialog*>(QApplication::activeModalWidget());
                const bool focused = card && QTest::qWaitFor([card] {
                    return QApplication::focusWidget() && QApplication::focusWidget()->window() == card;
                });
                if (!focused) {
                    ADD_FAILURE() << "the job card did not take the focus";
                    if (card)
                        card->reject();
                    return;
                }
                keys();
            });
            return previous_(parent, request);
        });
    }
    ~TypedJobCards() { setJobCardAsker(previous_); }
    TypedJobCards(const TypedJobCards&) = delete;
    TypedJobCards& operator=(const TypedJobCards&) = delete;

private:
    JobCardAsker previous_;
};

std::vector<Record> everyRecord(RecordsStore& store)
{
    std::vector<Record> all;
    store.forEachRecord([&all](const Record& record) { all.push_back(record); });
    return all;
}

TEST(JobCardDialogTest, ARefusedNumberSaysWhyUnderTheFieldAndEnterFilesOnceItIsGood)
{
    // Nothing typed matches a completion: offscreen, a completion list that
    // closed keeps the keyboard.
    JobCardDialog dialog({QStringLiteral("Diagnosa – Sistem rem"), {}, {QStringLiteral("BB 303 12")}});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    ASSERT_EQ(focusName(), "LocomotiveEdit");
    auto* number = control<QLineEdit>(&dialog, "LocomotiveEdit");
    auto* problem = control<QLabel>(&dialog, "LocomotiveProblem");

    typeKeys(QStringLiteral("cc201/89"));
    pressKey(Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(problem->isVisible());
    EXPECT_EQ(problem->text(), QStringLiteral("Nomor lokomotif hanya berisi huruf dan angka; \"/\" tidak boleh."));
    EXPECT_EQ(problem->geometry().left(), number->geometry().left());
    EXPECT_GE(problem->geometry().top(), number->geometry().bottom());
    EXPECT_EQ(description(number), problem->text());
    EXPECT_EQ(focusName(), "LocomotiveEdit");

    typeKeys(QStringLiteral("cc201-89-08"));
    EXPECT_FALSE(problem->isVisible());
    pressKey(Qt::Key_Tab);
    EXPECT_EQ(number->text(), QStringLiteral("CC 201 89 08"));
    EXPECT_EQ(focusName(), "DepotEdit");
    typeKeys(QStringLiteral("Dipo Sidotopo"));
    pressKey(Qt::Key_Tab);
    typeKeys(QStringLiteral("Budi"));
    pressKey(Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const JobCardAnswer& answer = dialog.answer();
    EXPECT_EQ(answer.card.locomotive, "CC 201 89 08");
    EXPECT_EQ(answer.card.depot, "Dipo Sidotopo");
    EXPECT_EQ(answer.card.technician, "Budi");
    EXPECT_EQ(answer.card.status, WorkStatus::Done);
    EXPECT_EQ(answer.after, AfterFiling::Nothing);
}

using FilingTest = WindowsWithRecords;

TEST_F(FilingTest, CtrlRFilesTheDiagnosisWithTheJobCardAndEscapeFilesNothing)
{
    showActive(diagno);
    auto* fuel = control<RadioGroup>(diagno, "RadioGroup1")->button(3);
    clickAt(diagno, fuel->mapTo(diagno, QPoint(6, fuel->height() / 2)));
    clickOnScreen(control(diagno, "BitBtn8"));
    clickOnScreen(control(diagno, "BITBTN1"));
    const QStringList results = control<RichTextBox>(diagno, "RichEdit1")->lines();
    ASSERT_GT(results.size(), 2);

    {
        TypedJobCards escape([] {
            typeKeys(QStringLiteral("cc 201 89 08"));
            pressKey(Qt::Key_Escape);
        });
        pressKey(Qt::Key_R, Qt::ControlModifier);
    }
    EXPECT_TRUE(everyRecord(*records).empty());
    // Offscreen, no window manager gives the focus back.
    showActive(diagno);

    TypedJobCards filing([] {
        typeKeys(QStringLiteral("cc 201 89 08"));
        pressKey(Qt::Key_Tab);
        typeKeys(QStringLiteral("Dipo Sidotopo"));
        pressKey(Qt::Key_Return);
    });
    pressKey(Qt::Key_R, Qt::ControlModifier);
    const std::vector<Record> filed = everyRecord(*records);
    ASSERT_EQ(filed.size(), 1u);
    const Record& record = filed.front();
    EXPECT_EQ(record.kind, RecordKind::Diagnosis);
    EXPECT_EQ(record.window, "diagno");
    EXPECT_EQ(record.subject, "Sistem bahan bakar");
    EXPECT_EQ(QString::fromStdString(record.conclusion), results.mid(2).join(QLatin1Char(' ')).simplified());
    EXPECT_EQ(record.source, shippedData().knowledge.edition());
    EXPECT_EQ(record.card.locomotive, "CC 201 89 08");
    EXPECT_EQ(record.card.depot, "Dipo Sidotopo");
    EXPECT_EQ(record.uuid.size(), 36u);
    const Report content = reportFromJson(record.content);
    EXPECT_EQ(content.title, QStringLiteral("Diagnosa Kerusakan Komponen"));
    ASSERT_FALSE(content.sections.isEmpty());
    ASSERT_EQ(content.sections.front().rows.size(), 1);
    EXPECT_EQ(content.sections.front().rows.front().value, QStringLiteral("YA"));

    // The next card starts from this one.
    showActive(diagno);
    JobCardAnswers cancel(std::nullopt);
    pressKey(Qt::Key_R, Qt::ControlModifier);
    ASSERT_EQ(cancel.requests.size(), 1);
    EXPECT_EQ(cancel.requests.front().card.depot, "Dipo Sidotopo");
    EXPECT_EQ(cancel.requests.front().knownNumbers.value(0), QStringLiteral("CC 201 89 08"));
    EXPECT_EQ(everyRecord(*records).size(), 1u);
}

// The companion beside the diagnosis files the diagnosis it follows, by its
// button and by Ctrl+R, as the diagnosis window does.
TEST_F(FilingTest, TheCompanionFilesTheDiagnosisItFollows)
{
    showActive(diagno);
    auto* cooling = control<RadioGroup>(diagno, "RadioGroup1")->button(1);
    clickAt(diagno, cooling->mapTo(diagno, QPoint(6, cooling->height() / 2)));
    clickOnScreen(control(diagno, "BitBtn8"));
    clickOnScreen(control(diagno, "BITBTN2"));
    pressKey(Qt::Key_F2);
    FormWindow* companion = windows().constLast();
    ASSERT_TRUE(QTest::qWaitForWindowActive(companion));
    JobCardAnswers answers(JobCardAnswer{{.locomotive = "CC 201 89 08"}});
    for (QPushButton* button : companion->findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("Catat ke riwayat…"))
            clickOnScreen(button);
    pressKey(Qt::Key_R, Qt::ControlModifier);

    const std::vector<Record> filed = everyRecord(*records);
    ASSERT_EQ(filed.size(), 2u);
    for (const Record& record : filed) {
        EXPECT_EQ(record.kind, RecordKind::Diagnosis);
        EXPECT_EQ(record.window, "diagno");
        EXPECT_EQ(record.subject, "Sistem pendingin");
        EXPECT_EQ(reportFromJson(record.content).sections.front().rows.size(), 1);
    }
}

struct KindOfWindow {
    const char* name;
    std::function<FormWindow*()> window;
    std::vector<const char*> clicks; // what the user clicks before filing
    RecordKind kind;
    std::string source;
    QString title;
};

class FilingFromEachKind : public FilingTest, public testing::WithParamInterface<KindOfWindow> { };

TEST_P(FilingFromEachKind, KeepsTheReportAndSavesTheJobCardWithLinesToSign)
{
    FormWindow* window = GetParam().window();
    showActive(window);
    for (const char* name : GetParam().clicks)
        clickOnScreen(control(window, name));
    SavedReport saved;
    JobCardAnswers answers(
        JobCardAnswer{{.locomotive = "CC 203 95 01", .technician = "Budi", .checker = "Sari"}, AfterFiling::SavePdf});
    pressKey(Qt::Key_R, Qt::ControlModifier);

    const std::vector<Record> filed = everyRecord(*records);
    ASSERT_EQ(filed.size(), 1u);
    const Record& record = filed.front();
    EXPECT_EQ(record.kind, GetParam().kind);
    EXPECT_EQ(record.window, window->objectName().toStdString());
    EXPECT_EQ(record.source, GetParam().source);
    const Report content = reportFromJson(record.content);
    EXPECT_EQ(content.title, GetParam().title);
    EXPECT_EQ(record.subject, (content.subject.isEmpty() ? content.title : content.subject).toStdString());
    ASSERT_EQ(saved.proposedNames.size(), 1);
    EXPECT_TRUE(saved.proposedNames.front().startsWith(QStringLiteral("kartu-kerja-cc-203-95-01-")));
    expectInOrder(saved.text(),
        {QStringLiteral("Kartu kerja – ") + GetParam().title, QStringLiteral("Nomor catatan %1").arg(record.number),
            QStringLiteral("Nomor lokomotif CC 203 95 01"), GetParam().title, QStringLiteral("Teknisi"),
            QStringLiteral("Pemeriksa"), QStringLiteral("Budi"), QStringLiteral("Sari")});
}

INSTANTIATE_TEST_SUITE_P(Windows, FilingFromEachKind,
    testing::Values(
        KindOfWindow{"Maintenance", [] { return static_cast<FormWindow*>(PM); }, {"RadioButton1", "BitBtn1"},
            RecordKind::Maintenance, "prosedur perawatan 1", QStringLiteral("Sistem Perawatan Komponen")},
        KindOfWindow{"TuneUp", [] { return static_cast<FormWindow*>(TUNEUP); },
            {"BitBtn1", "RadioGroup1_item0", "SpeedButton2"}, RecordKind::TuneUp, "prosedur tune-up 1",
            QStringLiteral("Sistem Tune-up Komponen")},
        KindOfWindow{"Calculation", [] { return static_cast<FormWindow*>(DM); }, {"Button1"}, RecordKind::Calculation,
            "", QStringLiteral("Menghitung Daya Motor Diesel")}),
    [](const testing::TestParamInfo<KindOfWindow>& info) { return info.param.name; });

// The store's folder is a file.
class UnopenableStoreTest : public FilingTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile(blocker()).open(QIODevice::WriteOnly));
        FilingTest::SetUp();
    }
    RecordsConfig recordsConfig() const override
    {
        return {.database = (blocker() + QStringLiteral("/records.sqlite")).toStdString(), .defaultDatabase = false};
    }
    QString blocker() const { return folder.filePath(QStringLiteral("blocker")); }
};

TEST_F(UnopenableStoreTest, SaysWhereOnceTheReportsStillSaveAndCobaLagiOpensItOnceMended)
{
    ErrorRecorder errors;
    JobCardAnswers answers(JobCardAnswer{{.locomotive = "CC 201 89 08"}});
    showActive(DM);
    pressKey(Qt::Key_R, Qt::ControlModifier);
    ASSERT_EQ(errors.texts.size(), 1);
    EXPECT_TRUE(errors.texts.front().startsWith(
        QStringLiteral("Catatan tidak tersimpan: Riwayat perbaikan tidak dapat dibuka: folder ")))
        << errors.texts.front().toStdString();
    EXPECT_TRUE(errors.texts.front().contains(blocker())) << errors.texts.front().toStdString();
    EXPECT_TRUE(answers.requests.isEmpty());

    SavedReport saved;
    pressKey(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(saved.text().contains(QStringLiteral("Menghitung Daya Motor Diesel")));

    pressKey(Qt::Key_H, Qt::ControlModifier);
    auto* history = qobject_cast<HistoryWindow*>(windows().constLast());
    ASSERT_NE(history, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(history));
    auto* problem = control<QLabel>(history, "StoreProblem");
    EXPECT_TRUE(problem->isVisible());
    EXPECT_EQ(problem->text().toStdString(), records->why());
    EXPECT_FALSE(control(history, "RecordTable")->isEnabled());

    // Mended, the store opens at "Coba lagi".
    ASSERT_TRUE(QFile::remove(blocker()));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("blocker")));
    clickOnScreen(control(history, "RetryButton"));
    EXPECT_FALSE(problem->isVisible());
    EXPECT_TRUE(control(history, "RecordTable")->isEnabled());
    EXPECT_EQ(errors.texts.size(), 1);
}

} // namespace
} // namespace loco::records
