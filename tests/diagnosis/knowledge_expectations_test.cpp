#include "tests/diagnosis/step_text.h"
#include "tests/support/shipped_data.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <string_view>

// Outcomes of the embedded knowledge bases, written out by hand from the
// question tables, so that a slip in a data file shows up here.
namespace loco {
namespace {

std::string conclusion(int points, std::string_view heading, std::string_view cause)
{
    return "conclusion " + std::to_string(points) + "pt [" + std::string(heading) + "] [" + std::string(cause) + "]";
}

std::string closing(std::string_view first, std::string_view second = {})
{
    std::string text = "closing [" + std::string(first) + "]";
    if (!second.empty())
        text += " [" + std::string(second) + "]";
    return text;
}

std::string next(std::string_view question)
{
    return "next [" + std::string(question) + "]";
}

const std::string EH1 = "Kemungkinan gangguan atau kerusakan yang meyebabkan mesin tidak mau hidup pada sistem "
                        "penggerak mesin diesel lokomotif disebabkan oleh :";
const std::string EH10 = "Kemungkinan gangguan atau kerusakan yang meyebabkan kinerja mesin tidak normal sehingga "
                         "terjadinya Denotasi  pada sistem penggerak mesin diesel lokomotif disebabkan oleh :";
const std::string EH16 = "Kemungkinan gangguan atau kerusakan yang meyebabkan sistem kontrol untuk tenaga tidak "
                         "terhubung pada sistem penggerak mesin diesel lokomotif disebabkan oleh :";
const std::string CH2
    = "Kemungkinan gangguan atau kerusakan yang meyebabkan sistem pangaliran udara yang masuk melalui "
      "radiator terhalang/ berkurang pada sistem pendingin mesin diesel disebabkan oleh :";
const std::string CH6 = "Kemungkinan gangguan atau kerusakan yang meyebabkan terdapatnya oli pada sistem pendingin "
                        "mesin diesel disebabkan oleh :";
const std::string CH7 = "Kemungkinan gangguan atau kerusakan yang meyebabkan temperatur air pendingin melebihi "
                        "temperatur maksimal pada sistem pendingin mesin diesel disebabkan oleh :";
const std::string LH3 = "Kemungkinan gangguan atau kerusakan yang meyebabkan terdapatnya air dalam minyak pelumas pada "
                        "sistem pelumasan mesin diesel disebabkan oleh :";
const std::string XH1
    = "Kemungkinan gangguan atau kerusakan yang meyebabkan mesin mengeluarkan asap berwarna putih atau "
      "titam atau putih kehitam-hitaman pada mesin diesel  disebabkan oleh :";
const std::string XH2
    = "Kemungkinan gangguan atau kerusakan yang meyebabkan mesin mengeluarkan asap berwarna putih atau "
      "titam atau putih kehitam-hitaman pada mesin diesel disebabkan oleh :";
const std::string BH1 = "Kemungkinan gangguan atau kerusakan yang meyebabkan terdengarnya bunyi pada roda lokomotif "
                        "disebabkan oleh :";

const std::string kCoolingCracked = "Retak atau melentingnya silinder kop sehingga sistem pendingin terganggu";
const std::string kLubricationCracked = "Melenting/retak/rusak pada silinder kop. Atau kemungkinan pengaruh dari "
                                        "saluran didalam oli cooler pecah atau retaknya blok mesin";
const std::string kLimping = "APAKAH MESIN MENJADI PINCANG";
const std::string kSeeping = "APAKAH PADA BAG.LUAR SILINDER KOP TERDAPAT REMBESAN OLI ATAU AIR";

struct Dialogue {
    const char* name;
    System system;
    std::string from; // the question shown first; empty for the start question
    std::string answers; // Y for YA, T for TIDAK; all but the last must lead to a question
    std::string expected;
};

void PrintTo(const Dialogue& row, std::ostream* out)
{
    *out << row.name;
}

class KnownOutcomes : public testing::TestWithParam<Dialogue> { };

TEST_P(KnownOutcomes, Match)
{
    const Dialogue& dialogue = GetParam();
    const loco::KnowledgeSet& set = loco::shippedData().knowledge;
    const int system = static_cast<int>(dialogue.system);
    std::string question(dialogue.from.empty() ? set.startQuestion(system) : dialogue.from);
    loco::Step step;
    for (std::size_t i = 0; i < dialogue.answers.size(); ++i) {
        if (i > 0) {
            const auto* shown = std::get_if<loco::NextQuestion>(&step);
            ASSERT_NE(shown, nullptr) << "answer " << i << " ended the dialogue: " << stepText(step);
            question = shown->text;
        }
        step = set.answer(system, question, dialogue.answers[i] == 'Y' ? Answer::Ya : Answer::Tidak);
    }
    EXPECT_EQ(stepText(step), dialogue.expected);
}

INSTANTIATE_TEST_SUITE_P(Tables, KnownOutcomes,
    testing::Values(Dialogue{"E2Battery", System::EngineDrive, "", "YY", conclusion(12, EH1, " baterai lemah")},
        Dialogue{"E63SmallerType", System::EngineDrive, "APAKAH AWAL PENGHIDUPAN MESIN", "Y",
            conclusion(10, EH10, " Kerusakan pada governor")},
        Dialogue{
            "E101SingleBlankCause", System::EngineDrive, "APAKAH FORCE LEVEL PATAH", "Y", conclusion(12, EH16, " ")},
        Dialogue{"E107DoubleApakahYa", System::EngineDrive,
            "APAKAH APAKAH INJEKTOR RUSAK YANG DISERTAI MESIN PINCANG ATAU MESIN TIDAK BERTENAGA", "Y",
            conclusion(12, EH16, "Terjadi denotasi ")},
        Dialogue{"EN8AfterAllSymptoms", System::EngineDrive, "", "TTTTTTT",
            closing("Maaf gangguan belum terdefinisi, Kemungkinan gangguan atau kerusakan bukan pada sistem "
                    "penggerak mesin diesel lokomotif.",
                "coba periksa untuk bagian selain pengerak mesin.")},
        Dialogue{"E53TidakShowsE54", System::EngineDrive, "APAKAH TERDAPAT PER YANG PUTUS PADA GOVERNOR", "T",
            next("APAKAH TERDAPAT AIR PADA BAHAN BAKAR")},
        Dialogue{"C48TidakShowsC49", System::Cooling,
            "APAKAH PADA CARTER, TERLIHAT OLI PELUMAS BERCAMPUR DENGAN AIR (OLI BERWARNA KECOKLAT-COKLATAN)", "T",
            next(kLimping)},
        Dialogue{"C49Limping", System::Cooling, kLimping, "Y", conclusion(12, CH6, kCoolingCracked)},
        Dialogue{"C50SeepingTidak", System::Cooling, kSeeping, "T",
            next("APAKAH MESIN SUSAH HIDUP PADA SAAT DISTATER PERTAMA KALI")},
        Dialogue{"L27TidakShowsL28", System::Lubrication, kLimping, "T", next(kSeeping)},
        Dialogue{"L27Limping", System::Lubrication, kLimping, "Y", conclusion(12, LH3, kLubricationCracked)},
        Dialogue{"L28SeepingTidak", System::Lubrication, kSeeping, "T",
            next("APAKAH TERDAPAT AIR PADA RUANG PEMBAKARAN DAN MESIN SUSAH HIDUP SERTA MESIN MENJADI PINCANG")},
        Dialogue{"C21Quoted", System::Cooling, "APAKAH TERDENGAR BUNYI \"NYEKIT\" PADA SAAT MESIN BERJALAN", "Y",
            conclusion(12, CH2, "tali kipas atau pulley licin dan slip pada sistem pendingin")},
        Dialogue{"C61Quoted", System::Cooling, "APAKAH TERDENGAR BUNYI \"NYEKIT\" PADA SAAT MESIN HIDUP", "Y",
            conclusion(12, CH7, "Tali kipas terjadi slip atau akan rusak pada sistem pendingin")},
        Dialogue{
            "X8", System::Exhaust, "APAKAH PENYETELAN VALVE <>0.3 mm", "Y", conclusion(12, XH2, "valve clearance ")},
        Dialogue{"X15Ya", System::Exhaust, "APAKAH TERDAPAT AIR DALAM BAHAN BAKAR", "Y",
            conclusion(12, XH1, "terdapatnya air dalam bahan bakar")},
        Dialogue{"B1AtOnce", System::Brakes, "", "Y", conclusion(12, BH1, "Ausnya virodo atau kampas rem ")},
        Dialogue{"BN1AfterSixteenTidak", System::Brakes, "", std::string(16, 'T'),
            closing("Maaf gangguan belum terdefinisi/belum dapat dikenali, Kemungkinan gangguan atau kerusakan "
                    "bukan pada sistem rem lokomotif.")}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace loco
