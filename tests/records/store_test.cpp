#include "records/store/record_list_model.h"
#include "records/store/sql.h"
#include "tests/records/store_support.h"
#include "toolkit/core/error.h"

#include <QProcess>

#include <gtest/gtest.h>
#include <set>
#include <signal.h>

namespace loco::records::test {
namespace {

constexpr std::int64_t kDayMs = 24 * 60 * 60 * 1000LL;

std::string failureOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Error& error) {
        return error.what();
    }
    return "no error";
}

bool hasTable(const QSqlDatabase& db, const QString& table)
{
    return QSqlQuery(db).exec(QStringLiteral("SELECT 1 FROM %1 WHERE 1 = 0").arg(table));
}

std::vector<std::int64_t> numbersOf(const std::vector<Record>& records)
{
    std::vector<std::int64_t> numbers;
    for (const Record& r : records)
        numbers.push_back(r.number);
    return numbers;
}

class Store : public testing::Test {
protected:
    StorePlace place_;
    RecordsStore store_{place_.config()};
};

TEST_F(Store, OpensOnFirstUseAndKeepsEveryFieldAsFiled)
{
    {
        QSqlDatabase db = place_.connect(QStringLiteral("look"));
        EXPECT_EQ(schemaVersion(db, engineUnderTest()), 0) << "opened before first use";
    }
    QSqlDatabase::removeDatabase(QStringLiteral("look"));
    Record draft = test::draft(1);
    draft.kind = RecordKind::Maintenance;
    draft.card.status = WorkStatus::FollowUp;
    draft.card.notes = "Periksa lagi\nminggu depan";
    const Record first = store_.file(draft);
    const Record second = store_.file(test::draft(2));
    EXPECT_EQ(store_.state(), RecordsStore::State::Writable);
    EXPECT_GT(second.number, first.number);
    EXPECT_EQ(first.uuid.size(), 36u);
    EXPECT_NE(first.uuid, second.uuid);
    const auto now = QDateTime::currentMSecsSinceEpoch();
    EXPECT_LE(first.filedAtMs, now);
    EXPECT_GT(first.filedAtMs, now - 60000);

    const std::optional<Record> read = store_.record(first.number);
    ASSERT_TRUE(read);
    const auto fields = [](const Record& r) {
        return std::tuple(r.number, r.uuid, r.filedAtMs, r.utcOffsetMinutes, r.kind, r.window, r.subject, r.conclusion,
            r.source, r.content, r.card.locomotive, r.card.depot, r.card.technician, r.card.checker, r.card.workDone,
            r.card.notes, r.card.status);
    };
    EXPECT_EQ(fields(*read), fields(first));
    EXPECT_FALSE(store_.record(second.number + 1));
    const RecordPage page = store_.page({});
    EXPECT_EQ(numbersOf(page.records), (std::vector{second.number, first.number}));
    EXPECT_EQ(page.records[1].content, "") << "pages leave the report out";
}

// Whatever a user types is kept as typed and stays text: quotes, SQL,
// separators, invisible marks, other scripts.
TEST_F(Store, KeepsHostileTextVerbatimAndBoundsNotes)
{
    const std::vector<std::string> texts{"O'Brien \"Si Kuat\"", "'); DROP TABLE records; --", "a;b;c",
        "\xE2\x80\x8F\xD8\xA7\xD9\x84\xD8\xB9\xD8\xB1\xD8\xA8\xD9\x8A\xD8\xA9\xE2\x80\x8E", "\xF0\x9F\x9A\x82 kereta",
        "100% _baru_ \\n", std::string(kMaxNotesLength / 2, '\'') + std::string(kMaxNotesLength / 2, ';')};
    for (const std::string& text : texts) {
        Record draft = test::draft(1);
        draft.subject = draft.conclusion = draft.card.technician = text.substr(0, 100);
        draft.card.notes = text;
        const Record filed = store_.file(draft);
        const Record read = *store_.record(filed.number);
        EXPECT_EQ(read.subject, draft.subject);
        EXPECT_EQ(read.card.technician, draft.card.technician);
        EXPECT_EQ(read.card.notes, text);
        const RecordPage found = store_.page({.text = text.substr(0, 40)});
        ASSERT_FALSE(found.records.empty()) << text;
        EXPECT_EQ(found.records.front().number, filed.number) << text;
    }
    EXPECT_EQ(store_.page({}).records.size(), texts.size()) << "the table is still there, with every record";

    // Characters, not bytes: 2,000 emoji fit, one more does not.
    Record emoji = test::draft(2);
    std::string notes;
    for (std::size_t i = 0; i < kMaxNotesLength; ++i)
        notes += "\xF0\x9F\x94\xA7";
    emoji.card.notes = notes;
    EXPECT_NO_THROW(store_.file(emoji));
    Record tooLong = test::draft(3);
    tooLong.card.notes = std::string(10000, 'x');
    EXPECT_EQ(failureOf([&] { store_.file(tooLong); }),
        "Catatan tidak tersimpan: Catatan paling panjang 2000 karakter; isinya 10000.");
    EXPECT_EQ(store_.page({}).records.size(), texts.size() + 1);
}

