#include "tests/support/shipped_data.h"

#include <cmath>
#include <gtest/gtest.h>
#include <ostream>
#include <regex>
#include <set>

namespace loco {
namespace {

struct EntryRow {
    int k;
    const char* caption;
    const char* title;
    const char* picture; // file name in the maintenance folder, or nullptr
    std::size_t lines;
    const char* firstLine;
};

void PrintTo(const EntryRow& r, std::ostream* os)
{
    *os << "entry " << r.k;
}

class MaintenanceEntryText : public testing::TestWithParam<EntryRow> { };

TEST_P(MaintenanceEntryText, IsExact)
{
    const auto& row = GetParam();
    const auto& entry = shippedData().maintenance.at(row.k);
    EXPECT_EQ(entry.caption, row.caption);
    EXPECT_EQ(entry.title, row.title);
    const auto picture
        = row.picture ? std::optional(std::string("d:\\delpi_hasil\\gambar\\maintance\\") + row.picture) : std::nullopt;
    EXPECT_EQ(entry.picture, picture);
    ASSERT_EQ(entry.lines.size(), row.lines);
    EXPECT_EQ(entry.lines.front(), row.firstLine);
    for (const auto& line : entry.lines)
        EXPECT_FALSE(line.empty());
}

// Blanks in the first lines are counted: "  " at the end of entry 3 is two blanks.
INSTANTIATE_TEST_SUITE_P(Entries, MaintenanceEntryText,
    testing::Values(EntryRow{1, "engine oil and oil filter", "Oli Mesin dan Penyaringan Oli", "gbm_1,2.jpg", 5,
                        "periksalah setiap hari oli pelumas mesin sebelum mesin distater"},
        EntryRow{2, "Coolant and Filter", "Air pendingin dan Filter", "gbm_3,4.jpg", 4,
            "periksalah setiap hari air pendingin mesin dan kuatkan tutup radiator dalam keadaan rapat serta tutup "
            "heat exchanger tank"},
        EntryRow{3, "Radiator", "Radiator", "gbm_5.jpg", 3,
            "Periksalah bagian luar pipa kapiler dari radiator setiap 1000 jam atau 3000 mile (48.280 km)  "},
        EntryRow{4, "Heat exchanger", "Heat exchanger", "gbm_6.jpg", 3,
            "Buanglah air laut dalam pipa buang dan pipa masuk dari heat exchanger setiap 500 jam  "},
        EntryRow{5, "Raw water pump", "Pompa Air Laut", "gbm_7.jpg", 2,
            "Periksalah pompa utama air laut, sebab mesin tidak boleh hidup tanpa ada pendingin air laut yang "
            "digunakan untuk marine gear "},
        EntryRow{6, "Fuel strainer and Filter", "Saringan Oli dan Filter", "gbm_9.jpg", 1,
            "  Gantilah saringan oli dan filter dengan elemen filter yang baru setiap 300 jam atau 9000 miles "
            "(14,484 km) atau jika elemen tersebut sudah buntu      "},
        EntryRow{7, "Air cleaner", "Saringan Udara", "gbm_10.jpg", 2,
            " Gantilah oli yang kotor pada saringan udara (sistem saringan udara basah) setiap 6000 miles atau 9656 "
            "km         "},
        EntryRow{8, "Air box drain", "Air Box Drain", "gbm_11.jpg", 3,
            "Hidupkanlah mesin,jika mesin sudah hidup maka lakukan pemeriksaan aliran /hembusan udara dari tabung "
            "udara "},
        EntryRow{9, "Ventilating", "Sistem Ventilasi mesin", "gbm_12.jpg", 2,
            "Bukalah dan bersihkan Breather (sistem pernapasan mesin) setiap 1000 jam atau 30.000 miles (48280 km)  "},
        EntryRow{10, "Blower screen", "sudu-sud blower", "gbm_13.jpg", 2,
            "Periksalah sudu-sudu dari blower dan paking perapatnya setiap 1000 jam atau 30.000 miles (48.280 km)"},
        EntryRow{11, "Starting motor", "Motor Stater", "gbm_14.jpg", 3,
            "Pelumasan pada motor stater biasanya bersamaan dengan waktu pemasangannya, yaitu dengan menggunakan "
            "gemuk spesial (grease)  "},
        EntryRow{12, "Battery charging generator", "Generator Pengisian Baterai", "gbm_15.jpg", 5,
            "Untuk pelumas langer atau bantalan dari pengisi baterai (alternator) dengan memakai oli mesin 5-6 tetes "
            "melalui tutp nepel pelumas setiap 200 jam atau 6000 miles (9656)"},
        EntryRow{13, "Battery", "Baterai", nullptr, 2,
            "Periksalah berat jenis dari cairan baterai dari tiap-tiap sel baterainya setiap 100 jam atau 3000 "
            "miles (4.828 km)      "},
        EntryRow{14, "Tachometer", "Tachometer atau alat ukur RPM meter", "gbm_17.jpg", 1,
            " Lumasilah tachometer setiap 1000 jam atau 3000 miles (4828km). Gunakan gemuk no.2 pada temperatur "
            "diatas +30 F (-1 C). jika tmperatur dibawah +30 F, gunakan gemuk no.1   "},
        EntryRow{15, "trottle and Clutch control", "Kontrol Gas dan Kopling", "gbm_18.jpg", 2,
            "Lumasilah kontrol gas setiap 200 jam atau 6000 miles (9.656 km) dengan memakai gemuk no.2 jika "
            "temperatur diatas +30 F dan sebaliknya gunakan gemuk no.1 jika temperatur dibawah +30 F        "},
        EntryRow{16, "Drive belts", "Tali Kipas", "gbm_20.jpg", 3,
            "Pemasangan Vbelt baru, yaitu setelah dipasang dan mesin dihidupkan kurang lebih selama 15 menit (Vbelt "
            "sudah duduk pada tempatnya), kemudian lakukan             "},
        EntryRow{17, "Over speed governor", "Over Speed Governor", "gbm_21.jpg", 2,
            "Lumasilah over speed governor 5-6 tetes oli setiap 500 jam melalui tutup nepel oli       "},
        EntryRow{18, "Fan hub bearings", "Bantalan Kipas", "gbm_22.jpg", 3,
            " Lumasilah bearing kipas dengan Texaco Premium RB grease setiap 20.000 miles atau 32.187 km (700 jam)   "
            "   "},
        EntryRow{19, "Shutdown system", "Sistem Shutdown", nullptr, 1,
            "Periksalah sistem shutdown setiap 300 jam atau setiap bulannya atau saat mesin akan dijalankan guna "
            "pengecekan seandainya ada komponen tersebut tidak berfungsi. "},
        EntryRow{20, "Hydrostater system", "Sistem hidrostater", "gbm_24.jpg", 1,
            "pada mesin dengan stater hidrolik, haruslah diperhatikan jumlah hidroliknya. Jangan sampai berkurang, "
            "jika terjadi maka cukup tambahkan hidroliknya dengan kekentalan (vislositet0 oli yang telah ditentukan "
            "       "},
        EntryRow{21, "Air compressor, air strainer", "Kompresor Udara dan Saringan Udara", nullptr, 4,
            "  Bersihkan kedua elemen saringan udara, kompresor udara yang bertipe polyurethane         "},
        EntryRow{22, "Turbo charger", "Turbo Charger", "gbm_26.jpg", 2,
            "Pemeriksaan pada turbo charger ini tidak mempunyai waktu yang tertentu"},
        EntryRow{23, "Power generator", "Power Generator", "gbm_27.jpg", 5,
            "Pelumasan pada generator hanya terdapat satu tempat saja, yaitu untuk bantalan pada ujung tutupnya     "
            "       "},
        EntryRow{24, "Power take off", "Kolping", "gbm_28.jpg", 1,
            "Lumasilah bantalan-bantalan pada kopling dengan menggunakan gemuk shell alvania no.2 atau sejenisnya. "
            "kemudian lumasi tuas-tuas kopling setiap 8,50 jam atau 240,1500 miles dengan oli pelumas."},
        EntryRow{25, "Torqmatic converter", "Torqmatic Converter", "gbm_29.jpg", 2,
            "Periksalah isi oli dalam torqmatic converter dan pengatur bahan bakar setiap hari."},
        EntryRow{26, "Torqmatic marine gear", "Torqmatic Marine Gear", "gbm_30.jpg", 3,
            "Periksalah isi oli setiap hari atau 200 jam (6000 miles) pada torqmatic gear dan handel pada posisi "
            "netral serta mesindalam keadaan hidup stasioner.                "},
        EntryRow{27, "Paragon marine gear", "Paragon Marine Gear", "gbm_31.jpg", 4,
            "Periksalah isi oli setiap hari paragon marine gear, dengan menghidupkan mesin selama kurang lebih dua "
            "menit kemudian dimatikan dan diperiksa dengan menggunakan distick."},
        EntryRow{28, "Reduction", "Gigi Reduksi Pada Mesin Tunggal", "gbm_32.jpg", 5,
            "Periksa isolasi reduction gear setiap 8 jam dengan menggunakan distick."},
        EntryRow{29, "Reduction gear", "Reduction Gear (Multiple Marine)", "gbm_34.jpg", 5,
            "Periksalah isi oli setiap hari sewaktu keadaan jalan dengan menggunakan distick"},
        EntryRow{30, "Transmission, Verseneling", "Verseneling dan Saringan Oli", "gbm_35,36.jpg", 6,
            " Periksalah isi oli verseneling setiap hari atau 1000 jam dengan menggunakan distick pada saat mesin "
            "stop "}),
    [](const auto& info) { return "entry_" + std::to_string(info.param.k); });

struct Quote {
    int k;
    std::size_t line; // 1-based
    const char* text;
};

void PrintTo(const Quote& q, std::ostream* os)
{
    *os << "entry " << q.k << " line " << q.line;
}

class MaintenanceQuote : public testing::TestWithParam<Quote> { };

// The quantities of the later lines, exactly as written (dots, commas, units).
TEST_P(MaintenanceQuote, StandsInItsLine)
{
    const auto& [k, line, text] = GetParam();
    const auto& lines = shippedData().maintenance.at(k).lines;
    ASSERT_LE(line, lines.size());
    EXPECT_NE(lines[line - 1].find(text), std::string::npos) << lines[line - 1];
}

INSTANTIATE_TEST_SUITE_P(Quotes, MaintenanceQuote,
    testing::Values(Quote{1, 4, "100 jam"}, Quote{2, 2, "setiap 1000 jam atau kurang lebih 30.000 miles (48.280)"},
        Quote{2, 3, "setiap 500 jam atau 15000 mile (24140)"},
        Quote{2, 4, "setiap 500 jam atau 15000 miles (24.140 km)"}, Quote{4, 3, "setiap 100 jam"},
        Quote{8, 2, "setiap 1000 jam atau 30.000 miles (48.280)"}, Quote{10, 2, "parsol (fuel oil)"},
        Quote{12, 2, "setiap 500 jam atau 15.000 miles (24.140 km)"}, Quote{12, 3, "setiap 2000 jam"},
        Quote{12, 3, "nomor 00"}, Quote{12, 4, "slip ring"}, Quote{13, 2, "10-15 mm"},
        Quote{18, 2, "setiap 2500 jam atau 75.000 miles (120701 km)"}, Quote{18, 3, "Texaco premium RB grease"},
        Quote{21, 4, "setiap 200 jam atau 6000 miles"}, Quote{22, 2, "suara suara gemerisik"},
        Quote{23, 2, "setiap 100,300 jam atau 3000,9000 miles."}, Quote{23, 3, "setiap enam bulan sekali"},
        Quote{23, 5, "setiap tahun"}, Quote{23, 5, "3 tahun"}, Quote{26, 3, "selama 200 jam"},
        Quote{27, 2, "setiap 200 jam"}, Quote{28, 3, "setiap 1000 jam"}, Quote{28, 4, "setiap 8 jam"},
        Quote{28, 5, "setiap 500 jam"}, Quote{29, 3, "setiap 200 jam atau 6.000 miles."},
        Quote{29, 4, "parsol (fuel oil)"}, Quote{30, 3, "setiap 30.000 miles atau 1000 jam"}, Quote{30, 4, "\"C2\" "}),
    [](const auto& info) {
        return "entry_" + std::to_string(info.param.k) + "_line_" + std::to_string(info.param.line) + "_"
            + std::to_string(info.index);
    });

TEST(MaintenanceTable, TotalsAndDistinctPictures)
{
    std::size_t lines = 0;
    std::set<std::string> pictures;
    for (const auto& entry : shippedData().maintenance.entries()) {
        lines += entry.lines.size();
        if (entry.picture)
            pictures.insert(*entry.picture);
    }
    EXPECT_EQ(lines, 87u);
    EXPECT_EQ(pictures.size(), 27u);
}

// Checked apart from the loader: each figure of a task stands in its line as
// a whole number, plain or grouped ("30000", "30.000", "14,484"); a km figure
// the line lacks is its miles converted.
TEST(MaintenanceTasks, FiguresStandInTheirLines)
{
    const auto stands = [](const std::string& line, int number) {
        std::string spelling = std::to_string(number);
        if (spelling.size() > 3)
            spelling.insert(spelling.size() - 3, "[.,]?");
        return std::regex_search(line, std::regex("(^|[^0-9])" + spelling + "([^0-9]|$)"));
    };
    for (const auto& [id, interval] : shippedData().maintenance.tasks()) {
        const std::string& line = shippedData().maintenance.at(id.entry).lines.at(id.line - 1);
        SCOPED_TRACE("entry " + std::to_string(id.entry) + " line " + std::to_string(id.line) + ": " + line);
        EXPECT_TRUE(interval.hours || interval.km || interval.calendar);
        EXPECT_TRUE(!interval.hours || stands(line, *interval.hours));
        EXPECT_TRUE(!interval.miles || stands(line, *interval.miles));
        EXPECT_TRUE(!interval.km || stands(line, *interval.km)
            || (interval.miles && *interval.km == std::lround(*interval.miles * 1.609344)));
        EXPECT_TRUE(!interval.calendar
            || line.find(interval.calendar->unit == CalendarInterval::Unit::Day ? "setiap hari" : "setiap ")
                != std::string::npos);
    }
}

// A line that says "setiap" with a number or a calendar word states an
// interval, so it is a task.
TEST(MaintenanceTasks, EveryStatedIntervalIsATask)
{
    const std::regex statesInterval("setiap ([0-9]|hari|bulan|tahun|[a-z]+ bulan)");
    const auto tasks = shippedData().maintenance.tasks();
    for (int k = 1; k <= MaintenanceTable::kSize; ++k) {
        const auto& lines = shippedData().maintenance.at(k).lines;
        for (std::size_t n = 1; n <= lines.size(); ++n) {
            if (!std::regex_search(lines[n - 1], statesInterval))
                continue;
            const TaskId id{k, n};
            EXPECT_TRUE(std::any_of(tasks.begin(), tasks.end(), [&](const auto& t) { return t.id == id; }))
                << "entry " << k << " line " << n << ": " << lines[n - 1];
        }
    }
}

} // namespace
} // namespace loco
