#include "schedule/core/due_text.h"
#include "schedule/core/unit_schedule.h"
#include "toolkit/core/error.h"

#include <gtest/gtest.h>

namespace loco {
namespace {

using namespace std::chrono;

Date day(int n)
{
    return sys_days(2025y / January / 1) + days(n);
}

std::string failureOf(std::string_view typed)
{
    try {
        parseDepotInterval(typed);
    } catch (const Error& error) {
        return error.what();
    }
    return "no error";
}

TEST(DepotInterval, ReadsWhatListsWriteAndRefusesTheRest)
{
    const Interval written{1000, 48280, 30000, CalendarInterval{6, CalendarInterval::Unit::Month}};
    EXPECT_EQ(parseDepotInterval(intervalText(written)), written);
    EXPECT_EQ(parseDepotInterval(" 750 JAM, 20000 km "), (Interval{750, 20000}));
    EXPECT_EQ(parseDepotInterval("1 tahun").calendar, (CalendarInterval{12, CalendarInterval::Unit::Month}));
}

TEST(DepotInterval, RefusesInIndonesian)
{
    const std::string unreadable = " tidak dapat dibaca sebagai interval: tulis angka dan satuannya (jam, km, miles, "
                                   "hari, bulan atau tahun), misalnya \"750 jam atau 20.000 km\".";
    EXPECT_EQ(failureOf("  "), "Tulis interval dipo, misalnya \"750 jam\" atau \"20.000 km atau 3 bulan\".");
    EXPECT_EQ(failureOf("750"), "\"750\"" + unreadable);
    EXPECT_EQ(failureOf("7,5 jam"), "\"7\"" + unreadable);
    EXPECT_EQ(failureOf("1.00 jam"), "\"1.00 jam\"" + unreadable);
    EXPECT_EQ(failureOf("0 jam"), "Angka interval dipo harus lebih dari nol.");
    EXPECT_EQ(failureOf("500 jam atau 600 jam"), "Interval dipo memuat dua angka jam.");
    EXPECT_EQ(failureOf("1000 km (3000 miles)"), "3000 miles sama dengan 4828 km, bukan 1000 km.");
}

// Thirty procedures; the second has tasks on lines 2 and 3.
MaintenanceTable tableOfTwoTasks()
{
    std::vector<SourceText> files(MaintenanceTable::kSize, {"x.txt", "caption: c\ntitle: t\n---\nbaris\n"});
    files[1].text = "caption: c\ntitle: t\ninterval: 2: 500 jam\ninterval: 3: 1000 jam\n---\n"
                    "periksa\nganti setiap 500 jam\nkuras setiap 1000 jam\n";
    return MaintenanceTable(files);
}

// Stored work follows its line by its text; a line that reads differently
// now is noted; a completion filed without meters counts from the reading
// before it.
TEST(StoredWork, FollowsItsLineByText)
{
    const MaintenanceTable table = tableOfTwoTasks();
    const std::vector<MeterReading> readings{{{day(0), 100, 10}}, {{day(7), 200, 20}}};
    const std::vector<StoredCompletion> stored{
        {{2, 2}, "ganti setiap 500 jam", day(1), 120, 12},
        {{2, 1}, "kuras setiap 1000 jam", day(5)}, // filed when it was line 1, without meters
        {{2, 3}, "kuras oli setiap 1000 jam", day(2), 150, 15}, {{9, 1}, "baris", day(2), 150, 15}, // no task there
    };
    const std::vector<StoredSetting> settings{{{{2, 2}, true}, "ganti filter setiap 500 jam"}};
    const UnitTasks unit = currentTasks(table, readings, stored, settings);
    std::vector<std::pair<TaskId, Reading>> done;
    for (const Completion& c : unit.completions)
        done.emplace_back(c.task, c.at);
    EXPECT_EQ(
        done, (std::vector<std::pair<TaskId, Reading>>{{{2, 2}, {day(1), 120, 12}}, {{2, 3}, {day(5), 100, 10}}}));
    EXPECT_TRUE(unit.settings.empty());
    EXPECT_EQ(unit.textChanged, (std::vector<TaskId>{{2, 3}, {2, 2}}));
}

// A swap gives the old meter's last figure, then the new one's first.
TEST(TodaysReadings, SplitOnAMeterSwap)
{
    using Row = std::tuple<double, double, bool, bool>;
    const auto rows = [](const TypedReading& typed) {
        std::vector<Row> out;
        for (const MeterReading& r : readingsToStore(typed))
            out.emplace_back(r.reading.hours, r.reading.km, r.hourMeterReplaced, r.odometerReplaced);
        return out;
    };
    EXPECT_EQ(rows({day(0), 1200, 500}), (std::vector<Row>{{1200, 500, false, false}}));
    EXPECT_EQ(rows({day(0), 3, 500, true, false, 1300}),
        (std::vector<Row>{{1300, 500, false, false}, {3, 500, true, false}}));
    EXPECT_EQ(rows({day(0), 3, 500, true}), (std::vector<Row>{{3, 500, true, false}}))
        << "without the old figure only the new meter's";
    EXPECT_EQ(
        rows({day(0), 3, 7, true, true, {}, 90000}), (std::vector<Row>{{3, 90000, true, false}, {3, 7, false, true}}));
}

TEST(MeterFigure, ReadsTheUsersSeparatorAndGroups)
{
    const struct {
        const char* typed;
        char separator;
        std::optional<double> value;
    } rows[] = {
        {"12345", ',', 12345},
        {" 12.345,5 ", ',', 12345.5},
        {"12,345.5", '.', 12345.5},
        {"12345,", ',', std::nullopt},
        {"12.34", ',', std::nullopt},
        {"-5", ',', std::nullopt},
        {"1e5", '.', std::nullopt},
        {"", ',', std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(parseMeterFigure(row.typed, row.separator), row.value) << row.typed;
    EXPECT_EQ(figureText(48280.04), "48.280");
    EXPECT_EQ(figureText(1234567.25), "1.234.567,3");
}

TEST(DueText, SaysWhenAndHowFarOff)
{
    DueTask row{{2, 3}, {500}};
    EXPECT_EQ(lastDoneText(row), "belum pernah tercatat");
    EXPECT_EQ(dueText(row, {day(10), 1450, 0}), "");
    row.lastDone = Reading{day(0), 1000, 50000};
    row.dueHours = 1500;
    row.firstDue = DueMeasure::Hours;
    EXPECT_EQ(lastDoneText(row), "01-01-2025, 1.000 jam, 50.000 km");
    EXPECT_EQ(dueText(row, {day(10), 1450, 0}), "1.500 jam (50 jam lagi)");
    row.dueDate = day(31);
    row.firstDue = DueMeasure::Calendar;
    EXPECT_EQ(dueText(row, {day(34), 1450, 0}), "01-02-2025 (lewat 3 hari)");
}

} // namespace
} // namespace loco
