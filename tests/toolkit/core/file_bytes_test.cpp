#include "toolkit/core/error.h"
#include "toolkit/core/file_bytes.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace loco {
namespace {

const std::string kFixtures = LOKO_JPEG_FIXTURES;

struct FailureCase {
    const char* name;
    std::string path;
    std::uint64_t maxBytes;
    std::string reason;
};
void PrintTo(const FailureCase& c, std::ostream* out)
{
    *out << c.name;
}

class ReadFileBytesFailure : public ::testing::TestWithParam<FailureCase> { };

TEST_P(ReadFileBytesFailure, ReportsPathAndSystemReason)
{
    const FailureCase& c = GetParam();
    try {
        readFileBytes(c.path, c.maxBytes);
        ADD_FAILURE() << "read";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + c.path + "\". " + c.reason);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ReadFileBytesFailure,
    ::testing::Values(FailureCase{"missing_file", kFixtures + "/no such picture.jpg", 1000, std::strerror(ENOENT)},
        FailureCase{"missing_folder", kFixtures + "/gone/gbm_1,2.jpg", 1000, std::strerror(ENOENT)},
        FailureCase{"directory", kFixtures, 1000, std::strerror(EISDIR)},
        FailureCase{"one_byte_over", kFixtures + "/quadrants_baseline.jpg", 817, std::strerror(EFBIG)},
        // Reading a device may have effects, and this one never ends.
        FailureCase{"device", "/dev/zero", 100000, "Not a regular file"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadFileBytes, ReadsWholeFileAtTheBound)
{
    const std::vector<std::uint8_t> bytes = readFileBytes(kFixtures + "/quadrants_baseline.jpg", 818);
    ASSERT_EQ(bytes.size(), 818u);
    EXPECT_EQ(bytes.front(), 0xff);
    EXPECT_EQ(bytes.back(), 0xd9);
}

// Opening a FIFO for reading waits for a writer: it must be refused unopened.
TEST(ReadFileBytes, RefusesFifoWithoutWaiting)
{
    const std::filesystem::path folder
        = std::filesystem::temp_directory_path() / ("fifo_test_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string fifo = (folder / "gbm_1.jpg").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0) << std::strerror(errno);
    try {
        readFileBytes(fifo, 1000);
        ADD_FAILURE() << "read";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + fifo + "\". Not a regular file");
    }
    std::filesystem::remove_all(folder);
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
