#include "records/report_json.h"
#include "toolkit/core/error.h"

#include <gtest/gtest.h>

namespace loco::records {
namespace {

TEST(ReportJson, KeepsEveryPartAndThePictureByItsFile)
{
    Report report;
    report.title = QStringLiteral("Diagnosa");
    report.subject = QStringLiteral("Sistem pendingin");
    report.fileStem = QStringLiteral("diagnosa pendingin");
    report.madeAt = QDateTime(QDate(2026, 12, 7), QTime(14, 30, 5), Qt::OffsetFromUTC, 7 * 3600);
    ReportSection picture;
    picture.heading = QStringLiteral("Gambar");
    picture.picture = QImage(4, 4, QImage::Format_RGB32);
    picture.pictureFile = QStringLiteral("d:\\delpi_hasil\\ker3.jpg");
    picture.lines = {QStringLiteral("  menjorok\t\"kutip\""), QString(), QStringLiteral("\U0001F682")};
    ReportSection table;
    table.rows
        = {{QStringLiteral("D"), QStringLiteral("22,86"), QStringLiteral("cm")}, {QStringLiteral("Hasil"), {}, {}}};
    report.sections = {picture, table};

    const std::string json = reportToJson(report);
    EXPECT_EQ(json.find("RGB"), std::string::npos);
    const Report back = reportFromJson(json);
    EXPECT_EQ(back.title, report.title);
    EXPECT_EQ(back.subject, report.subject);
    EXPECT_EQ(back.fileStem, report.fileStem);
    EXPECT_EQ(back.madeAt, report.madeAt);
    EXPECT_EQ(back.madeAt.offsetFromUtc(), 7 * 3600);
    ASSERT_EQ(back.sections.size(), 2);
    EXPECT_EQ(back.sections[0].heading, picture.heading);
    EXPECT_EQ(back.sections[0].pictureFile, picture.pictureFile);
    EXPECT_TRUE(back.sections[0].picture.isNull()) << "read at print time";
    EXPECT_EQ(back.sections[0].lines, picture.lines);
    ASSERT_EQ(back.sections[1].rows.size(), 2);
    EXPECT_EQ(back.sections[1].rows[0].value, QStringLiteral("22,86"));
    EXPECT_EQ(back.sections[1].rows[0].unit, QStringLiteral("cm"));
    EXPECT_EQ(back.sections[1].rows[1].label, QStringLiteral("Hasil"));
}

TEST(ReportJson, RefusesWhatIsNotAReport)
{
    const std::pair<std::string, std::string> cases[] = {
        {"{\"format\":1,", "Isi laporan dalam catatan rusak: unterminated object pada posisi 12."},
        {"[]", "Isi laporan dalam catatan rusak: dokumen bukan objek."},
        {"{\"format\":2}", "Isi laporan dalam catatan rusak: format 2 tidak dikenal."},
        {"{\"format\":1,\"sections\":{}}", "Isi laporan dalam catatan rusak: \"sections\" bukan daftar."},
        {"{\"format\":1,\"sections\":[{\"rows\":[7]}]}", "Isi laporan dalam catatan rusak: baris tabel bukan objek."},
        {"{\"format\":1,\"title\":3}", "Isi laporan dalam catatan rusak: \"title\" bukan teks."},
    };
    for (const auto& [json, message] : cases) {
        try {
            reportFromJson(json);
            ADD_FAILURE() << json;
        } catch (const Error& error) {
            EXPECT_EQ(error.what(), message);
        }
    }
}

} // namespace
} // namespace loco::records
