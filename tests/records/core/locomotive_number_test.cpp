#include "records/core/locomotive_number.h"

#include <gtest/gtest.h>
#include <ostream>

namespace loco::records {
namespace {

struct NumberCase {
    const char* name;
    std::string typed;
    std::string number; // empty: refused
    std::string refusal;
};

void PrintTo(const NumberCase& row, std::ostream* out)
{
    *out << row.name;
}

class LocomotiveNumberTest : public testing::TestWithParam<NumberCase> { };

TEST_P(LocomotiveNumberTest, Normalises)
{
    const LocomotiveNumber result = normaliseLocomotiveNumber(GetParam().typed);
    EXPECT_EQ(result.number, GetParam().number);
    EXPECT_EQ(result.refusal, GetParam().refusal);
}

INSTANTIATE_TEST_SUITE_P(Numbers, LocomotiveNumberTest,
    testing::Values(NumberCase{"hyphens_and_case", "cc201-89-08", "CC 201 89 08", ""},
        NumberCase{"dots_tabs_and_blank_runs", " \tbb 304..12   1 ", "BB 304 12 1", ""},
        NumberCase{"digits_then_letters", "201a", "201 A", ""},
        NumberCase{"exactly_32", "CC 201 89 08 12345678901234567 9", "CC 201 89 08 12345678901234567 9", ""},
        NumberCase{"empty", "", "", "Nomor lokomotif wajib diisi."},
        NumberCase{"separators_only", " - . ", "", "Nomor lokomotif wajib diisi."},
        NumberCase{"slash", "CC/201", "", "Nomor lokomotif hanya berisi huruf dan angka; \"/\" tidak boleh."},
        NumberCase{"invisible_mark", "CC 201\xE2\x80\x8F", "",
            "Nomor lokomotif hanya berisi huruf dan angka; \"\xE2\x80\x8F\" (U+200F) tidak boleh."},
        NumberCase{"line_break", "CC\n201", "", "Nomor lokomotif hanya berisi huruf dan angka; U+000A tidak boleh."},
        NumberCase{"blank_added_beyond_32", "CC201890812345678901234567890123", "",
            "Nomor lokomotif paling panjang 32 karakter; yang diketik menjadi 33."}),
    [](const testing::TestParamInfo<NumberCase>& info) { return info.param.name; });

} // namespace
} // namespace loco::records
