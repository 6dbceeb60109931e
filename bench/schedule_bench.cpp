// The due lists of a depot's fleet: 100 locomotives, the tasks of the thirty
// maintenance procedures, a year of weekly meter readings each (every tenth
// unit with a replaced hour meter), 100,000 filed completions. Ours sorts the
// records by unit once and lets the due list keep the latest per task; the
// naive way scans all records for each task of each unit.
//
// Then the same fleet filed in a records store as the program files it, and
// the due lists made as the window makes them, store queries included: the
// store's one query per unit for the latest completion of each task, beside
// the naive way of one query per task. SQLite always; PostgreSQL too when
// given the configuration of a running server (make bench starts one).
//
// usage: schedule_bench [--postgresql CONFIG] [benchmark options]

#include "bench/bench_setup.h"
#include "bench/median_reporter.h"
#include "bench/plain_connection.h"
#include "records/store/records_store.h"
#include "schedule/core/due_list.h"
#include "schedule/core/unit_schedule.h"
#include "shell/builtin_data.h"
#include "toolkit/core/error.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <optional>
#include <random>

namespace {

using namespace std::chrono;

constexpr int kUnits = 100;
constexpr int kRecords = 100'000;
constexpr int kWeeks = 53;
constexpr double kBudgetMs = 50.0;

struct Filed {
    int unit;
    loco::Completion completion;
};

struct Fleet {
    std::vector<loco::MaintenanceTask> tasks;
    std::vector<std::vector<loco::MeterReading>> readings; // per unit
    std::vector<std::vector<loco::TaskSetting>> settings; // per unit
    std::vector<Filed> records;
};

Fleet makeFleet(std::vector<loco::MaintenanceTask> tasks)
{
    std::mt19937 random(20261207);
    Fleet fleet{std::move(tasks), {}, {}, {}};
    const sys_days start = 2025y / January / 6;
    for (int unit = 0; unit < kUnits; ++unit) {
        auto& readings = fleet.readings.emplace_back();
        double hours = 10'000.0 * (unit % 7);
        double km = 300'000.0 * (unit % 5);
        for (int week = 0; week < kWeeks; ++week) {
            hours += std::uniform_real_distribution(60.0, 120.0)(random);
            km += std::uniform_real_distribution(1500.0, 3500.0)(random);
            const loco::Date date = start + weeks(week);
            if (unit % 10 == 0 && week == kWeeks / 2) {
                readings.push_back({{date, hours, km}});
                hours = 0;
                readings.push_back({{date, hours, km}, true});
                continue;
            }
            readings.push_back({{date, hours, km}});
        }
        // A marine item that the unit lacks, and a depot's own interval.
        fleet.settings.push_back({{{4, 1}, true}, {{2, 2}, false, loco::Interval{750}}});
    }
    std::uniform_int_distribution<int> anyUnit(0, kUnits - 1);
    std::uniform_int_distribution<std::size_t> anyTask(0, fleet.tasks.size() - 1);
    std::uniform_int_distribution<int> anyWeek(0, kWeeks - 1);
    for (int n = 0; n < kRecords; ++n) {
        const int unit = anyUnit(random);
        const auto& reading = fleet.readings[static_cast<std::size_t>(unit)][static_cast<std::size_t>(anyWeek(random))];
        fleet.records.push_back({unit, {fleet.tasks[anyTask(random)].id, reading.reading}});
    }
    return fleet;
}

std::vector<loco::DueList> dueListsByUnit(const Fleet& fleet)
{
    std::vector<std::vector<loco::Completion>> byUnit(kUnits);
    for (const Filed& record : fleet.records)
        byUnit[static_cast<std::size_t>(record.unit)].push_back(record.completion);
    std::vector<loco::DueList> lists;
    for (std::size_t unit = 0; unit < kUnits; ++unit)
        lists.push_back(
            loco::dueList(fleet.tasks, loco::MeterHistory(fleet.readings[unit]), byUnit[unit], fleet.settings[unit]));
    return lists;
}

// For each task of each unit, every record is looked at.
std::vector<loco::DueList> dueListsScanningAllRecords(const Fleet& fleet)
{
    std::vector<loco::DueList> lists;
    for (int unit = 0; unit < kUnits; ++unit) {
        std::vector<loco::Completion> latest;
        for (const loco::MaintenanceTask& task : fleet.tasks) {
            const Filed* best = nullptr;
            for (const Filed& record : fleet.records) {
                if (record.unit == unit && record.completion.task == task.id
                    && (!best || best->completion.at.date <= record.completion.at.date))
                    best = &record;
            }
            if (best)
                latest.push_back(best->completion);
        }
        const auto u = static_cast<std::size_t>(unit);
        lists.push_back(loco::dueList(fleet.tasks, loco::MeterHistory(fleet.readings[u]), latest, fleet.settings[u]));
    }
    return lists;
}

bool sameRows(const std::vector<loco::DueList>& a, const std::vector<loco::DueList>& b)
{
    const auto key = [](const loco::DueTask& row) { return std::tuple(row.task, row.status, row.dueHours); };
    for (std::size_t unit = 0; unit < a.size(); ++unit) {
        const auto& x = a[unit].tasks;
        const auto& y = b[unit].tasks;
        if (!std::equal(
                x.begin(), x.end(), y.begin(), y.end(), [&](const auto& r, const auto& s) { return key(r) == key(s); }))
            return false;
    }
    return a.size() == b.size();
}

std::string unitNumber(int unit)
{
    return "CC 201 " + std::to_string(10 + unit / 10) + " " + std::to_string(10 + unit % 10);
}

// Each unit's readings and settings, then each completion as a maintenance
// record of its own, filed at noon UTC of its day.
void fileFleet(loco::records::RecordsStore& store, const loco::MaintenanceTable& table, const Fleet& fleet)
{
    QElapsedTimer timer;
    timer.start();
    for (int unit = 0; unit < kUnits; ++unit) {
        const auto u = static_cast<std::size_t>(unit);
        store.addReadings(unitNumber(unit), fleet.readings[u]);
        for (const loco::TaskSetting& setting : fleet.settings[u])
            store.setTaskSetting(unitNumber(unit), {setting, loco::doneTask(table, setting.task).lineText});
    }
    std::vector<loco::records::Record> batch;
    for (const Filed& filed : fleet.records) {
        loco::records::Record& r = batch.emplace_back();
        r.kind = loco::records::RecordKind::Maintenance;
        r.window = "pm";
        r.subject = table.at(filed.completion.task.entry).title;
        r.content = "{}";
        r.filedAtMs = duration_cast<milliseconds>(sys_days(filed.completion.at.date).time_since_epoch() + 12h).count();
        r.card = {unitNumber(filed.unit), "Dipo Sidotopo", "Teknisi", "", "Dikerjakan", ""};
        loco::records::DoneTask done = loco::doneTask(table, filed.completion.task);
        done.hours = filed.completion.at.hours;
        done.km = filed.completion.at.km;
        r.tasksDone.push_back(std::move(done));
        if (batch.size() == 2000) {
            store.file(std::move(batch));
            batch.clear();
        }
    }
    std::size_t readings = 0;
    for (const auto& unit : fleet.readings)
        readings += unit.size();
    std::printf("%s: %zu readings and %d records filed in %.1f s\n", store.location().c_str(), readings, kRecords,
        timer.elapsed() / 1000.0);
}

// As the window does on choosing a unit.
loco::DueList dueListFromStore(loco::records::RecordsStore& store, const loco::MaintenanceTable& table, int unit)
{
    const loco::records::StoredSchedule stored = store.schedule(unitNumber(unit));
    const loco::UnitTasks tasks = loco::currentTasks(table, stored.readings, stored.completions, stored.settings);
    return loco::dueList(table.tasks(), loco::MeterHistory(stored.readings), tasks.completions, tasks.settings);
}

// The naive way: the unit's readings and settings, then one query per task
// for its latest completion.
loco::DueList dueListQueryingEachTask(QSqlDatabase& db, const std::vector<loco::MaintenanceTask>& tasks, int unit)
{
    namespace sql = loco::records::sql;
    const QString number = QString::fromStdString(unitNumber(unit));
    const auto dateOf = [](const QVariant& day) { return loco::Date(sys_days(days(day.toInt()))); };
    std::vector<loco::MeterReading> readings;
    QSqlQuery rows = sql::run(db,
        QStringLiteral("SELECT read_on, hours, km, hour_meter_replaced, odometer_replaced FROM unit_readings"
                       " WHERE locomotive = ? ORDER BY read_on, id"),
        {number});
    while (rows.next())
        readings.push_back({{dateOf(rows.value(0)), rows.value(1).toDouble(), rows.value(2).toDouble()},
            rows.value(3).toInt() != 0, rows.value(4).toInt() != 0});
    std::vector<loco::TaskSetting> settings;
    QSqlQuery set = sql::run(db,
        QStringLiteral("SELECT entry, line, not_applicable, depot_hours FROM task_settings WHERE locomotive = ?"),
        {number});
    while (set.next()) {
        loco::TaskSetting& setting = settings.emplace_back(loco::TaskSetting{
            {set.value(0).toInt(), std::size_t(set.value(1).toLongLong())}, set.value(2).toInt() != 0});
        if (!set.value(3).isNull())
            setting.depotInterval = loco::Interval{set.value(3).toInt()};
    }
    std::vector<loco::Completion> latest;
    QSqlQuery done = sql::prepare(db,
        QStringLiteral("SELECT done_on, hours, km FROM task_completions WHERE locomotive = ? AND entry = ? AND line = ?"
                       " ORDER BY done_on DESC, record_id DESC LIMIT 1"));
    for (const loco::MaintenanceTask& task : tasks) {
        sql::run(done, {number, task.id.entry, qlonglong(task.id.line)});
        if (done.next())
            latest.push_back({task.id, {dateOf(done.value(0)), done.value(1).toDouble(), done.value(2).toDouble()}});
        done.finish();
    }
    return loco::dueList(tasks, loco::MeterHistory(readings), latest, settings);
}

struct Pair {
    std::string ours;
    std::string naive;
    std::string what;
};

std::vector<Pair> registerEngine(const std::string& engine, const loco::records::RecordsConfig& config,
    const loco::MaintenanceTable& table, const Fleet& fleet, const std::vector<loco::DueList>& expected)
{
    auto* store = new loco::records::RecordsStore(config); // lives until the program ends
    if (store->state() != loco::records::RecordsStore::State::Writable)
        throw loco::Error(store->why());
    fileFleet(*store, table, fleet);
    auto* plain = new QSqlDatabase(loco::records::plainConnection(config, QString::fromStdString("plain-" + engine)));
    std::vector<loco::DueList> fromStore;
    std::vector<loco::DueList> queryingEachTask;
    for (int unit = 0; unit < kUnits; ++unit) {
        fromStore.push_back(dueListFromStore(*store, table, unit));
        queryingEachTask.push_back(dueListQueryingEachTask(*plain, fleet.tasks, unit));
    }
    if (!sameRows(fromStore, expected) || !sameRows(queryingEachTask, expected))
        throw loco::Error(engine + ": the store gives other due lists than the records in memory");

    const std::string e = engine + "_";
    const auto configure = [](benchmark::internal::Benchmark* b, int repetitions) {
        b->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(repetitions)->ReportAggregatesOnly(true);
    };
    configure(benchmark::RegisterBenchmark((e + "due_list_of_one_unit").c_str(),
                  [=, &table](benchmark::State& state) {
                      int unit = 0;
                      for (auto _ : state)
                          benchmark::DoNotOptimize(dueListFromStore(*store, table, ++unit % kUnits));
                  }),
        15);
    configure(benchmark::RegisterBenchmark((e + "due_list_of_one_unit_querying_each_task").c_str(),
                  [=, &fleet](benchmark::State& state) {
                      int unit = 0;
                      for (auto _ : state)
                          benchmark::DoNotOptimize(dueListQueryingEachTask(*plain, fleet.tasks, ++unit % kUnits));
                  }),
        15);
    configure(benchmark::RegisterBenchmark((e + "due_lists_of_the_fleet").c_str(),
                  [=, &table](benchmark::State& state) {
                      for (auto _ : state)
                          for (int unit = 0; unit < kUnits; ++unit)
                              benchmark::DoNotOptimize(dueListFromStore(*store, table, unit));
                  }),
        5);
    configure(benchmark::RegisterBenchmark((e + "due_lists_of_the_fleet_querying_each_task").c_str(),
                  [=, &fleet](benchmark::State& state) {
                      for (auto _ : state)
                          for (int unit = 0; unit < kUnits; ++unit)
                              benchmark::DoNotOptimize(dueListQueryingEachTask(*plain, fleet.tasks, unit));
                  }),
        5);
    return {{e + "due_list_of_one_unit", e + "due_list_of_one_unit_querying_each_task",
                engine + ": the due list of one unit (the window's)"},
        {e + "due_lists_of_the_fleet", e + "due_lists_of_the_fleet_querying_each_task",
            engine + ": the due lists of all 100 units"}};
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const std::string postgresql = loco::records::postgresqlConfigArgument(argc, argv);
    benchmark::Initialize(&argc, argv);
    const std::optional<loco::BuiltinData> data = loco::benchmarkData();
    const Fleet fleet = makeFleet(data->maintenance.tasks());
    const auto ours = dueListsByUnit(fleet);
    if (!sameRows(ours, dueListsScanningAllRecords(fleet))) {
        std::fprintf(stderr, "the two ways give different due lists\n");
        return 1;
    }
    std::size_t overdue = 0;
    for (const auto& list : ours)
        overdue += static_cast<std::size_t>(std::count_if(list.tasks.begin(), list.tasks.end(),
            [](const loco::DueTask& row) { return row.status == loco::DueStatus::Overdue; }));
    std::printf("%d units, %zu tasks, %d records; %zu rows terlambat\n", kUnits, fleet.tasks.size(), kRecords, overdue);

    benchmark::RegisterBenchmark("due_lists_records_by_unit",
        [&](benchmark::State& state) {
            for (auto _ : state)
                benchmark::DoNotOptimize(dueListsByUnit(fleet));
        })
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(15)
        ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark("due_lists_scanning_all_records",
        [&](benchmark::State& state) {
            for (auto _ : state)
                benchmark::DoNotOptimize(dueListsScanningAllRecords(fleet));
        })
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);

