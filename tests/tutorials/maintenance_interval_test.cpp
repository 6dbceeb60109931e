#include "toolkit/core/error.h"
#include "tutorials/core/maintenance_interval.h"

#include <gtest/gtest.h>
#include <ostream>

namespace loco {
namespace {

using Unit = CalendarInterval::Unit;

struct IntervalCase {
    const char* name;
    std::string line; // procedure line 2
    std::string header; // the "interval" value, on line 7 of the file
    Interval expected;
    std::string error = {}; // after "m.txt:7: ", when refused
};

void PrintTo(const IntervalCase& c, std::ostream* os)
{
    *os << c.name;
}

class ReadTaskInterval : public testing::TestWithParam<IntervalCase> { };

TEST_P(ReadTaskInterval, MatchesItsLine)
{
    const auto& c = GetParam();
    try {
        const auto task = readTaskInterval({7, c.header}, 4, {"other", c.line}, "m.txt");
        EXPECT_EQ(c.error, "") << "accepted";
        EXPECT_EQ(task.id, (TaskId{4, 2}));
        EXPECT_EQ(task.interval, c.expected);
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "m.txt:7: " + c.error);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, ReadTaskInterval,
    testing::Values(
        IntervalCase{"dotted_thousands_and_bare_bracketed_km", "setiap 1000 jam atau 30.000 miles (48.280).",
            "2: 1000 jam, 30000 miles, 48280 km", {1000, 48280, 30000}},
        IntervalCase{"comma_thousands_km", "setiap 300 jam atau 9000 miles (14,484 km)",
            "2: 300 jam, 9000 miles, 14484 km", {300, 14484, 9000}},
        IntervalCase{"km_glued_to_unit", "setiap 3000 miles (4828km).", "2: 3000 miles, 4828 km", {{}, 4828, 3000}},
        IntervalCase{"smallest_of_two_and_km_from_miles", "setiap 8,50 jam atau 240,1500 miles", "2: 8 jam, 240 miles",
            {8, 386, 240}},
        IntervalCase{
            "count_word_months", "setiap enam bulan sekali", "2: enam bulan", {{}, {}, {}, {{6, Unit::Month}}}},
        IntervalCase{"year_is_twelve_months", "gantilah setiap tahun;", "2: tahun", {{}, {}, {}, {{12, Unit::Month}}}},
        IntervalCase{"daily_with_hours", "setiap hari atau 200 jam (6000 miles)", "2: hari, 200 jam",
            {200, {}, {}, {{1, Unit::Day}}}},
        IntervalCase{"hours_not_in_line", "setiap 1000 jam", "2: 100 jam", {},
            "\"100 jam\" is not in the procedure line (procedure line 2)"},
        IntervalCase{"larger_of_two", "setiap 100,300 jam", "2: 300 jam", {},
            "the line gives two figures: take the smallest, 100 jam (procedure line 2)"},
        IntervalCase{"miles_and_km_disagree", "setiap 3000 mile (48.280 km)", "2: 3000 miles, 48280 km", {},
            "3000 miles are 4828 km, not 48280 (procedure line 2)"},
        IntervalCase{"calendar_word_not_after_setiap", "sekali sebulan", "2: bulan", {},
            "\"setiap bulan\" is not in the procedure line (procedure line 2)"},
        IntervalCase{
            "no_such_line", "setiap 500 jam", "3: 500 jam", {}, "procedure line 3 does not exist; the entry has 2"},
        IntervalCase{"unknown_unit", "setiap 15 menit", "2: 15 menit", {},
            "\"15 menit\" is no interval figure: write \"<n> jam\", \"<n> miles\", \"<n> km\", or \"hari\", \"bulan\" "
            "or \"tahun\" with an optional count"},
        IntervalCase{"twice", "setiap 500 jam", "2: 500 jam, 500 jam", {}, "a second figure in jam"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IntervalText, GroupsThousandsAndJoinsWithAtau)
{
    EXPECT_EQ(intervalText({1000, 48280, 30000}), "1.000 jam atau 48.280 km (30.000 miles)");
    EXPECT_EQ(intervalText({300, {}, {}, {{1, Unit::Month}}}), "300 jam atau 1 bulan");
    EXPECT_EQ(intervalText({{}, {}, {}, {{1, Unit::Day}}}), "1 hari");
}

} // namespace
} // namespace loco
