#include "calculators/UMENU_DM.h"
#include "records/HistoryWindow.h"
#include "records/report_json.h"
#include "records/store/record_list_model.h"
#include "shell/window_refs.h"
#include "shell/window_registry.h"
#include "tests/records/windows_with_records.h"
#include "tests/support/saved_report.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QTableView>
#include <QTest>

namespace loco::records {
namespace {

constexpr std::int64_t kDayMs = 24LL * 60 * 60 * 1000;

class HistoryWindowTest : public WindowsWithRecords {
protected:
    // A unit's fault filed twice 88 days apart, another unit's open job.
    void fileRecords()
    {
        const std::int64_t now = QDateTime::currentMSecsSinceEpoch();
        const auto draft
            = [now](const char* unit, RecordKind kind, const char* conclusion, int daysAgo, WorkStatus status) {
                  Record record;
                  record.kind = kind;
                  record.window = kind == RecordKind::Diagnosis ? "diagno" : "PM";
                  record.subject = kind == RecordKind::Diagnosis ? "Sistem bahan bakar" : "Penggantian oli";
                  record.conclusion = conclusion;
                  Report report;
                  report.title = QStringLiteral("Diagnosa Kerusakan Komponen");
                  report.sections.append(ReportSection{});
                  report.sections.front().lines << QString::fromUtf8(conclusion);
                  record.content = reportToJson(report);
                  record.card = {.locomotive = unit, .technician = "Budi", .status = status};
                  record.filedAtMs = now - daysAgo * kDayMs;
                  return record;
              };
        records->file(
            draft("CC 201 89 08", RecordKind::Diagnosis, "Saringan bahan bakar tersumbat", 100, WorkStatus::Done));
        records->file(
            draft("CC 201 89 08", RecordKind::Diagnosis, "Saringan bahan bakar tersumbat", 12, WorkStatus::Done));
        records->file(draft("CC 203 95 01", RecordKind::Maintenance, "Oli diganti", 3, WorkStatus::FollowUp));
    }

    HistoryWindow* openHistory()
    {
        showActive(DM);
        pressKey(Qt::Key_H, Qt::ControlModifier);
        auto* history = qobject_cast<HistoryWindow*>(windows().constLast());
        EXPECT_NE(history, nullptr);
        if (history) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(history));
        }
        return history;
    }

    static QStringList column(QTableView* table, int column)
    {
        QStringList texts;
        for (int row = 0; row < table->model()->rowCount(); ++row)
            texts << table->model()->index(row, column).data().toString();
        return texts;
    }
};

TEST_F(HistoryWindowTest, FiltersAsTypedAndChosenByKeys)
{
    fileRecords();
    HistoryWindow* history = openHistory();
    ASSERT_NE(history, nullptr);
    auto* table = control<QTableView>(history, "RecordTable");
    EXPECT_EQ(
        column(table, RecordListModel::Locomotive), QStringList({"CC 203 95 01", "CC 201 89 08", "CC 201 89 08"}));

    clickOnScreen(control(history, "LocomotiveFilter"));
    typeKeys(QStringLiteral("cc201"));
    EXPECT_EQ(column(table, RecordListModel::Locomotive), QStringList({"CC 201 89 08", "CC 201 89 08"}));
    pressKey(Qt::Key_A, Qt::ControlModifier);
    pressKey(Qt::Key_Backspace);

    clickOnScreen(control(history, "StatusFilter"));
    pressKey(Qt::Key_Down);
    pressKey(Qt::Key_Down);
    pressKey(Qt::Key_Return);
    EXPECT_EQ(control<QComboBox>(history, "StatusFilter")->currentText(), QStringLiteral("perlu tindak lanjut"));
    EXPECT_EQ(column(table, RecordListModel::Locomotive), QStringList({"CC 203 95 01"}));
    control<QComboBox>(history, "StatusFilter")->setCurrentIndex(0);

    clickOnScreen(control(history, "TextFilter"));
    typeKeys(QStringLiteral("tersumbat"));
    EXPECT_EQ(table->model()->rowCount(), 2);
    EXPECT_TRUE(control<QLabel>(history, "CountLabel")->text().startsWith(QStringLiteral("2 catatan")));
}

TEST_F(HistoryWindowTest, OneUnitInTimeOrderSaysWhichRecordARepeatRepeatsAndReprintsIt)
{
    fileRecords();
    HistoryWindow* history = openHistory();
    ASSERT_NE(history, nullptr);
    auto* table = control<QTableView>(history, "RecordTable");
    // The second row is the unit's latest fault.
    const QRect row = table->visualRect(table->model()->index(1, RecordListModel::Subject));
    clickAt(history, table->viewport()->mapTo(history, row.center()));
    // A button pressed by its keys clicks a moment later, as it shows being pressed.
    pressKey(Qt::Key_L, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([history] { return control<QAbstractButton>(history, "UnitButton")->isChecked(); }));

    EXPECT_EQ(column(table, RecordListModel::Date).size(), 2);
    const QStringList repeats = column(table, UnitHistoryModel::Repeat);
    EXPECT_EQ(
        repeats, QStringList({QString(), QStringLiteral("berulang: sama dengan catatan no. 1, 88 hari sebelumnya")}));
    EXPECT_EQ(control<QLabel>(history, "CountLabel")->text(),
        QStringLiteral("Riwayat CC 201 89 08: 2 catatan urut waktu, 1 berulang"));

    SavedReport saved;
    pressKey(Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&saved] { return !saved.proposedNames.isEmpty(); }));
    expectInOrder(saved.text(),
        {QStringLiteral("Cetak ulang"), QStringLiteral("Nomor catatan 2"),
            QStringLiteral("Saringan bahan bakar tersumbat")});
}

} // namespace
} // namespace loco::records
