#include "schedule/core/due_list.h"
#include "toolkit/core/error.h"

#include <gtest/gtest.h>
#include <limits>
#include <ostream>

namespace loco {
namespace {

using namespace std::chrono;
using enum DueStatus;
using enum DueMeasure;

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

Interval every(int count, CalendarInterval::Unit unit, std::optional<int> hours = {})
{
    return {hours, {}, {}, CalendarInterval{count, unit}};
}

constexpr auto kDays = CalendarInterval::Unit::Day;
constexpr auto kMonths = CalendarInterval::Unit::Month;
// Most rows: done on day 0 at 1000 h and 50,000 km.
constexpr Reading kDone{2025y / January / 1, 1000, 50000};
// An hour meter swapped on day 5: the old one read 1300 last, the new one 0
// first; now, on day 10, it reads 150.
const std::vector<MeterReading> kSwap{
    at(0, 1000, 50000), at(5, 1300, 51000), at(5, 0, 51000, true), at(10, 150, 52000)};

struct Expected {
    DueStatus status;
    std::optional<double> hours = {};
    std::optional<double> km = {};
    std::optional<Date> date = {};
    std::optional<DueMeasure> first = {};
};

struct DueCase {
    const char* name;
    Interval interval;
    std::vector<MeterReading> readings; // the last is now
    std::optional<Reading> done;
    std::optional<Interval> depot;
    bool dailyChecklist;
    Expected expected;
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
    if (c.depot)
        settings.push_back({kTask, false, c.depot});
    const DueList list = dueList(tasks, MeterHistory(c.readings), completions, settings);
    ASSERT_EQ(list.dailyChecklist.size(), c.dailyChecklist ? 1u : 0u);
    ASSERT_EQ(list.tasks.size(), c.dailyChecklist ? 0u : 1u);
    const DueTask& row = c.dailyChecklist ? list.dailyChecklist.front() : list.tasks.front();
    EXPECT_EQ(statusText(row.status), statusText(c.expected.status));
    EXPECT_EQ(row.interval, c.depot.value_or(c.interval));
    EXPECT_EQ(row.depotInterval, c.depot.has_value());
    EXPECT_EQ(row.lastDone, c.done);
    EXPECT_EQ(row.dueHours, c.expected.hours);
    EXPECT_EQ(row.dueKm, c.expected.km);
    EXPECT_EQ(row.dueDate, c.expected.date);
    EXPECT_EQ(row.firstDue, c.expected.first);
}

INSTANTIATE_TEST_SUITE_P(Rows, DueRule,
    testing::Values(DueCase{"hours_soon_within_a_tenth", {500}, {at(10, 1450, 50000)}, kDone, {}, false,
                        {Soon, 1500, {}, {}, Hours}},
        DueCase{"hours_due_now_is_soon", {500}, {at(10, 1500, 50000)}, kDone, {}, false, {Soon, 1500, {}, {}, Hours}},
        DueCase{"hours_overdue", {500}, {at(10, 1501, 50000)}, kDone, {}, false, {Overdue, 1500, {}, {}, Hours}},
        DueCase{"km_soon", {{}, 9656, 6000}, {at(10, 1100, 58700)}, kDone, {}, false, {Soon, {}, 59656, {}, Km}},
        DueCase{"month_soon_within_seven_days", every(1, kMonths), {at(25, 1001, 50001)}, kDone, {}, false,
            {Soon, {}, {}, day(31), Calendar}},
        DueCase{"month_good_eight_days_ahead", every(1, kMonths), {at(23, 1001, 50001)}, kDone, {}, false,
            {Good, {}, {}, day(31), Calendar}},
        DueCase{"month_from_31_january_ends_in_february", every(1, kMonths), {at(58, 1001, 50001)},
            Reading{day(30), 1000, 50000}, {}, false, {Soon, {}, {}, day(58), Calendar}},
        DueCase{"six_months_overdue", every(6, kMonths), {at(182, 1001, 50001)}, kDone, {}, false,
            {Overdue, {}, {}, day(181), Calendar}},
        DueCase{"whichever_first_km_before_hours", {1000, 48280, 30000}, {at(30, 1100, 98000)}, kDone, {}, false,
            {Soon, 2000, 98280, {}, Km}},
        DueCase{"whichever_first_month_before_hours", every(1, kMonths, 300), {at(35, 1010, 50000)}, kDone, {}, false,
            {Overdue, 1300, {}, day(31), Calendar}},
        DueCase{"never_recorded", {500}, {at(10, 9000, 50000)}, {}, {}, false, {NeverRecorded}},
        DueCase{"daily_check_never_overdue", every(1, kDays, 200), {at(40, 1900, 50000)}, kDone, {}, true,
            {Good, 1200, {}, day(1), Calendar}},
        DueCase{"eight_hours_on_daily_checklist", {8, 386, 240}, {at(1, 1100, 50000)}, kDone, {}, true,
            {Good, 1008, 50386, {}, Hours}},
        DueCase{"depot_interval_rules", {1000}, {at(10, 1240, 50000)}, kDone, Interval{250}, false,
            {Soon, 1250, {}, {}, Hours}},
        DueCase{"depot_interval_takes_task_off_daily_checklist", every(1, kDays), {at(10, 1240, 50000)}, kDone,
            Interval{250}, false, {Soon, 1250, {}, {}, Hours}},
        // 300 h on the old meter and 150 on the new one.
        DueCase{"replaced_hour_meter_counts_both", {500}, kSwap, kDone, {}, false, {Soon, 200, {}, {}, Hours}},
        DueCase{"done_on_swap_day_on_old_meter", {500}, kSwap, Reading{day(5), 1300, 51000}, {}, false,
            {Good, 500, {}, {}, Hours}},
        DueCase{"done_on_swap_day_on_new_meter", {500}, kSwap, Reading{day(5), 10, 51000}, {}, false,
            {Good, 510, {}, {}, Hours}}),
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
        (std::vector<std::pair<TaskId, DueStatus>>{
            {{1, 1}, Overdue}, {{2, 1}, Soon}, {{3, 1}, NeverRecorded}, {{2, 2}, Good}, {{4, 1}, Good}}));
    EXPECT_EQ(list.notApplicable, (std::vector<TaskId>{{5, 1}}));
}

TEST(MeterHistory, RefusesReadingsInIndonesian)
{
    const std::string backwards = " lebih kecil dari pembacaan sebelumnya, ";
    const std::string replace = ": meter tidak berjalan mundur. Jika meternya diganti, tandai sebagai meter baru.";
    const struct {
        const char* name;
        std::vector<MeterReading> readings;
        std::string message;
    } rows[] = {
        {"hour_meter_backwards", {at(0, 1200.5, 10), at(3, 1199, 20)},
            "Jam mesin 1199" + backwards + "1200,5 (01-01-2025)" + replace},
        {"odometer_backwards_though_hour_meter_replaced", {at(0, 1200, 500), at(3, 5, 400, true)},
            "Kilometer 400" + backwards + "500 (01-01-2025)" + replace},
        {"dated_before_latest", {at(5, 1, 1), at(4, 2, 2)},
            "Tanggal pembacaan 05-01-2025 lebih awal dari pembacaan terakhir (06-01-2025)."},
        {"not_a_number", {at(0, 1, std::numeric_limits<double>::quiet_NaN())},
            "Kilometer harus berupa angka 0 atau lebih."},
    };
    for (const auto& [name, readings, message] : rows) {
        SCOPED_TRACE(name);
        try {
            MeterHistory{readings};
            ADD_FAILURE() << "accepted";
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), message);
        }
    }
}

TEST(DueList, RefusesUnusableDepotIntervalAndNoReading)
{
    const std::vector<MaintenanceTask> tasks{{kTask, {500}}};
    const std::vector<TaskSetting> zero{{kTask, false, Interval{0}}};
    EXPECT_THROW(dueList(tasks, MeterHistory({at(0, 1, 1)}), {}, zero), Error);
    EXPECT_THROW(dueList(tasks, MeterHistory(), {}, {}), Error);
}

} // namespace
} // namespace loco
