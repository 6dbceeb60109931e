// The workshop records with 100,000 records filed: filing one more, opening
// the history (connection, schema check, the first page as a view reads it)
// and filtering it, each beside a plain QSqlQuery loop that does the same
// work on a connection of its own, and beside reading every row at once.
// SQLite always; PostgreSQL too when given the configuration of a running
// server (make bench starts a throwaway cluster for it).
//
// usage: records_bench [--postgresql CONFIG] [benchmark options]

#include "bench/median_reporter.h"
#include "bench/plain_connection.h"
#include "records/store/record_list_model.h"
#include "records/store/records_store.h"
#include "records/store/sql.h"
#include "toolkit/core/error.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QUuid>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

using namespace loco::records;

constexpr int kRecords = 100000;
constexpr int kRepetitions = 15;
constexpr double kFilingAimMs = 20;
constexpr double kOpenAimMs = 200;
constexpr double kFilterAimMs = 50;
constexpr std::int64_t kDayMs = 24 * 60 * 60 * 1000LL;

const char* const kConclusions[] = {"Pompa air rusak", "Filter bahan bakar tersumbat", "Injektor bocor",
    "Tekanan oli rendah", "Radiator kotor", "Kompresor aus", "Governor tidak stabil", "Turbocharger rusak"};

// A diagnosis report as the window files it, about 1.5 KB.
std::string reportContent(int i)
{
    std::string lines;
    for (int q = 0; q < 12; ++q)
        lines += std::string(q ? "," : "") + "\"APAKAH ADA GEJALA NOMOR " + std::to_string(q) + " PADA SISTEM? YA\"";
    return R"({"format":1,"title":"Diagnosa kerusakan","subject":"Sistem pendingin","sections":[{"heading":"Pertanyaan","lines":[)"
        + lines + R"(]},{"heading":"Kesimpulan","lines":[")" + kConclusions[i % 8] + "\"]}]}";
}

Record draft(int i, std::int64_t start)
{
    Record r;
    r.kind = RecordKind(i % 4);
    r.window = "diagno";
    r.subject = "Sistem pendingin";
    r.conclusion = kConclusions[i % 8];
    r.source = "Edisi 1.0";
    r.content = reportContent(i);
    r.filedAtMs = start + std::int64_t(i) * (3 * 365 * kDayMs / kRecords);
    r.utcOffsetMinutes = 7 * 60;
    r.card = {"CC 201 " + std::to_string(10 + i % 90) + " " + std::to_string(10 + i / 90 % 30), "Dipo Sidotopo",
        "Teknisi " + std::to_string(i % 40), "Pemeriksa", "Pompa air diganti, sabuk diperiksa",
        i % 1000 == 0 ? "Bocor halus di sambungan" : "", WorkStatus(i % 2)};
    return r;
}

void fill(RecordsStore& store)
{
    QElapsedTimer timer;
    timer.start();
    const std::int64_t start = QDateTime::currentMSecsSinceEpoch() - 3 * 365 * kDayMs;
    std::vector<Record> batch;
    for (int i = 0; i < kRecords; ++i) {
        batch.push_back(draft(i, start));
        if (batch.size() == 2000) {
            store.file(batch);
            batch.clear();
        }
    }
    std::printf("%s: %d records filed in %.1f s\n", store.location().c_str(), kRecords, timer.elapsed() / 1000.0);
}

const QString kSelect = QStringLiteral("SELECT id, uuid, filed_at, utc_offset, kind, window_name, locomotive, subject,"
                                       " conclusion, depot, technician, checker, status, source, work_done, notes"
                                       " FROM records");

// Reads rows as a view needs them: every column into a record.
int readRows(QSqlQuery& rows)
{
    int count = 0;
    while (rows.next()) {
        Record r;
        r.number = rows.value(0).toLongLong();
        r.uuid = rows.value(1).toString().toStdString();
        r.filedAtMs = rows.value(2).toLongLong();
        for (int column = 5; column < 16; ++column)
            r.subject = rows.value(column).toString().toStdString();
        benchmark::DoNotOptimize(r);
        ++count;
    }
    return count;
}

void configure(benchmark::internal::Benchmark* b)
{
    b->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
}

struct Pair {
    std::string ours;
    std::string plain;
    double aimMs;
    std::string what;
};