    QTemporaryDir folder;
    std::vector<Pair> pairs;
    try {
        loco::records::RecordsConfig sqlite;
        sqlite.database = folder.filePath(QStringLiteral("records.sqlite")).toStdString();
        sqlite.defaultDatabase = false;
        pairs = registerEngine("sqlite", sqlite, data->maintenance, fleet, ours);
        if (!postgresql.empty()) {
            const auto more = registerEngine(
                "postgresql", loco::records::readRecordsConfigFile(postgresql), data->maintenance, fleet, ours);
            pairs.insert(pairs.end(), more.begin(), more.end());
        }
    } catch (const loco::Error& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }

    loco::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const loco::Median byUnit = reporter.medians["due_lists_records_by_unit"];
    const loco::Median scanning = reporter.medians["due_lists_scanning_all_records"];
    if (byUnit.cpuMs > 0 && scanning.cpuMs > 0) {
        std::printf("scanning all records / ours: %.1f CPU, %.1f real\n", scanning.cpuMs / byUnit.cpuMs,
            scanning.realMs / byUnit.realMs);
        char what[160];
        std::snprintf(what, sizeof what, "due lists of %d units in memory: %.2f ms CPU, %.2f ms real (aim %.0f ms)",
            kUnits, byUnit.cpuMs, byUnit.realMs, kBudgetMs);
        loco::reportAim(byUnit.cpuMs <= kBudgetMs, what);
    }
    for (const Pair& pair : pairs) {
        const auto ours = reporter.medians.find(pair.ours);
        const auto naive = reporter.medians.find(pair.naive);
        if (ours == reporter.medians.end() || naive == reporter.medians.end())
            continue; // left out by a filter
        char line[320];
        std::snprintf(line, sizeof line,
            "%-52s ours %8.2f ms (CPU %7.2f), a query per task %8.2f ms (CPU %7.2f), ratio %5.2f (aim %.0f ms)",
            pair.what.c_str(), ours->second.realMs, ours->second.cpuMs, naive->second.realMs, naive->second.cpuMs,
            naive->second.realMs / ours->second.realMs, kBudgetMs);
        loco::reportAim(ours->second.realMs <= kBudgetMs, line);
    }
    return 0;
}
