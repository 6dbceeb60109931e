#include "toolkit/core/error.h"
#include "toolkit/core/safe_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace loco {
namespace {

namespace fs = std::filesystem;

std::string contentOf(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void put(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// What a failed save must leave: the old content (or nothing) under the name,
// and no temporary file beside it.
void expectUntouched(const fs::path& folder, const fs::path& target, const std::string* old)
{
    if (old)
        EXPECT_EQ(contentOf(target), *old);
    else
        EXPECT_FALSE(fs::exists(target));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), old ? 1 : 0);
}

std::string failureOf(const fs::path& target, const std::string& bytes)
{
    try {
        writeFileSafely(target, bytes);
    } catch (const Error& error) {
        return error.what();
    }
    return "saved";
}

class SafeFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("safe_file_" + std::to_string(::getpid()));
        fs::create_directories(folder_);
    }
    void TearDown() override
    {
        fileWriteSeam().replace(nullptr);
        ::umount(folder_.c_str());
        fs::remove_all(folder_);
    }
    fs::path folder_;
};

TEST_F(SafeFileTest, ReplacesOnlyWhenCompleteAndKeepsThePermissions)
{
    const fs::path target = folder_ / "old.pdf";
    put(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const std::string report(300 * 1024, 'x');
    writeFileSafely(target, report);
    EXPECT_EQ(contentOf(target), report);
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    expectUntouched(folder_, target, &report);
}

// A write that stops short, then fails as a full disk does, as strace showed
// of the old save.
TEST_F(SafeFileTest, AShortWriteThenAFullDiskLeavesEverythingAsItWas)
{
    int calls = 0;
    fileWriteSeam().replace([&calls](int fd, const void* data, std::size_t size) -> ssize_t {
        if (++calls == 1)
            return ::write(fd, data, size / 3);
        errno = ENOSPC;
        return -1;
    });
    const std::string old = "%PDF old";
    const std::string expected = "\". " + std::string(std::strerror(ENOSPC));
    for (const bool exists : {false, true}) {
        calls = 0;
        const fs::path target = folder_ / (exists ? "old.pdf" : "new.pdf");
        if (exists)
            put(target, old);
        EXPECT_EQ(failureOf(target, std::string(114761, 'r')), "Cannot create file \"" + target.string() + expected);
        expectUntouched(folder_, target, exists ? &old : nullptr);
        fs::remove(target);
    }
}

// The real thing: a file system that fills up part-way through the write.
TEST_F(SafeFileTest, ANearlyFullDiskLeavesEverythingAsItWas)
{
    if (::geteuid() != 0 || ::mount("tmpfs", folder_.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "mounting a 64 KB tmpfs needs root (" << std::strerror(errno) << ")";
    const std::string old(20 * 1024, 'o');
    const fs::path target = folder_ / "old.pdf";
    put(target, old);
    const std::string report(130 * 1024, 'r');
    EXPECT_EQ(failureOf(target, report), "Cannot create file \"" + target.string() + "\". " + std::strerror(ENOSPC));
    expectUntouched(folder_, target, &old);
    fs::remove(target);
    EXPECT_NE(failureOf(folder_ / "new.pdf", report), "saved");
    expectUntouched(folder_, folder_ / "new.pdf", nullptr);
}

TEST_F(SafeFileTest, RefusesWhatIsNotAFileOrAFolderThatIsMissing)
{
    EXPECT_EQ(failureOf(folder_, "x"), "Cannot create file \"" + folder_.string() + "\". " + std::strerror(EISDIR));
    EXPECT_EQ(failureOf("/dev/null", "x"), "Cannot create file \"/dev/null\". Not a regular file");
    const fs::path missing = folder_ / "gone" / "a.pdf";
    EXPECT_EQ(failureOf(missing, "x"), "Cannot create file \"" + missing.string() + "\". " + std::strerror(ENOENT));
}

TEST_F(SafeFileTest, ALinkKeepsPointingAtTheReplacedFile)
{
    put(folder_ / "real.pdf", "old");
    fs::create_symlink("real.pdf", folder_ / "link.pdf");
    writeFileSafely(folder_ / "link.pdf", "new");
    EXPECT_TRUE(fs::is_symlink(folder_ / "link.pdf"));
    EXPECT_EQ(contentOf(folder_ / "real.pdf"), "new");
}

} // namespace
} // namespace loco
