#include "schedule/core/due_list.h"
#include "toolkit/core/error.h"

#include <gtest/gtest.h>
#include <limits>
#include <ostream>

namespace loco {
namespace {

using namespace std::chrono;
using Unit = CalendarInterval::Unit;

const TaskId kTask{2, 2};

// Day n of 2025 from 1 January (day 0).
Date day(int n)
{
    return sys_days(2025y / January / 1) + days(n);
}

MeterReading at(int n, double hours, double km, bool newHourMeter = false)
{
    return {{day(n), hours, km}, newHourMeter};
}

// The task was done on day 0 at 1000 h and 50,000 km unless a row says otherwise.
constexpr Reading kDone{2025y / January / 1, 1000, 50000};

struct DueCase {
    const char* name;
    Interval interval;
    std::vector<MeterReading> readings; // the last is now
    std::optional<Reading> done = kDone;
    std::optional<Interval> depotInterval = {};
    // Expected:
    DueStatus status;
    bool dailyChecklist = false;
    std::optional<double> dueHours = {};
    std::optional<double> dueKm = {};
    std::optional<Date> dueDate = {};
    std::optional<DueMeasure> firstDue = {};
};

void PrintTo(const DueCase& c, std::ostream* os)
{
    *os << c.name;
}

class DueRule : public testing::TestWithParam<DueCase> { };

TEST_P(DueRule, GivesStatusAndDuePoints)
{
    const auto& c = GetParam();
    const std::vector<MaintenanceTask> tasks{{kTask, c.interval}};
    std::vector<Completion> completions;
    if (c.done)
        completions.push_back({kTask, *c.done});
    std::vector<TaskSetting> settings;
    if (c.depotInterval)
        settings.push_back({kTask, false, c.depotInterval});
    const DueList list = dueList(tasks, MeterHistory(c.readings), completions, settings);
    ASSERT_EQ(list.dailyChecklist.size(), c.dailyChecklist ? 1u : 0u);
    ASSERT_EQ(list.tasks.size(), c.dailyChecklist ? 0u : 1u);
    const DueTask& row = c.dailyChecklist ? list.dailyChecklist.front() : list.tasks.front();
    EXPECT_EQ(statusText(row.status), statusText(c.status));
    EXPECT_EQ(row.interval, c.depotInterval.value_or(c.interval));
    EXPECT_EQ(row.depotInterval, c.depotInterval.has_value());
    EXPECT_EQ(row.lastDone, c.done);
    EXPECT_EQ(row.dueHours, c.dueHours);
    EXPECT_EQ(row.dueKm, c.dueKm);
    EXPECT_EQ(row.dueDate, c.dueDate);
    EXPECT_EQ(row.firstDue, c.firstDue);
}

// A hour meter swapped on day 5: the old one read 1300 last, the new one 0 first.
const std::vector<MeterReading> kSwap{at(0, 1000, 50000), at(5, 1300, 51000), at(5, 0, 51000, true)};

std::vector<MeterReading> withNow(std::vector<MeterReading> readings, const MeterReading& now)
{
    readings.push_back(now);
    return readings;
}

INSTANTIATE_TEST_SUITE_P(Rows, DueRule,
    testing::Values(DueCase{.name = "hours_good",
                        .interval = {500},
                        .readings = {at(10, 1200, 50000)},
                        .status = DueStatus::Good,
                        .dueHours = 1500,
                        .firstDue = DueMeasure::Hours},
        DueCase{.name = "hours_soon_within_a_tenth",
            .interval = {500},
            .readings = {at(10, 1450, 50000)},
            .status = DueStatus::Soon,
            .dueHours = 1500,
            .firstDue = DueMeasure::Hours},
        DueCase{.name = "hours_due_now_is_soon",
            .interval = {500},
            .readings = {at(10, 1500, 50000)},
            .status = DueStatus::Soon,
            .dueHours = 1500,
            .firstDue = DueMeasure::Hours},
        DueCase{.name = "hours_overdue",
            .interval = {500},
            .readings = {at(10, 1501, 50000)},
            .status = DueStatus::Overdue,
            .dueHours = 1500,
            .firstDue = DueMeasure::Hours},
        DueCase{.name = "km_soon",
            .interval = {{}, 9656, 6000},
            .readings = {at(10, 1100, 58700)},
            .status = DueStatus::Soon,
            .dueKm = 59656,
            .firstDue = DueMeasure::Km},
        DueCase{.name = "month_soon_within_seven_days",
            .interval = {{}, {}, {}, {{1, Unit::Month}}},
            .readings = {at(25, 1001, 50001)},
            .status = DueStatus::Soon,
            .dueDate = day(31),
            .firstDue = DueMeasure::Calendar},
        DueCase{.name = "month_good_eight_days_ahead",
            .interval = {{}, {}, {}, {{1, Unit::Month}}},
            .readings = {at(23, 1001, 50001)},
            .status = DueStatus::Good,
            .dueDate = day(31),
            .firstDue = DueMeasure::Calendar},
        DueCase{.name = "month_from_31_january_ends_in_february",
            .interval = {{}, {}, {}, {{1, Unit::Month}}},
            .readings = {at(58, 1001, 50001)},
            .done = Reading{day(30), 1000, 50000},
            .status = DueStatus::Soon,
            .dueDate = day(58),
            .firstDue = DueMeasure::Calendar},
        DueCase{.name = "six_months_overdue",
            .interval = {{}, {}, {}, {{6, Unit::Month}}},
            .readings = {at(182, 1001, 50001)},
            .status = DueStatus::Overdue,
            .dueDate = day(181),
            .firstDue = DueMeasure::Calendar},
        DueCase{.name = "whichever_first_km_before_hours",
            .interval = {1000, 48280, 30000},
            .readings = {at(30, 1100, 98000)},
            .status = DueStatus::Soon,
            .dueHours = 2000,
            .dueKm = 98280,
            .firstDue = DueMeasure::Km},
        DueCase{.name = "whichever_first_month_before_hours",
            .interval = {300, {}, {}, {{1, Unit::Month}}},
            .readings = {at(35, 1010, 50000)},
            .status = DueStatus::Overdue,
            .dueHours = 1300,
            .dueDate = day(31),
            .firstDue = DueMeasure::Calendar},
        DueCase{.name = "never_recorded",
            .interval = {500},
            .readings = {at(10, 9000, 50000)},
            .done = {},
            .status = DueStatus::NeverRecorded},
        DueCase{.name = "daily_check_is_never_overdue",
            .interval = {200, {}, {}, {{1, Unit::Day}}},
            .readings = {at(40, 1900, 50000)},
            .status = DueStatus::Good,
            .dailyChecklist = true,
            .dueHours = 1200,
            .dueDate = day(1),
            .firstDue = DueMeasure::Calendar},
        DueCase{.name = "eight_hour_task_on_daily_checklist",
            .interval = {8, 386, 240},
            .readings = {at(1, 1100, 50000)},
            .status = DueStatus::Good,
            .dailyChecklist = true,
            .dueHours = 1008,
            .dueKm = 50386,
            .firstDue = DueMeasure::Hours},
        DueCase{.name = "daily_check_never_recorded",
            .interval = {{}, {}, {}, {{1, Unit::Day}}},
            .readings = {at(1, 1100, 50000)},
            .done = {},
            .status = DueStatus::NeverRecorded,
            .dailyChecklist = true},
        DueCase{.name = "depot_interval_rules",
            .interval = {1000},
            .readings = {at(10, 1240, 50000)},
            .depotInterval = Interval{250},
            .status = DueStatus::Soon,
            .dueHours = 1250,
            .firstDue = DueMeasure::Hours},
        DueCase{.name = "depot_interval_takes_task_off_daily_checklist",
            .interval = {{}, {}, {}, {{1, Unit::Day}}},
            .readings = {at(10, 1240, 50000)},
            .depotInterval = Interval{250},
            .status = DueStatus::Soon,
            .dueHours = 1250,
            .firstDue = DueMeasure::Hours},
        // Done at 1000 on the old meter: 300 h on it and 150 on the new one.
        DueCase{.name = "replaced_hour_meter_counts_both",
            .interval = {500},
            .readings = withNow(kSwap, at(10, 150, 52000)),
            .status = DueStatus::Soon,
            .dueHours = 200,
            .firstDue = DueMeasure::Hours},
        DueCase{.name = "done_on_swap_day_on_old_meter",
            .interval = {500},
            .readings = withNow(kSwap, at(10, 150, 52000)),
            .done = Reading{day(5), 1300, 51000},
            .status = DueStatus::Good,
            .dueHours = 500,
            .firstDue = DueMeasure::Hours},
        DueCase{.name = "done_on_swap_day_on_new_meter",
            .interval = {500},
            .readings = withNow(kSwap, at(10, 150, 52000)),
            .done = Reading{day(5), 10, 51000},
            .status = DueStatus::Good,
            .dueHours = 510,
            .firstDue = DueMeasure::Hours}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DueList, MostUrgentFirstAndTidakBerlakuApart)
{
    const std::vector<MaintenanceTask> tasks{
        {{1, 1}, {500}}, {{2, 1}, {100}}, {{2, 2}, {1000}}, {{3, 1}, {400}}, {{4, 1}, {200}}, {{5, 1}, {300}}};
    const MeterHistory meters({at(0, 0, 0), at(30, 1000, 30000)});
    // Procedure 2 filed as done at 905 h covers both its tasks; the older
    // record of task 4.1 no longer counts.
    auto completions = procedureCompletions(tasks, 2, {day(20), 905, 28000});
    completions.insert(completions.end(),
        {{{1, 1}, {day(10), 400, 10000}}, {{4, 1}, {day(1), 10, 0}}, {{4, 1}, {day(29), 990, 29900}}});
    const std::vector<TaskSetting> settings{{{5, 1}, true, {}}};
    const DueList list = dueList(tasks, meters, completions, settings);
    std::vector<std::pair<TaskId, DueStatus>> order;
    for (const DueTask& row : list.tasks)
        order.emplace_back(row.task, row.status);
    // 1.1 is 100 h over, 2.1 5 h short of 100 (soon); of the good ones 2.2
    // has 90.5 % of its interval to run, 4.1 95 %.
    EXPECT_EQ(order,
        (std::vector<std::pair<TaskId, DueStatus>>{{{1, 1}, DueStatus::Overdue}, {{2, 1}, DueStatus::Soon},
            {{3, 1}, DueStatus::NeverRecorded}, {{2, 2}, DueStatus::Good}, {{4, 1}, DueStatus::Good}}));
    EXPECT_EQ(list.notApplicable, (std::vector<TaskId>{{5, 1}}));
}

struct ReadingCase {
    const char* name;
    std::vector<MeterReading> readings;
    std::string message;
};

void PrintTo(const ReadingCase& c, std::ostream* os)
{
    *os << c.name;
}

class RefuseReading : public testing::TestWithParam<ReadingCase> { };

TEST_P(RefuseReading, InIndonesian)
{
    try {
        MeterHistory{GetParam().readings};
        FAIL() << "accepted";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, RefuseReading,
    testing::Values(
        ReadingCase{"hour_meter_backwards", {at(0, 1200.5, 10), at(3, 1199, 20)},
            "Jam mesin 1199 lebih kecil dari pembacaan sebelumnya, 1200,5 (2025-01-01): meter tidak berjalan mundur. "
            "Jika meternya diganti, tandai sebagai meter baru."},
        ReadingCase{"odometer_backwards_though_hour_meter_replaced", {at(0, 1200, 500), at(3, 5, 400, true)},
            "Kilometer 400 lebih kecil dari pembacaan sebelumnya, 500 (2025-01-01): meter tidak berjalan mundur. "
            "Jika meternya diganti, tandai sebagai meter baru."},
        ReadingCase{"dated_before_latest", {at(5, 1, 1), at(4, 2, 2)},
            "Tanggal pembacaan 2025-01-05 lebih awal dari pembacaan terakhir (2025-01-06)."},
        ReadingCase{"negative", {at(0, -1, 0)}, "Jam mesin harus berupa angka 0 atau lebih."},
        ReadingCase{"not_a_number", {at(0, 1, std::numeric_limits<double>::quiet_NaN())},
            "Kilometer harus berupa angka 0 atau lebih."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DueList, RefusesUnusableDepotIntervalAndNoReading)
{
    const std::vector<MaintenanceTask> tasks{{kTask, {500}}};
    const std::vector<TaskSetting> zero{{kTask, false, Interval{0}}};
    EXPECT_THROW(dueList(tasks, MeterHistory({at(0, 1, 1)}), {}, zero), Error);
    EXPECT_THROW(dueList(tasks, MeterHistory(), {}, {}), Error);
}

} // namespace
} // namespace loco