// Pages run newest first by filing time, then by number, however many
// records share one time, and none is skipped or shown twice.
TEST_F(Store, PagesCoverEveryRecordOnceInOrder)
{
    std::vector<Record> drafts;
    for (int i = 0; i < 1100; ++i) {
        drafts.push_back(draft(i));
        drafts.back().filedAtMs = 1'700'000'000'000 + (i % 7) * 1000;
    }
    std::vector<Record> filed = store_.file(drafts);
    std::sort(filed.begin(), filed.end(), [](const Record& a, const Record& b) {
        return std::pair(a.filedAtMs, a.number) > std::pair(b.filedAtMs, b.number);
    });
    std::vector<std::int64_t> shown;
    std::vector<std::size_t> sizes;
    RecordPage page = store_.page({});
    for (;;) {
        sizes.push_back(page.records.size());
        for (const Record& r : page.records)
            shown.push_back(r.number);
        if (!page.next)
            break;
        page = store_.page({}, page.next);
    }
    EXPECT_EQ(sizes, (std::vector<std::size_t>{500, 500, 100}));
    EXPECT_EQ(shown, numbersOf(filed));

    // A view over the same list reads a page as it scrolls to it.
    RecordListModel model(store_);
    model.setFilter({});
    EXPECT_EQ(model.rowCount(), 500);
    while (model.canFetchMore({}))
        model.fetchMore({});
    EXPECT_EQ(model.rowCount(), 1100);
    EXPECT_EQ(model.recordAt(1099).number, shown.back());
}

TEST_F(Store, FiltersByNumberTimeKindStatusAndText)
{
    const std::int64_t t0 = 1'700'000'000'000;
    struct Row {
        const char* locomotive;
        std::int64_t at;
        RecordKind kind;
        WorkStatus status;
        const char* notes;
    };
    const Row rows[] = {
        {"CC 201 89 08", t0, RecordKind::Diagnosis, WorkStatus::Done, "KOMPRESOR bocor"},
        {"CC 201 12", t0 + kDayMs, RecordKind::Maintenance, WorkStatus::FollowUp, "diskon 100%"},
        {"CC 2010 1", t0 + 2 * kDayMs, RecordKind::Diagnosis, WorkStatus::FollowUp, "kompresor baru"},
        {"BB 304 1", t0 + 3 * kDayMs, RecordKind::TuneUp, WorkStatus::Done, "100 persen"},
    };
    std::vector<std::int64_t> numbers;
    for (const Row& row : rows) {
        Record r = draft(0, row.locomotive);
        r.filedAtMs = row.at;
        r.kind = row.kind;
        r.card.status = row.status;
        r.card.notes = row.notes;
        numbers.push_back(store_.file(r).number);
    }
    struct Case {
        const char* name;
        RecordFilter filter;
        std::vector<int> rows; // newest first
    };
    const Case cases[] = {
        {"number typed loosely", {.locomotive = "cc201-89.08"}, {0}},
        {"first groups of a number", {.locomotive = "CC 201"}, {1, 0}},
        {"number refused", {.locomotive = "CC/201"}, {}},
        {"from a day", {.fromMs = t0 + kDayMs}, {3, 2, 1}},
        {"until a day", {.untilMs = t0 + kDayMs}, {0}},
        {"kind", {.kind = RecordKind::Diagnosis}, {2, 0}},
        {"status", {.status = WorkStatus::FollowUp}, {2, 1}},
        {"text in any case", {.text = "  Kompresor "}, {2, 0}},
        {"percent sign as typed", {.text = "100%"}, {1}},
        {"everything at once", {.locomotive = "CC", .kind = RecordKind::Diagnosis, .text = "baru"}, {2}},
    };
    for (const Case& c : cases) {
        std::vector<std::int64_t> expected;
        for (const int row : c.rows)
            expected.push_back(numbers[std::size_t(row)]);
        EXPECT_EQ(numbersOf(store_.page(c.filter).records), expected) << c.name;
    }
    const std::string csv = store_.exportCsv({.status = WorkStatus::FollowUp});
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 3) << csv;
    EXPECT_NE(csv.find("\r\n" + std::to_string(numbers[2]) + ";"), std::string::npos) << csv;
    EXPECT_EQ(
        store_.knownLocomotives(), (std::vector<std::string>{"BB 304 1", "CC 201 12", "CC 201 89 08", "CC 2010 1"}));
}