std::vector<Pair> registerEngine(const std::string& engine, const RecordsConfig& config)
{
    auto* store = new RecordsStore(config); // lives until the program ends
    if (store->state() != RecordsStore::State::Writable)
        throw loco::Error(store->why());
    fill(*store);
    static int connections = 0;
    const QString plainName = QStringLiteral("plain-%1").arg(++connections);
    QSqlDatabase plain = plainConnection(config, plainName);
    const std::int64_t now = QDateTime::currentMSecsSinceEpoch();
    const std::string e = engine + "_";
    const RecordFilter unit{.locomotive = "CC 201 45 12"};
    const RecordFilter text{.text = "bocor halus"};

    configure(benchmark::RegisterBenchmark((e + "file_one_record").c_str(), [=](benchmark::State& state) {
        int i = 0;
        for (auto _ : state)
            store->file(draft(++i, now));
    }));
    configure(benchmark::RegisterBenchmark((e + "file_one_record_plain").c_str(), [=](benchmark::State& state) {
        const bool sqlite = config.driver == RecordsConfig::Driver::Sqlite;
        QSqlQuery insert = sql::prepare(plain,
            QStringLiteral("INSERT INTO records (uuid, filed_at, utc_offset, kind, window_name, locomotive,"
                           " subject, conclusion, depot, technician, checker, status, source, work_done, notes,"
                           " search_text) VALUES (?, ?, 420, 'diagnosis', 'diagno', 'CC 201 10 10', 's', 'c',"
                           " 'd', 't', 'p', 'selesai', 'e', 'w', 'n', 'x') RETURNING id"));
        QSqlQuery report
            = sql::prepare(plain, QStringLiteral("INSERT INTO record_reports (record_id, content) VALUES (?, ?)"));
        const QString content = QString::fromStdString(reportContent(1));
        for (auto _ : state) {
            sql::run(plain, sqlite ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN"));
            sql::run(insert, {QUuid::createUuid().toString(QUuid::WithoutBraces), qlonglong(now)});
            insert.next();
            const QVariant number = insert.value(0);
            insert.finish();
            sql::run(report, {number, content});
            sql::run(plain, QStringLiteral("COMMIT"));
        }
    }));
    configure(benchmark::RegisterBenchmark((e + "open_history").c_str(), [=](benchmark::State& state) {
        for (auto _ : state) {
            RecordsStore opened(config);
            RecordListModel model(opened);
            model.setFilter({});
            benchmark::DoNotOptimize(model.rowCount());
        }
    }));
    configure(benchmark::RegisterBenchmark((e + "open_history_plain").c_str(), [=](benchmark::State& state) {
        for (auto _ : state) {
            {
                QSqlDatabase db = plainConnection(config, QStringLiteral("plain-open"));
                QSqlQuery rows = sql::run(db, kSelect + QStringLiteral(" ORDER BY filed_at DESC, id DESC LIMIT 500"));
                benchmark::DoNotOptimize(readRows(rows));
            }
            QSqlDatabase::removeDatabase(QStringLiteral("plain-open"));
        }
    }));
    configure(benchmark::RegisterBenchmark((e + "read_all_rows_plain").c_str(), [=](benchmark::State& state) {
        for (auto _ : state) {
            QSqlQuery rows = sql::run(plain, kSelect + QStringLiteral(" ORDER BY filed_at DESC, id DESC"));
            benchmark::DoNotOptimize(readRows(rows));
        }
    }));
    for (const auto& [name, filter, where, value] :
        {std::tuple{"filter_unit", unit, "locomotive = ?", QVariant(QStringLiteral("CC 201 45 12"))},
            std::tuple{"filter_text", text, "search_text LIKE ?", QVariant(QStringLiteral("%bocor halus%"))}}) {
        configure(benchmark::RegisterBenchmark((e + name).c_str(), [=](benchmark::State& state) {
            RecordListModel model(*store);
            for (auto _ : state) {
                model.setFilter(filter);
                benchmark::DoNotOptimize(model.rowCount());
            }
        }));
        configure(benchmark::RegisterBenchmark((e + name + "_plain").c_str(), [=](benchmark::State& state) {
            for (auto _ : state) {
                QSqlQuery rows = sql::run(plain,
                    kSelect + QStringLiteral(" WHERE %1 ORDER BY filed_at DESC, id DESC LIMIT 500").arg(where),
                    {value});
                benchmark::DoNotOptimize(readRows(rows));
            }
        }));
    }
    return {
        {e + "file_one_record", e + "file_one_record_plain", kFilingAimMs, engine + ": filing one record"},
        {e + "open_history", e + "open_history_plain", kOpenAimMs, engine + ": opening the history, first page"},
        {e + "open_history", e + "read_all_rows_plain", 0, engine + ": the same, against reading every row"},
        {e + "filter_unit", e + "filter_unit_plain", kFilterAimMs, engine + ": filter by one locomotive"},
        {e + "filter_text", e + "filter_text_plain", kFilterAimMs, engine + ": filter by free text (full scan)"},
    };
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const std::string postgresql = loco::records::postgresqlConfigArgument(argc, argv);
    benchmark::Initialize(&argc, argv);

    QTemporaryDir folder;
    std::vector<Pair> pairs;
    try {
        RecordsConfig sqlite;
        sqlite.database = folder.filePath(QStringLiteral("records.sqlite")).toStdString();
        sqlite.defaultDatabase = false;
        pairs = registerEngine("sqlite", sqlite);
        if (!postgresql.empty()) {
            const auto more = registerEngine("postgresql", readRecordsConfigFile(postgresql));
            pairs.insert(pairs.end(), more.begin(), more.end());
        }
    } catch (const loco::Error& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }

    loco::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\nmedians of %d runs, real time, 100,000 records\n", kRepetitions);
    for (const Pair& pair : pairs) {
        const auto ours = reporter.medians.find(pair.ours);
        const auto plain = reporter.medians.find(pair.plain);
        if (ours == reporter.medians.end() || plain == reporter.medians.end())
            continue; // left out by a filter
        char line[320];
        std::snprintf(line, sizeof line,
            "%-48s ours %8.3f ms (CPU %7.3f), plain QSqlQuery %8.3f ms (CPU %7.3f), ratio %6.2f", pair.what.c_str(),
            ours->second.realMs, ours->second.cpuMs, plain->second.realMs, plain->second.cpuMs,
            ours->second.realMs / plain->second.realMs);
        if (pair.aimMs > 0)
            loco::reportAim(ours->second.realMs <= pair.aimMs,
                std::string(line) + " (aim " + std::to_string(int(pair.aimMs)) + " ms)");
        else
            std::printf("       %s\n", line);
    }
    return 0;
}
