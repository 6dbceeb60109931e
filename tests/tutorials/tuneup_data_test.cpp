#include "tests/support/shipped_data.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>
#include <set>

namespace loco {
namespace {

struct TutorialRow {
    int n;
    const char* title;
    std::ptrdiff_t lines;
    std::ptrdiff_t empty; // empty lines, a line of one blank included
    const char* picture; // file name in the tune-up folder, or nullptr
    const char* heading; // the line after the opening empty line; tutorial 3 has none
};

void PrintTo(const TutorialRow& r, std::ostream* os)
{
    *os << "tutorial " << r.n;
}

class TuneupTutorialText : public testing::TestWithParam<TutorialRow> { };

TEST_P(TuneupTutorialText, IsExact)
{
    const auto& row = GetParam();
    const auto& tutorial = shippedData().tuneup.at(row.n);
    EXPECT_EQ(tutorial.title, row.title);
    const auto picture
        = row.picture ? std::optional(std::string("d:\\delpi_hasil\\gambar\\tuneup\\") + row.picture) : std::nullopt;
    EXPECT_EQ(tutorial.picture, picture);
    const auto& lines = tutorial.lines;
    ASSERT_EQ(std::ssize(lines), row.lines);
    EXPECT_EQ(
        std::count_if(lines.begin(), lines.end(), [](const auto& l) { return l.empty() || l == " "; }), row.empty);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), " "), row.n == 18 || row.n == 26 ? 1 : 0);
    const std::size_t headingAt = row.n == 3 ? 0 : 1;
    EXPECT_EQ(lines[headingAt], row.heading);
    if (row.n != 3) {
        EXPECT_EQ(lines.front(), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Tutorials, TuneupTutorialText,
    testing::Values(
        TutorialRow{1, "TUTORIAL TUNE-UP VALVE : Mesin dengan 2 valve", 26, 4, "gbt_2 valve.jpg",
            "I. Exhaust valve clearance adjustment cool engine (Menyetel kerenggangan valve pengeluaran mesin "
            "dalam keadaan dingin)."},
        TutorialRow{2, "TUTORIAL TUNE-UP VALVE : Mesin dengan 4 valve", 30, 6, "gbt_4 valve.jpg",
            "Engine withFour Valve Cyclinder Heads (Mesin yang silinder  headnya mempunyai 4 valve)"},
        TutorialRow{3, "TUTORIAL TUNE-UP INJECTOR ", 40, 3, "gbt_tfi.jpg", "Timing Fuel Injectors"},
        TutorialRow{4, "TUTORIAL TUNE-UP GOVERNOR :", 16, 2, "gbt_hlm24.jpg",
            "Penyetelan pada governor gap governor variable speed mechanical"},
        TutorialRow{5, "TUTORIAL TUNE-UP GOVERNOR ", 6, 2, "gbt_hlm25.jpg",
            "Menentukan Posisi Injector Rack Control Levers pada governor variable speed mechacal adalah sebagai "
            "berikut :"},
        TutorialRow{6, "TUTORIAL TUNE-UP GOVERNOR  ", 21, 1, "gbt_hlm25.2.jpg",
            "Menyetel injektor rack control pada governor Variable speed mechanical adalah sebagai berikut :"},
        TutorialRow{7, "TUTORIAL TUNE-UP GOVERNOR", 10, 1, "gbt_hlm16.jpg",
            "Menyetel Maksimum No-Load Speed pada governor varaible speed mechanical adalah sebagai berikut :"},
        TutorialRow{8, "TUTORIAL TUNE-UP GOVERNOR", 10, 1, "gbt_hlm27.jpg",
            "Menyetel idle speed pada Variable speed mechanical governor "},
        TutorialRow{9, "TUTORIAL TUNE-UP GOVERNOR", 7, 1, nullptr,
            "Menyetel Buffer Screw pada governor variable speed mechanical"},
        TutorialRow{10, "TUTORIAL TUNE-UP GOVERNOR", 19, 2, "gbt_hlm17.jpg",
            "Menyetel Booster Spring governor variable speed mechanical adalah sebagai berikut :"},
        TutorialRow{11, "TUTORIAL TUNE-UP GOVERNOR", 13, 2, "gbt_hlm29.jpg",
            "Sesudah meyetel exhaust valve dan menentukan timing penyemprotan bahan bakar, stel governor dan "
            "injector rack control levernya."},
        TutorialRow{12, "TUTORIAL TUNE-UP GOVERNOR", 44, 2, "gbt_hlm30.jpg",
            "Menentukan Posisi Control Rack adalah sebagai berikut :"},
        TutorialRow{13, "TUTORIAL TUNE-UP GOVERNOR", 12, 2, nullptr, "Menyetel Maksimum No-Load Speed"},
        TutorialRow{14, "TUTORIAL TUNE-UP GOVERNOR", 37, 4, "gbt_hlm33.jpg", "Menyetel Fuel Rod"},
        TutorialRow{
            15, "TUTORIAL TUNE-UP GOVERNOR", 24, 2, "gbt_hlm34.1.jpg", "Menentukan posisi injector rod control lever"},
        TutorialRow{16, "TUTORIAL TUNE-UP GOVERNOR", 11, 2, "gbt_hlm35.jpg", "Menyetel Load Limit"},
        TutorialRow{17, "TUTORIAL TUNE-UP GOVERNOR", 40, 4, "gbt_hlm36.jpg", "Menyetel Speed Droop "},
        TutorialRow{18, "TUTORIAL TUNE-UP GOVERNOR", 8, 2, nullptr, "Menyetel Kecepatan Maksimum No-Load"},
        TutorialRow{19, "TUTORIAL TUNE-UP GOVERNOR", 31, 3, "gbt_lsg.jpg",
            "Menyetel limiting speed mechanical governor dan tuas pengontrol injector rack"},
        TutorialRow{20, "TUTORIAL TUNE-UP GOVERNOR", 27, 2, "gbt_lsg 2.jpg", "Menyetel Governor Gap-Double-Governor "},
        TutorialRow{21, "TUTORIAL TUNE-UP GOVERNOR", 74, 3, nullptr,
            "Position Injector Rack Control Lever - Engine Not Using A Fuel Modulator "},
        TutorialRow{22, "TUTORIAL TUNE-UP GOVERNOR", 34, 3, "gbt_lsg 2.jpg",
            "Menyetel limiting speed mechanical governor (dual range) dan tuas pengontrol"},
        TutorialRow{
            23, "TUTORIAL TUNE-UP GOVERNOR", 88, 11, "gbt_hlm17.jpg", "Menyetel Maksimum No-Load Engine Speed."},
        TutorialRow{24, "TUTORIAL TUNE-UP GOVERNOR", 17, 2, nullptr, "Menyetel Idle Speed "},
        TutorialRow{25, "TUTORIAL TUNE-UP GOVERNOR", 10, 1, nullptr, "Menyetel Buffer Screw"},
        TutorialRow{26, "TUTORIAL TUNE-UP GOVERNOR", 55, 8, "gbt_hlm20.jpg",
            "Adjust Fuel Shut-of Air Cylinder Linkage Engine With fuel Shut-off"}),
    [](const auto& info) { return "tutorial_" + std::to_string(info.param.n); });

struct QuotedLine {
    int n;
    std::size_t line; // 1-based; 0 when the text may stand on any line
    const char* text;
};

void PrintTo(const QuotedLine& q, std::ostream* os)
{
    *os << "tutorial " << q.n << " line " << q.line;
}

class TuneupQuotedLine : public testing::TestWithParam<QuotedLine> { };

TEST_P(TuneupQuotedLine, IsExact)
{
    const auto& [n, line, text] = GetParam();
    const auto& lines = shippedData().tuneup.at(n).lines;
    if (line == 0) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), text), lines.end());
    } else {
        ASSERT_LE(line, lines.size());
        EXPECT_EQ(lines[line - 1], text);
    }
}

