#include "records/HistoryWindow.h"
#include "records/job_card.h"
#include "schedule/core/due_text.h"
#include "schedule/maintenance_schedule_window.h"
#include "shell/window_refs.h"
#include "tests/records/store_support.h"
#include "tests/support/error_recorder.h"
#include "tests/support/saved_report.h"
#include "tests/support/shipped_data.h"
#include "tests/support/windows_fixture.h"
#include "tutorials/UMENU_PM.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace loco {
namespace {

using records::test::StorePlace;

constexpr std::int64_t kDayMs = 24 * 60 * 60 * 1000LL;

Date daysAgo(int n)
{
    const QDate date = QDate::currentDate().addDays(-n);
    return std::chrono::year(date.year()) / std::chrono::month(unsigned(date.month()))
        / std::chrono::day(unsigned(date.day()));
}

// Answers the job card as a user would, with the card it was offered and
// the unit's number; the user's remembered card goes to a folder of its own.
class JobCardAnswers {
public:
    JobCardAnswers()
    {
        qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
        previous_ = records::setJobCardAsker([this](QWidget*, const records::JobCardRequest& request) {
            requests.push_back(request);
            records::JobCardAnswer answer{request.card};
            answer.card.locomotive = "CC 201 89 08";
            answer.card.technician = "Budi";
            return std::optional(answer);
        });
    }
    ~JobCardAnswers()
    {
        records::setJobCardAsker(previous_);
        qunsetenv("XDG_CONFIG_HOME");
    }
    std::vector<records::JobCardRequest> requests;

private:
    QTemporaryDir config_;
    records::JobCardAsker previous_;
};

class ScheduleWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        // 30 days ago: the meters at 1000 h and 50,000 km, and the cooling
        // filter (procedure 2, line 3, every 500 h) changed then.
        store_.addReadings("CC 201 89 08", {{{daysAgo(30), 1000, 50000}}});
        records::Record filter = records::test::draft(1);
        filter.kind = records::RecordKind::Maintenance;
        filter.filedAtMs = QDateTime::currentMSecsSinceEpoch() - 30 * kDayMs;
        filter.tasksDone = {{2, 3, shippedData().maintenance.at(2).lines[2]}};
        store_.file({filter});
        window_.showModeless();
        QVERIFY(QTest::qWaitForWindowActive(&window_));
    }

    QTreeWidget* tasks() { return control<QTreeWidget>(&window_, "tasks"); }
    // "2.3 segera": each task of a group, with its status.
    QStringList group(int heading)
    {
        QStringList rows;
        const QTreeWidgetItem* parent = tasks()->topLevelItem(heading);
        for (int i = 0; i < parent->childCount(); ++i) {
            const QString task = parent->child(i)->text(0).section(QLatin1Char('.'), 0, 0) + QLatin1Char('.')
                + parent->child(i)->text(0).section(QLatin1Char(' '), -1);
            rows << task + QLatin1Char(' ') + parent->child(i)->text(4);
        }
        return rows;
    }
    QTreeWidgetItem* row(const QString& startsWith)
    {
        const auto found = tasks()->findItems(startsWith, Qt::MatchStartsWith | Qt::MatchRecursive);
        EXPECT_EQ(found.size(), 1) << startsWith.toStdString();
        return found.value(0);
    }
    // Clicks a row's task name, as a user picks it.
    void pick(QTreeWidgetItem* item)
    {
        const QRect area = tasks()->visualItemRect(item);
        clickAt(&window_, tasks()->viewport()->mapTo(&window_, QPoint(area.left() + 60, area.center().y())));
    }
    void chooseUnit()
    {
        typeKeys(QStringLiteral("cc201-89-08"));
        pressKey(Qt::Key_Tab);
    }

    StorePlace place_{records::Engine::Sqlite};
    records::RecordsStore store_{place_.config()};
    MaintenanceScheduleWindow window_{shippedData().maintenance, store_};
};

