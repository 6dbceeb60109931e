#include "records/core/csv.h"

#include <gtest/gtest.h>

namespace loco::records {
namespace {

TEST(Csv, QuotesOnlyWhatASpreadsheetWouldSplitOrRun)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Pompa air", "Pompa air"},
        {"", ""},
        {"a;b", "\"a;b\""},
        {"kata \"kutip\"", "\"kata \"\"kutip\"\"\""},
        {"dua\nbaris", "\"dua\nbaris\""},
        {" depan", "\" depan\""},
        {"=SUM(A1)", "\"'=SUM(A1)\""},
        {"-2+3", "\"'-2+3\""},
        {"@cmd", "\"'@cmd\""},
        {"\xF0\x9F\x9A\x82", "\xF0\x9F\x9A\x82"},
    };
    for (const auto& [text, field] : cases)
        EXPECT_EQ(csvText(text), field) << text;
    EXPECT_EQ(csvDecimal(1234.5, 2), "1234,50");
    EXPECT_EQ(csvDecimal(-0.25, 1), "-0,2");
    EXPECT_EQ(csvDecimal(1.0 / 0.0, 2), "");
}

TEST(Csv, RecordsDocumentHasMarkHeadingAndOneLinePerRecord)
{
    Record r;
    r.number = 7;
    r.filedAtMs = 1'700'000'000'000; // 2023-11-14 22:13:20 UTC
    r.utcOffsetMinutes = 7 * 60;
    r.card.locomotive = "CC 201 89 08";
    r.card.notes = "ganti; segera";
    r.card.status = WorkStatus::FollowUp;
    r.uuid = "u";
    const std::string document = recordsCsv({r});
    EXPECT_EQ(document.substr(0, 3), kCsvByteOrderMark);
    const std::string line = document.substr(document.find("\r\n") + 2);
    EXPECT_EQ(line, "7;2023-11-15 05:13:20;CC 201 89 08;Diagnosa;;;;;;;;\"ganti; segera\";perlu tindak lanjut;;u\r\n");
}

} // namespace
} // namespace loco::records
