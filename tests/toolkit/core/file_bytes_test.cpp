#include "toolkit/core/error.h"
#include "toolkit/core/file_bytes.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

namespace loco {
namespace {

const std::string kFixtures = LOKO_JPEG_FIXTURES;

struct FailureCase {
    const char* name;
    std::string path;
    std::uint64_t maxBytes;
    int errorNumber;
};
void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }

class ReadFileBytesFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ReadFileBytesFailure, ReportsPathAndSystemReason)
{
    const FailureCase& c = GetParam();
    try {
        readFileBytes(c.path, c.maxBytes);
        ADD_FAILURE() << "read";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + c.path + "\". " + std::strerror(c.errorNumber));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadFileBytesFailure,
    ::testing::Values(FailureCase{"missing_file", kFixtures + "/no such picture.jpg", 1000, ENOENT},
                      FailureCase{"missing_folder", kFixtures + "/gone/gbm_1,2.jpg", 1000, ENOENT},
                      FailureCase{"directory", kFixtures, 1000, EISDIR},
                      FailureCase{"one_byte_over", kFixtures + "/quadrants_baseline.jpg", 817, EFBIG},
                      // No size on record: the bound must stop the read itself.
                      FailureCase{"endless_device", "/dev/zero", 100000, EFBIG}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadFileBytes, ReadsWholeFileAtTheBound)
{
    const std::vector<std::uint8_t> bytes = readFileBytes(kFixtures + "/quadrants_baseline.jpg", 818);
    ASSERT_EQ(bytes.size(), 818u);
    EXPECT_EQ(bytes.front(), 0xff);
    EXPECT_EQ(bytes.back(), 0xd9);
}

// /proc files claim a size of 0 yet have content.
TEST(ReadFileBytes, DoesNotTrustRecordedSize)
{
    if (!std::filesystem::exists("/proc/self/status"))
        GTEST_SKIP() << "no /proc";
    EXPECT_FALSE(readFileBytes("/proc/self/status", 1 << 20).empty());
}

} // namespace
} // namespace loco