// The number typed loosely, then today's hours typed key by key: the list
// follows each key, most urgent first; a meter that runs backwards is
// refused until marked replaced, and the swap is stored as two readings.
TEST_F(ScheduleWindowTest, FollowsTheReadingsAsTheyAreTyped)
{
    chooseUnit();
    EXPECT_EQ(control<QComboBox>(&window_, "locomotive")->currentText(), "CC 201 89 08");
    EXPECT_EQ(focusName(), "hours");
    EXPECT_EQ(control<QLineEdit>(&window_, "hours")->text(), "1000");
    typeKeys(QStringLiteral("1460"));
    EXPECT_EQ(group(0).first(), "2.3 segera");
    typeKeys(QStringLiteral("0"));
    EXPECT_EQ(group(0).first(), "2.3 terlambat");
    EXPECT_EQ(row(QStringLiteral("2. Air pendingin dan Filter, baris 3"))->text(3), "1.500 jam (lewat 13.100 jam)");

    // Backwards: refused, and said to screen readers in the field too.
    pressKey(Qt::Key_A, Qt::ControlModifier);
    typeKeys(QStringLiteral("12"));
    const QString refused = QStringLiteral("Jam mesin 12 lebih kecil dari pembacaan sebelumnya, 1000 (")
        + QString::fromStdString(dateText(daysAgo(30)))
        + QStringLiteral("): meter tidak berjalan mundur. Jika meternya diganti, tandai sebagai meter baru.");
    EXPECT_EQ(control<QLabel>(&window_, "readingsNote")->text(), refused);
    EXPECT_EQ(control<QLineEdit>(&window_, "hours")->accessibleDescription(), refused);
    // The new meter reads 12; the old one stopped at 1480.
    pressKey(Qt::Key_Tab);
    EXPECT_EQ(focusName(), "km");
    pressKey(Qt::Key_Tab);
    EXPECT_EQ(focusName(), "hourMeterReplaced");
    pressKey(Qt::Key_Space);
    pressKey(Qt::Key_Tab);
    EXPECT_EQ(focusName(), "oldHours");
    typeKeys(QStringLiteral("1480"));
    EXPECT_EQ(group(0).first(), "2.3 segera") << "480 h on the old meter and 12 on the new";
    clickOnScreen(control<QPushButton>(&window_, "saveReadings"));
    std::vector<std::pair<double, bool>> stored;
    for (const MeterReading& reading : store_.schedule("CC 201 89 08").readings)
        stored.emplace_back(reading.reading.hours, reading.hourMeterReplaced);
    EXPECT_EQ(stored, (std::vector<std::pair<double, bool>>{{1000, false}, {1480, false}, {12, true}}));
    EXPECT_FALSE(control<QCheckBox>(&window_, "hourMeterReplaced")->isChecked());
    EXPECT_EQ(control<QLineEdit>(&window_, "hours")->text(), "12");
    EXPECT_EQ(group(0).first(), "2.3 segera");
}

// A depot's choices for a task, made on its row, are stored and rule the
// list; the ticked rows make the work order.
TEST_F(ScheduleWindowTest, KeepsTheDepotsChoicesAndPrintsTheTickedTasks)
{
    chooseUnit();
    typeKeys(QStringLiteral("1030"));
    pick(row(QStringLiteral("4. Heat exchanger, baris 1")));
    pressKey(Qt::Key_Space);
    clickOnScreen(control<QCheckBox>(&window_, "notApplicable"));
    EXPECT_EQ(tasks()->topLevelItem(2)->text(0), "Tidak berlaku untuk unit ini");
    EXPECT_EQ(group(2), QStringList{"4.1 tidak berlaku"});
    clickOnScreen(control<QLineEdit>(&window_, "depotInterval"));
    typeKeys(QStringLiteral("250 jam"));
    pressKey(Qt::Key_Enter);
    pick(row(QStringLiteral("2. Air pendingin dan Filter, baris 3")));
    pressKey(Qt::Key_Space);
    clickOnScreen(control<QLineEdit>(&window_, "depotInterval"));
    typeKeys(QStringLiteral("20 jam"));
    pressKey(Qt::Key_Enter);
    EXPECT_EQ(group(0).first(), "2.3 terlambat");
    EXPECT_EQ(row(QStringLiteral("2. Air pendingin dan Filter, baris 3"))->text(1), "20 jam (interval dipo)");
    const auto settings = store_.schedule("CC 201 89 08").settings;
    ASSERT_EQ(settings.size(), 2u);
    EXPECT_TRUE(settings[1].setting.notApplicable);
    EXPECT_EQ(settings[1].setting.depotInterval, Interval{250});

    {
        ErrorRecorder errors;
        clickOnScreen(control<QLineEdit>(&window_, "depotInterval"));
        pressKey(Qt::Key_A, Qt::ControlModifier);
        typeKeys(QStringLiteral("tiap minggu"));
        pressKey(Qt::Key_Enter);
        EXPECT_EQ(errors.texts.value(0).left(37), "\"tiap minggu\" tidak dapat dibaca seba");
    }
    SavedReport saved;
    pick(row(QStringLiteral("12. Generator Pengisian Baterai, baris 3")));
    pressKey(Qt::Key_Space);
    clickOnScreen(control<QPushButton>(&window_, "saveWorkOrder"));
    EXPECT_EQ(saved.proposedStems(), QStringList{"perintah-kerja-perawatan-cc-201-89-08"});
    expectInOrder(saved.text(),
        {"Perintah kerja perawatan", "Lokomotif CC 201 89 08", "Pembacaan meter", "Jam mesin (HM) 1.030 jam",
            "Kilometer 50.000 km", "Interval menurut teks tutorial; ikuti jadwal resmi dipo.",
            "\u2610 2. Air pendingin dan Filter, baris 3", "Interval: 20 jam (interval dipo)",
            "Status: terlambat. Terakhir dikerjakan: " + QString::fromStdString(dateText(daysAgo(30)))
                + ", 1.000 jam, 50.000 km.",
            "Jatuh tempo: 1.020 jam (lewat 10 jam).", "Baris prosedur: Jika sistem pendingin dilengkapi saringan",
            "\u2610 12. Generator Pengisian Baterai, baris 3", "Interval: 2.000 jam", "Status: belum pernah tercatat.",
            "Catatan", "Tanda tangan", "Teknisi:", "Pemeriksa:"});
}

