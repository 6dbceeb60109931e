#include "toolkit/core/error.h"
#include "tutorials/core/tutorial_file.h"

#include <gtest/gtest.h>
#include <ostream>

namespace loco {
namespace {

struct ParseCase {
    const char* name;
    std::string text;
    TutorialFile expected;
};

void PrintTo(const ParseCase& c, std::ostream* os)
{
    *os << c.name;
}

class ParseTutorialFile : public testing::TestWithParam<ParseCase> { };

TEST_P(ParseTutorialFile, KeepsEveryByte)
{
    EXPECT_EQ(parseTutorialFile({"f.txt", GetParam().text}), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, ParseTutorialFile,
    testing::Values(
        ParseCase{"maintenance_header",
            "caption: Power take off\ntitle: Kolping\npicture: d:\\delpi_hasil\\gambar\\maintance\\gbm_1,2.jpg\n"
            "---\nline one\n",
            {"Power take off", "Kolping", "d:\\delpi_hasil\\gambar\\maintance\\gbm_1,2.jpg", {}, {"line one"}, 1, 0,
                4}},
        ParseCase{"interval_headers_with_their_lines", "title: t\ninterval: 1: hari\ninterval: 2: 5 jam\n---\nx\n",
            {{}, "t", {}, {}, {"x"}, 0, 0, 4, {{2, "1: hari"}, {3, "2: 5 jam"}}}},
        ParseCase{"trailing_blank_in_title", "title: GOVERNOR  \n---\nx\n", {{}, "GOVERNOR  ", {}, {}, {"x"}, 0, 0, 2}},
        ParseCase{"colon_inside_value", "title: A : b: c\n---\nx\n", {{}, "A : b: c", {}, {}, {"x"}, 0, 0, 2}},
        ParseCase{"blank_path_in_picture", "title: t\npicture: d:\\g\\gbt_lsg 2.jpg\n---\nx\n",
            {{}, "t", "d:\\g\\gbt_lsg 2.jpg", {}, {"x"}, 0, 0, 3}},
        ParseCase{"select", "title: t\nselect: 7 4\n---\nx\n", {{}, "t", {}, RadioChoice{7, 4}, {"x"}, 0, 2, 3}},
        ParseCase{
            "empty_lines_kept_including_last", "title: t\n---\n\nmid\n\n", {{}, "t", {}, {}, {"", "mid", ""}, 0, 0, 2}},
        ParseCase{"tabs_and_blanks_kept", "title: t\n---\n8)\tkerjakan \n  \t lead\n \n",
            {{}, "t", {}, {}, {"8)\tkerjakan ", "  \t lead", " "}, 0, 0, 2}},
        ParseCase{"separator_in_body_is_text", "title: t\n---\n---\ncaption: x\n",
            {{}, "t", {}, {}, {"---", "caption: x"}, 0, 0, 2}},
        ParseCase{"no_body", "title: t\n---\n", {{}, "t", {}, {}, {}, 0, 0, 2}},
        ParseCase{"utf8_fractions", "title: t\n---\n\xC2\xBE\" \xC2\xB7\n",
            {{}, "t", {}, {}, {"\xC2\xBE\" \xC2\xB7"}, 0, 0, 2}},
        ParseCase{"byte_order_mark_ignored", "\xEF\xBB\xBFtitle: t\n---\nx\n", {{}, "t", {}, {}, {"x"}, 0, 0, 2}}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadCase {
    const char* name;
    std::string text;
    std::string message;
};

void PrintTo(const BadCase& c, std::ostream* os)
{
    *os << c.name;
}

class RejectTutorialFile : public testing::TestWithParam<BadCase> { };

TEST_P(RejectTutorialFile, NamesFileAndLine)
{
    try {
        parseTutorialFile({"tuneup/07.txt", GetParam().text});
        FAIL() << "accepted";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, RejectTutorialFile,
    testing::Values(
        BadCase{"missing_separator", "title: t\nselect: 1 0\n", "tuneup/07.txt:2: no \"---\" line after the header"},
        BadCase{"unknown_key", "title: t\ntitel: t\n---\n", "tuneup/07.txt:2: unknown key \"titel\""},
        BadCase{"no_blank_after_colon", "title:t\n---\n", "tuneup/07.txt:1: expected \"key: value\" or \"---\""},
        BadCase{"empty_header_line", "title: t\n\n---\n", "tuneup/07.txt:2: expected \"key: value\" or \"---\""},
        BadCase{"duplicate_key", "title: a\ntitle: b\n---\n", "tuneup/07.txt:2: duplicate key \"title\""},
        BadCase{"missing_title", "select: 1 0\n---\nx\n", "tuneup/07.txt:1: no title"},
        BadCase{
            "select_one_number", "title: t\nselect: 1\n---\n", "tuneup/07.txt:2: expected \"select: <group> <item>\""},
        BadCase{
            "select_negative", "title: t\nselect: 1 -1\n---\n", "tuneup/07.txt:2: expected \"select: <group> <item>\""},
        BadCase{"empty_picture", "title: t\npicture: \n---\n", "tuneup/07.txt:2: empty picture path"},
        BadCase{"no_final_line_feed", "title: t\n---\nlast",
            "tuneup/07.txt:3: the last line does not end with a line feed"},
        BadCase{"crlf_line_ends", "title: t\r\n---\r\n",
            "tuneup/07.txt:1: carriage return found; lines must end with a line feed only"},
        BadCase{"single_byte_code_page", "title: t\n---\n3/4\xBE inch\n",
            "tuneup/07.txt:3: text is not valid UTF-8: byte 0xBE at offset 16"},
        BadCase{"truncated_utf8", "title: t\n---\n\xC2",
            "tuneup/07.txt:3: text is not valid UTF-8: byte 0xC2 at offset 13"},
        BadCase{"picture_without_drive", "title: t\npicture: gbt_tfi.jpg\n---\n",
            "tuneup/07.txt:2: picture path \"gbt_tfi.jpg\" does not start with a drive such as d:\\"},
        BadCase{"picture_leaving_its_folder", "title: t\npicture: d:\\a\\..\\b.jpg\n---\n",
            "tuneup/07.txt:2: picture path \"d:\\a\\..\\b.jpg\" has an empty, \".\" or \"..\" folder name"},
        BadCase{"picture_with_slash", "title: t\npicture: d:\\a/b.jpg\n---\n",
            "tuneup/07.txt:2: picture path \"d:\\a/b.jpg\" contains the character '/', which a drive path cannot hold"},
        BadCase{"picture_not_jpeg", "title: t\npicture: d:\\a\\b.png\n---\n",
            "tuneup/07.txt:2: picture path \"d:\\a\\b.png\" does not name a .jpg file"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace loco
