#include "records/core/record.h"

#include <gtest/gtest.h>

namespace loco::records {
namespace {

TEST(Record, ProblemsNameTheFieldInIndonesian)
{
    Record r;
    r.card.locomotive = "CC 201";
    EXPECT_EQ(recordProblem(r), std::nullopt);
    const std::pair<std::function<void(Record&)>, std::string> cases[] = {
        {[](Record& x) { x.card.locomotive = "cc201"; }, "Nomor lokomotif \"cc201\" belum diseragamkan (\"CC 201\")."},
        {[](Record& x) { x.card.locomotive = ""; }, "Nomor lokomotif wajib diisi."},
        {[](Record& x) { x.card.technician = std::string(101, 'a'); },
            "Teknisi paling panjang 100 karakter; isinya 101."},
        {[](Record& x) { x.card.depot = "Dipo \xC0"; }, "Dipo/balai yasa berisi karakter yang tidak sah."},
        {[](Record& x) { x.subject = std::string("a\0b", 3); }, "Pokok berisi karakter yang tidak sah."},
    };
    for (const auto& [change, problem] : cases) {
        Record changed = r;
        change(changed);
        EXPECT_EQ(recordProblem(changed), problem);
    }
}

TEST(Record, FilingTimeReadsAsTheWorkstationsClock)
{
    EXPECT_EQ(isoLocalTime(1'700'000'000'000, 7 * 60), "2023-11-15 05:13:20");
    EXPECT_EQ(isoLocalTime(1'700'000'000'999, -5 * 60), "2023-11-14 17:13:20");
    EXPECT_EQ(isoLocalTime(0, 0), "1970-01-01 00:00:00");
}

} // namespace
} // namespace loco::records
