#include "calculators/UMENU_DM.h"
#include "calculators/UMENU_Gayrem.h"
#include "calculators/UMENU_UR.h"
#include "shell/window_refs.h"
#include "tests/calculators/calculator_window_driver.h"
#include "tests/support/error_recorder.h"
#include "tests/support/saved_report.h"
#include "tests/support/windows_fixture.h"
#include "toolkit/regional_settings.h"

#include <QTest>

#include <ostream>

namespace loco {
namespace {

const QString kNotComputed
    = QStringLiteral("Hasil tidak dihitung untuk masukan di atas. Tekan \"HITUNG\", lalu simpan atau cetak lagi.");

// A calculator's report after "HITUNG" with the default entries: each entry
// and result row with its unit, and the conclusion with its fill-ins read
// into the sentence. The figures are the worked examples of the windows.
struct CalculatorReport {
    const char* name;
    FormWindow* (*window)();
    const char* compute;
    const char* file;
    QStringList parts; // in this order
};

void PrintTo(const CalculatorReport& row, std::ostream* out)
{
    *out << row.name;
}

class CalculatorReportTest : public WindowsTest, public testing::WithParamInterface<CalculatorReport> { };

TEST_P(CalculatorReportTest, HoldsTheEntriesResultsAndConclusionAsShown)
{
    FormWindow* window = GetParam().window();
    window->showModeless();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    SavedReport saved;
    pressKey(Qt::Key_S, Qt::ControlModifier);
    expectInOrder(saved.text(SavedReport::Order::Physical), {kNotComputed});

    click(control(window, GetParam().compute));
    pressKey(Qt::Key_S, Qt::ControlModifier);
    expectInOrder(saved.text(SavedReport::Order::Physical), GetParam().parts);
    EXPECT_EQ(saved.proposedStems().last(), QString::fromLatin1(GetParam().file));

    // The conclusion, every line after its heading, is one text: the lifetime
    // sheet once left its last line, the key figure, alone on page 2.
    const QList<QStringList> pages = saved.pageLines();
    QStringList lines;
    for (const QStringList& page : pages)
        lines << page;
    expectCleanPageBreaks(pages, {lines.mid(lines.indexOf(QStringLiteral("Kesimpulan")) + 1).join(' ')});
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, CalculatorReportTest,
    testing::Values(
        CalculatorReport{"EnginePower", [] { return static_cast<FormWindow*>(DM); }, "Button1", "daya-motor-diesel",
            {"Menghitung Daya Motor Diesel", "Masukan", "Diameter Silinder (D) 22,86 cm",
                "Jumlah Siklus/putaran (a) 4 Tak/Langkah", "Jum. Bahan Bakar Digunakan (Gf) 0,16 kg/jam)", "Hasil",
                "Volume Langkah Torak/Silinder (VL) 10940,70 cm3", "Daya Motor Efektif (Nme) 1813,77 PK",
                "Pemakaian Bahan Bakar Spesifik (Be) 0,00008821 (Kg/jam)/PK", "Kesimpulan",
                "yang dihasilkan adalah sebesar 1814 PK", "PK yang dihasilkan adalah 0,00008821 (Kg/jam)/PK"}},
        CalculatorReport{"BrakeForce", [] { return static_cast<FormWindow*>(gayrem); }, "BitBtn1", "gaya-rem",
            {"Menghitung Gaya Rem", "Lengan brake Rigging atas (a) 475 mm", "Jumlah Roda (ia) 8",
                "Perbandingan lengan brake rigging (i) 10,70", "Gaya tekan seluruh bidur abar (P) 26594,93 kgf",
                "kereta kosong = 74,92 %, yang berarti memuaskan", "kereta penuh = 67,06 %, yang berarti memuaskan"}},
        CalculatorReport{"BrakeBlockLifetime", [] { return static_cast<FormWindow*>(umurrem); }, "Button1",
            "umur-kampas-rem",
            {"Menghitung Umur Kampas Rem", "Sudut Juring Blok Rem (Q) 60 Lebar Blok Rem (L) 80 mm",
                "Kecepatan Rata-rata Kereta (V) 70 km/jam", "Jumlah roda [ia] 8 buah",
                "Keliling Telapak Roda (Kr) 2430,36 mm", "Luas Partikel Abrasif (Ap) 0,04 Jumlah Partikel",
                "(Npa) 808207,38 mm2", "Gaya tekan tiap abar 1662,18 kgf", "Umur rem (Urem) 3,44 hari",
                "pengantiannya adalah 3 Hari, atau sekitar 82 jam"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Whatever makes a window's results belong to other entries than those it
// shows keeps them off the sheet, until "HITUNG" succeeds for these entries.
TEST_F(WindowsTest, ResultsOfOtherEntriesStayOffTheSheet)
{
    SavedReport saved;
    ErrorRecorder errors;
    const auto open = [](FormWindow* window) {
        window->showModeless();
        return QTest::qWaitForWindowActive(window);
    };
    const auto sheetShows = [&](const char* result) {
        pressKey(Qt::Key_S, Qt::ControlModifier);
        const QString text = saved.text(SavedReport::Order::Physical);
        EXPECT_NE(text.contains(kNotComputed), text.contains(QString::fromLatin1(result)));
        return text.contains(QString::fromLatin1(result));
    };
    const CalculatorWindowDriver dm(DM), brakeForce(gayrem), lifetime(umurrem);
    ASSERT_TRUE(open(DM));
    dm.press("Button1");
    dm.type("edit11", "25");
    EXPECT_FALSE(sheetShows("1813,77")) << "an entry typed afterwards";
    dm.type("edit11", "22,86");
    setDecimalSeparator('.');
    EXPECT_FALSE(sheetShows("1813,77")) << "another decimal separator";
    setDecimalSeparator(',');
    dm.type("edit12", "2x,5");
    dm.press("Button1");
    EXPECT_FALSE(sheetShows("1813,77")) << "an entry that does not read";
    dm.type("edit12", "26,67");
    EXPECT_FALSE(sheetShows("1813,77")) << "entries typed back after a failed calculation";

    ASSERT_TRUE(open(gayrem));
    brakeForce.press("BitBtn1");
    brakeForce.type("Edit24", "0");
    brakeForce.press("BitBtn1");
    EXPECT_FALSE(sheetShows("26594,93")) << "a division by zero after some results";
    ASSERT_TRUE(open(umurrem));
    lifetime.press("Button1");
    lifetime.press("Button3");
    EXPECT_FALSE(sheetShows("1662,18")) << "HAPUS";
}

} // namespace
} // namespace loco