TEST_F(Store, UnitHistoryMarksTheSameConclusionWithinNinetyDays)
{
    const std::int64_t t0 = 1'700'000'000'000;
    struct Row {
        const char* locomotive;
        int day;
        RecordKind kind;
        const char* conclusion;
    };
    const Row rows[] = {
        {"CC 201 1", 0, RecordKind::Diagnosis, "Pompa air rusak"},
        {"CC 201 2", 10, RecordKind::Diagnosis, "Pompa air rusak"},
        {"CC 201 1", 30, RecordKind::Diagnosis, "pompa  AIR rusak "},
        {"CC 201 1", 40, RecordKind::Maintenance, "Pompa air rusak"},
        {"CC 201 1", 121, RecordKind::Diagnosis, "Pompa air rusak"},
        {"CC 201 1", 122, RecordKind::Diagnosis, "Filter tersumbat"},
    };
    std::vector<std::int64_t> numbers;
    for (const Row& row : rows) {
        Record r = draft(0, row.locomotive);
        r.filedAtMs = t0 + row.day * kDayMs;
        r.kind = row.kind;
        r.conclusion = row.conclusion;
        numbers.push_back(store_.file(r).number);
    }
    std::vector<std::pair<std::int64_t, std::optional<std::int64_t>>> history;
    for (const UnitEntry& entry : store_.unitHistory("CC 201 1"))
        history.emplace_back(entry.record.number, entry.repeatOf);
    // Day 30 repeats day 0; day 121 is 91 days after day 30; the maintenance record is no diagnosis.
    const std::vector<std::pair<std::int64_t, std::optional<std::int64_t>>> expected{{numbers[0], std::nullopt},
        {numbers[2], numbers[0]}, {numbers[3], std::nullopt}, {numbers[4], std::nullopt}, {numbers[5], std::nullopt}};
    EXPECT_EQ(history, expected);
}

Date day(int n)
{
    using namespace std::chrono;
    return sys_days(2025y / January / 1) + days(n);
}

// Noon UTC of day n: the same date on the workstation's calendar.
std::int64_t noonOf(int n)
{
    return std::chrono::sys_days(day(n)).time_since_epoch().count() * kDayMs + kDayMs / 2;
}

std::vector<std::tuple<Date, double, double, bool, bool>> readingRows(const std::vector<MeterReading>& readings)
{
    std::vector<std::tuple<Date, double, double, bool, bool>> rows;
    for (const MeterReading& r : readings)
        rows.emplace_back(r.reading.date, r.reading.hours, r.reading.km, r.hourMeterReplaced, r.odometerReplaced);
    return rows;
}

