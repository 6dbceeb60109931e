#include "toolkit/core/error.h"
#include "toolkit/core/file_bytes.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace loco {
namespace {

const std::string kFixtures = LOKO_JPEG_FIXTURES;

std::string cannotOpen(const std::string& path, int errorNumber)
{
    return "Cannot open file \"" + path + "\". " + std::strerror(errorNumber);
}

struct FailureCase {
    const char* name;
    std::string path;
    std::uint64_t maxBytes;
    int errorNumber;
};

void PrintTo(const FailureCase& c, std::ostream* out)
{
    *out << c.name;
}

class ReadFileBytesFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ReadFileBytesFailure, ReportsPathAndSystemReason)
{
    const FailureCase& c = GetParam();
    try {
        readFileBytes(c.path, c.maxBytes);
        ADD_FAILURE() << "read";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), cannotOpen(c.path, c.errorNumber));
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

TEST(ReadFileBytes, ReadsWholeFileUpToTheBound)
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "loko_file_bytes_test.bin";
    std::string content(300 * 1024, '\0');
    for (std::size_t i = 0; i < content.size(); ++i)
        content[i] = static_cast<char>(i * 7 + i / 251);
    std::ofstream(path, std::ios::binary) << content;

    const std::vector<std::uint8_t> bytes = readFileBytes(path.string(), content.size());
    std::filesystem::remove(path);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), content);
}

TEST(ReadFileBytes, ReadsEmptyFile)
{
    EXPECT_TRUE(readFileBytes(kFixtures + "/empty.jpg", 0).empty());
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
