#include "toolkit/core/error.h"
#include "tutorials/core/maintenance_table.h"
#include "tutorials/core/tuneup_table.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <stdexcept>

namespace loco {
namespace {

using Files = std::vector<SourceText>;

Files maintenanceFiles()
{
    Files files;
    for (int k = 1; k <= MaintenanceTable::kSize; ++k)
        files.push_back({"m" + std::to_string(k), "caption: c" + std::to_string(k) + "\ntitle: t\n---\nline\n"});
    return files;
}

// Items per radio group as the tune-up window lays them out.
constexpr int kItemsPerGroup[] = {2, 1, 7, 3, 5, 3, 5};

Files tuneupFiles(const int (&groups)[7] = kItemsPerGroup)
{
    Files files;
    for (int g = 1; g <= 7; ++g)
        for (int i = 0; i < groups[g - 1]; ++i)
            files.push_back({"t" + std::to_string(files.size() + 1),
                "title: t\nselect: " + std::to_string(g) + " " + std::to_string(i) + "\n---\n\n"});
    return files;
}

struct TableCase {
    const char* name;
    std::function<void()> build;
    std::string message;
};

void PrintTo(const TableCase& c, std::ostream* os)
{
    *os << c.name;
}

class RejectTable : public testing::TestWithParam<TableCase> { };

TEST_P(RejectTable, WithClearMessage)
{
    try {
        GetParam().build();
        FAIL() << "accepted";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), GetParam().message);
    }
}

Files withText(Files files, std::size_t index, std::string text)
{
    files.at(index).text = std::move(text);
    return files;
}

INSTANTIATE_TEST_SUITE_P(Rows, RejectTable,
    testing::Values(TableCase{"maintenance_one_file_short",
                        [] {
                            auto files = maintenanceFiles();
                            files.pop_back();
                            MaintenanceTable{files};
                        },
                        "maintenance table: expected 30 entries, got 29"},
        TableCase{"maintenance_without_caption",
            [] { MaintenanceTable{withText(maintenanceFiles(), 4, "title: t\n---\nx\n")}; }, "m5:2: no caption"},
        TableCase{"maintenance_with_select",
            [] { MaintenanceTable{withText(maintenanceFiles(), 0, "caption: c\ntitle: t\nselect: 1 0\n---\nx\n")}; },
            "m1:3: \"select\" belongs to tune-up tutorials only"},
        TableCase{"maintenance_without_lines",
            [] { MaintenanceTable{withText(maintenanceFiles(), 29, "caption: c\ntitle: t\n---\n")}; },
            "m30:3: no procedure lines"},
        TableCase{"maintenance_two_intervals_for_one_line",
            [] {
                MaintenanceTable{withText(maintenanceFiles(), 1,
                    "caption: c\ntitle: t\ninterval: 1: hari\ninterval: 1: hari\n---\nsetiap hari\n")};
            },
            "m2:4: procedure line 1 has an interval already"},
        TableCase{"tuneup_one_file_short",
            [] {
                auto files = tuneupFiles();
                files.pop_back();
                TuneupTable{files};
            },
            "tune-up table: expected 26 tutorials, got 25"},
        TableCase{"tuneup_without_select", [] { TuneupTable{withText(tuneupFiles(), 3, "title: t\n---\nx\n")}; },
            "t4:2: no \"select\""},
        TableCase{"tuneup_with_caption",
            [] { TuneupTable{withText(tuneupFiles(), 0, "caption: c\ntitle: t\nselect: 1 0\n---\nx\n")}; },
            "t1:1: \"caption\" belongs to maintenance entries only"},
        TableCase{"tuneup_with_interval",
            [] { TuneupTable{withText(tuneupFiles(), 0, "title: t\nselect: 1 0\ninterval: 1: hari\n---\nx\n")}; },
            "t1:3: \"interval\" belongs to maintenance entries only"},
        TableCase{"tuneup_group_zero",
            [] { TuneupTable{withText(tuneupFiles(), 0, "title: t\nselect: 0 1\n---\nx\n")}; },
            "t1:2: group 0 does not exist"},
        TableCase{"tuneup_swapped_files",
            [] {
                auto files = tuneupFiles();
                std::swap(files[4], files[5]);
                TuneupTable{files};
            },
            "t6:2: selected by group 3 item 2, expected the item after group 3 item 0 or item 0 of the next group"},
        TableCase{"tuneup_skipped_group",
            [] { TuneupTable{withText(tuneupFiles(), 2, "title: t\nselect: 3 0\n---\nx\n")}; },
            "t3:2: selected by group 3 item 0, expected the item after group 1 item 1 or item 0 of the next group"},
        TableCase{"tuneup_ends_before_last_group",
            [] {
                TuneupTable{tuneupFiles({2, 1, 7, 3, 5, 8, 0})};
            },
            "tune-up table: the last tutorial is in group 6, expected 7"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MaintenanceTable, EntryKIsFileK)
{
    const MaintenanceTable table(
        withText(maintenanceFiles(), 2, "caption: c3\ntitle: t\ninterval: 2: 5 jam\n---\nx\nsetiap 5 jam\n"));
    EXPECT_EQ(table.at(1).caption, "c1");
    EXPECT_EQ(table.at(30).caption, "c30");
    EXPECT_EQ(table.tasks(), (std::vector<MaintenanceTask>{{{3, 2}, {5, {}, {}, {}}}}));
    const auto asNeeded = table.asNeeded();
    EXPECT_EQ(asNeeded.size(), 29u);
    EXPECT_EQ(std::count(asNeeded.begin(), asNeeded.end(), 3), 0);
    EXPECT_THROW(table.at(0), std::out_of_range);
    EXPECT_THROW(table.at(31), std::out_of_range);
}

TEST(TuneupTable, FindsByGroupAndItem)
{
    const TuneupTable table(tuneupFiles());
    struct Lookup {
        int group, item, number;
    };
    for (const auto& [group, item, number] :
        {Lookup{1, 0, 1}, Lookup{1, 1, 2}, Lookup{2, 0, 3}, Lookup{3, 6, 10}, Lookup{4, 0, 11}, Lookup{7, 4, 26}}) {
        EXPECT_EQ(table.find(group, item), &table.at(number)) << group << "," << item;
    }
    for (const auto& [group, item] : {std::pair{2, 1}, std::pair{0, 0}, std::pair{8, 0}, std::pair{3, -1}})
        EXPECT_EQ(table.find(group, item), nullptr) << group << "," << item;
}

} // namespace
} // namespace loco