// Each unit's readings apart; a meter that runs backwards is refused unless
// marked replaced, and a refused filing files nothing.
TEST_F(Store, KeepsReadingsPerUnitAndRefusesAMeterRunningBackwards)
{
    store_.addReadings("CC 201 1", {{{day(0), 1000.5, 50000}}});
    store_.addReadings("CC 201 2", {{{day(0), 10, 20}}});
    EXPECT_EQ(failureOf([&] {
        store_.addReadings("CC 201 1", {{{day(3), 900, 50100}}});
    }),
        "Pembacaan tidak tersimpan: Jam mesin 900 lebih kecil dari pembacaan sebelumnya, 1000,5 (01-01-2025): meter "
        "tidak berjalan mundur. Jika meternya diganti, tandai sebagai meter baru.");
    // The old meter's last figure, then the new one's first, marked replaced.
    store_.addReadings("CC 201 1",
        readingsToStore(
            {.date = day(5), .hours = 3, .km = 51000, .hourMeterReplaced = true, .oldHourMeterLast = 1300}));
    Record draft = test::draft(1, "CC 201 1");
    draft.kind = RecordKind::Maintenance;
    EXPECT_EQ(failureOf([&] {
        store_.file({draft}, {{{day(6), 2, 51500}}});
    }),
        "Catatan tidak tersimpan: Jam mesin 2 lebih kecil dari pembacaan sebelumnya, 3 (06-01-2025): meter tidak "
        "berjalan mundur. Jika meternya diganti, tandai sebagai meter baru.");
    EXPECT_TRUE(store_.page({}).records.empty()) << "a refused reading filed its record";
    EXPECT_EQ(readingRows(store_.schedule("CC 201 1").readings),
        (readingRows({{{day(0), 1000.5, 50000}}, {{day(5), 1300, 51000}}, {{day(5), 3, 51000}, true}})));
    EXPECT_EQ(store_.schedule("CC 201 2").readings.size(), 1u);
}

// One completion per task done, linked to its record; the unit's schedule
// gives the latest of each, with the meters filed beside it where read.
TEST_F(Store, KeepsTheLatestCompletionOfEachTaskAndTheDepotsSettings)
{
    const auto filed = [&](int dayNumber, std::vector<std::size_t> lines, const std::vector<MeterReading>& readings,
                           const std::string& unit = "CC 201 1") {
        std::vector<Record> drafts;
        for (const std::size_t line : lines) {
            Record r = test::draft(int(line), unit);
            r.kind = RecordKind::Maintenance;
            r.filedAtMs = noonOf(dayNumber);
            r.tasksDone = {{2, line, "baris " + std::to_string(line)}};
            drafts.push_back(r);
        }
        store_.file(drafts, readings);
    };
    filed(0, {2, 3}, {{{day(0), 100, 1000}}});
    filed(9, {2}, {{{day(9), 200, 2000}}});
    filed(9, {2}, {{{day(9), 210, 2100}}}); // filed later the same day: counts
    filed(4, {3}, {}); // from the tutorial, no meters read
    filed(20, {2}, {{{day(20), 50, 500}}}, "CC 201 2");
    std::vector<std::tuple<std::size_t, Date, std::optional<double>, std::optional<double>>> done;
    for (const StoredCompletion& c : store_.schedule("CC 201 1").completions)
        done.emplace_back(c.task.line, c.date, c.hours, c.km);
    EXPECT_EQ(done, (decltype(done){{2, day(9), 210.0, 2100.0}, {3, day(4), std::nullopt, std::nullopt}}));

    const Interval depot{750, std::nullopt, std::nullopt, CalendarInterval{3, CalendarInterval::Unit::Month}};
    store_.setTaskSetting("CC 201 1", {{{2, 3}, false, depot}, "baris 3"});
    store_.setTaskSetting("CC 201 1", {{{4, 1}, true}, "baris 1"});
    store_.setTaskSetting("CC 201 1", {{{4, 1}, false}, "baris 1"});
    const std::vector<StoredSetting> settings = store_.schedule("CC 201 1").settings;
    ASSERT_EQ(settings.size(), 2u);
    EXPECT_EQ(settings[0].setting.depotInterval, depot);
    EXPECT_EQ(settings[0].lineText, "baris 3");
    EXPECT_FALSE(settings[1].setting.notApplicable);
    EXPECT_FALSE(settings[1].setting.depotInterval);
    EXPECT_TRUE(store_.schedule("CC 201 2").settings.empty());
}