// The ticked tasks filed as done, one record each with one job card and
// today's readings; the list then counts them from today.
TEST_F(ScheduleWindowTest, MarksTheTickedTasksDone)
{
    chooseUnit();
    typeKeys(QStringLiteral("1600"));
    pick(row(QStringLiteral("2. Air pendingin dan Filter, baris 3")));
    pressKey(Qt::Key_Space);
    pick(row(QStringLiteral("12. Generator Pengisian Baterai, baris 3")));
    pressKey(Qt::Key_Space);
    JobCardAnswers card;
    clickOnScreen(control<QPushButton>(&window_, "markDone"));
    ASSERT_EQ(card.requests.size(), 1u);
    EXPECT_EQ(card.requests[0].card.locomotive, "CC 201 89 08");
    EXPECT_EQ(card.requests[0].card.workDone,
        "Perawatan menurut jadwal pada 1.600 jam, 50.000 km: 2. Air pendingin dan Filter, baris 3; 12. Generator "
        "Pengisian Baterai, baris 3.");
    const QString done = QString::fromStdString(dateText(daysAgo(0))) + ", 1.600 jam, 50.000 km";
    EXPECT_EQ(row(QStringLiteral("2. Air pendingin dan Filter, baris 3"))->text(2), done);
    EXPECT_EQ(row(QStringLiteral("12. Generator Pengisian Baterai, baris 3"))->text(4), "baik");
    EXPECT_EQ(row(QStringLiteral("2. Air pendingin dan Filter, baris 3"))->checkState(0), Qt::Unchecked);
    const records::RecordPage filed = store_.page({.kind = records::RecordKind::Maintenance});
    ASSERT_EQ(filed.records.size(), 3u);
    EXPECT_EQ(filed.records[0].subject, "12. Generator Pengisian Baterai, baris 3");
    EXPECT_EQ(filed.records[0].card.technician, "Budi");
    EXPECT_EQ(store_.schedule("CC 201 89 08").readings.back().reading.hours, 1600);
}

class ScheduleFromTheProgramTest : public WindowsTest {
protected:
    records::RecordsConfig recordsConfig() const override { return place_.config(); }
    StorePlace place_{records::Engine::Sqlite};
};

// A procedure filed from the tutorial with "Catat ke riwayat…" counts as
// all its tasks done; Ctrl+J there opens the schedule.
TEST_F(ScheduleFromTheProgramTest, ProcedureFiledFromTheTutorialCountsAsDone)
{
    records->addReadings("CC 201 89 08", {{{daysAgo(10), 900, 40000}}});
    PM->showModeless();
    QVERIFY(QTest::qWaitForWindowActive(PM));
    QRadioButton* coolant = control<QRadioButton>(PM, "RadioButton2");
    QTest::mouseClick(coolant, Qt::LeftButton, {}, QPoint(6, coolant->height() / 2));
    clickOnScreen(control<QPushButton>(PM, "BitBtn1"));
    JobCardAnswers card;
    pressKey(Qt::Key_R, Qt::ControlModifier);
    ASSERT_EQ(card.requests.size(), 1u);
    pressKey(Qt::Key_J, Qt::ControlModifier);
    auto* schedule = qobject_cast<MaintenanceScheduleWindow*>(QApplication::activeWindow());
    ASSERT_NE(schedule, nullptr);
    typeKeys(QStringLiteral("CC 201 89 08"));
    pressKey(Qt::Key_Tab);
    const QString done = QString::fromStdString(dateText(daysAgo(0))) + ", 900 jam, 40.000 km";
    const auto rows = control<QTreeWidget>(schedule, "tasks")
                          ->findItems(QStringLiteral("2. Air pendingin"), Qt::MatchStartsWith | Qt::MatchRecursive);
    ASSERT_EQ(rows.size(), 4);
    for (const QTreeWidgetItem* task : rows)
        EXPECT_EQ(task->text(2), done) << task->text(0).toStdString();

    // From the repair history too.
    schedule->hide();
    PM->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(PM));
    pressKey(Qt::Key_H, Qt::ControlModifier);
    QVERIFY(qobject_cast<HistoryWindow*>(QApplication::activeWindow()));
    pressKey(Qt::Key_J, Qt::ControlModifier);
    QVERIFY(QTest::qWaitForWindowActive(schedule));
}

} // namespace
} // namespace loco