// Section openings, the injector timing table (padding blanks and tabs
// counted) and lines whose tabs and blanks are easy to lose.
INSTANTIATE_TEST_SUITE_P(Lines, TuneupQuotedLine,
    testing::Values(
        QuotedLine{1, 19,
            "II. Exhaust valve clearance adjustment hot engine (Menyetel kerenggangan valve pengeluaran mesin dalam "
            "keadaan panas).  "},
        QuotedLine{2, 9,
            "I. Exhaust valve clearance adjusment cool engine (Menyetel kerenggangan valve pengeluaran mesin dalam "
            "keadaan dingin)"},
        QuotedLine{2, 27,
            "Exhaust valve clearance adjusment hot engine (Penyetelan kerenggangan valve pengeluaran  mesin dalam "
            "keadaan panas)"},
        QuotedLine{3, 0, "8)\tkerjakan seperti 1-7 untuk timing injector lainnya"},
        QuotedLine{3, 20, "Tabel Waktu penyemprotan bahan bakar (Timing fuel injector)"},
        QuotedLine{3, 22, "injector  Timing dimension\t    Timing gage "},
        QuotedLine{3, 23, "HV55       1.484\"                  J1242     "},
        QuotedLine{3, 31, "60         1.484\"\t                J1242     "},
        QuotedLine{3, 40, "S80        1.460\"\t                J1853     "},
        QuotedLine{4, 0, "Langkah penyetelan\tgovernor gap adalah sebagai berikut :"},
        QuotedLine{10, 3, "Tabel 3.9. Penyetelan booster spring "},
        QuotedLine{12, 0, "10. masukan pin diantara fuel rod dan injector control tube lever. "},
        QuotedLine{
            13, 0, "       Catatan : penyetelan maximum no-load speed harus dilakukan dalam keadaan mesin no-load."},
        QuotedLine{18, 3, " "}, QuotedLine{19, 8, "Menyetel Governor Gap-Single-Governor"},
        QuotedLine{20, 0, "4-6.Sama dengan single weight      "}, QuotedLine{22, 6, "Menyetel Governor Gap "},
        QuotedLine{23, 9, "A. Engine WithEarly Dual Range Limiting  Speed Mechanical Governor."},
        QuotedLine{23, 54, "B. Engine WithCurrent Dual Range Limiting Speed Mechanical Governor"},
        QuotedLine{26, 16, "A. Menyetel Governor Gap (Single Weight Type)"},
        QuotedLine{26, 42, "B. Menyetel Governor Gap (Double Weight Type)"}),
    [](const auto& info) {
        return "tutorial_" + std::to_string(info.param.n) + "_line_" + std::to_string(info.param.line) + "_"
            + std::to_string(info.index);
    });

TEST(TuneupTable, ItemsPerGroupAndTotals)
{
    const auto& tutorials = shippedData().tuneup.tutorials();
    std::vector<int> items(TuneupTable::kGroupCount, 0);
    std::size_t lines = 0;
    std::size_t loads = 0;
    std::set<std::string> files;
    for (const auto& tutorial : tutorials) {
        ++items.at(static_cast<std::size_t>(tutorial.choice.group - 1));
        lines += tutorial.lines.size();
        if (tutorial.picture) {
            ++loads;
            files.insert(*tutorial.picture);
        }
    }
    EXPECT_EQ(items, (std::vector<int>{2, 1, 7, 3, 5, 3, 5}));
    EXPECT_EQ(lines, 710u);
    EXPECT_EQ(loads, 20u);
    EXPECT_EQ(files.size(), 18u);
}

} // namespace
} // namespace loco