TEST_F(Store, MigratesForwardInOneTransactionAndOpensNewerReadOnly)
{
    const Record kept = store_.file(draft(1));
    const int current = recordsMigrations().back().version;
    Migration failing{
        current + 1, {{"CREATE TABLE readings (unit TEXT NOT NULL)"}, {"INSERT INTO no_such_table VALUES (1)"}}};
    Migration next{
        current + 1, {{"CREATE TABLE readings (unit TEXT NOT NULL)"}, {"ALTER TABLE records ADD COLUMN extra TEXT"}}};
    {
        QSqlDatabase db = place_.connect(QStringLiteral("migrating"));
        std::vector<Migration> migrations = recordsMigrations();
        migrations.push_back(failing);
        EXPECT_THROW(migrate(db, engineUnderTest(), migrations), sql::Failure);
        EXPECT_EQ(schemaVersion(db, engineUnderTest()), current);
        EXPECT_FALSE(hasTable(db, QStringLiteral("readings"))) << "a failed step left a table";
        migrations.back() = next;
        EXPECT_EQ(migrate(db, engineUnderTest(), migrations), current + 1);
        EXPECT_TRUE(hasTable(db, QStringLiteral("readings")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("migrating"));

    RecordsStore newer(place_.config());
    EXPECT_EQ(newer.state(), RecordsStore::State::ReadOnly);
    EXPECT_EQ(newer.why(),
        "Riwayat di " + newer.location() + " dibuat oleh versi program yang lebih baru (skema "
            + std::to_string(current + 1) + ", program ini sampai skema " + std::to_string(current)
            + "): catatan dapat dibaca, tetapi tidak dapat ditambah. Perbarui program ini.");
    EXPECT_EQ(newer.record(kept.number)->subject, kept.subject);
    EXPECT_EQ(failureOf([&] { newer.file(draft(2)); }), "Catatan tidak tersimpan: " + newer.why());
    EXPECT_EQ(newer.page({}).records.size(), 1u);
}

TEST_F(Store, TwoProcessesFilingAtOnceLoseNothing)
{
    QProcess writers[2];
    for (QProcess& writer : writers)
        writer.start(QStringLiteral(LOKO_RECORDS_FILER), {place_.configFile(), QStringLiteral("500")});
    std::set<std::string> numbers;
    for (QProcess& writer : writers) {
        ASSERT_TRUE(writer.waitForFinished(120000));
        EXPECT_EQ(writer.exitCode(), 0) << writer.readAllStandardError().toStdString();
        for (const QByteArray& line : writer.readAllStandardOutput().split('\n'))
            if (!line.isEmpty())
                numbers.insert(line.toStdString());
    }
    EXPECT_EQ(numbers.size(), 1000u);
    std::set<std::string> uuids;
    store_.forEachRecord([&](const Record& r) { uuids.insert(r.uuid); });
    EXPECT_EQ(uuids.size(), 1000u);
}

TEST_F(Store, KilledWhileFilingLeavesASoundStoreWithEveryRecordFiled)
{
    QProcess writer;
    writer.start(QStringLiteral(LOKO_RECORDS_FILER), {place_.configFile(), QStringLiteral("0")});
    std::vector<std::int64_t> filed;
    while (filed.size() < 50 && writer.waitForReadyRead(30000))
        while (writer.canReadLine())
            filed.push_back(writer.readLine().trimmed().toLongLong());
    ::kill(pid_t(writer.processId()), SIGKILL);
    writer.waitForFinished();
    ASSERT_GE(filed.size(), 50u);
    EXPECT_EQ(store_.state(), RecordsStore::State::Writable);
    EXPECT_EQ(store_.check(), std::vector<std::string>{});
    for (const std::int64_t number : filed)
        EXPECT_TRUE(store_.record(number)) << number;
}

} // namespace
} // namespace loco::records::test
