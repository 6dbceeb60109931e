#include "toolkit/core/file_bytes.h"

#include "toolkit/core/error.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace loco {
namespace {

[[noreturn]] void throwCannotOpen(const std::string& path, const std::string& reason)
{
    throw Error("Cannot open file \"" + path + "\". " + reason);
}

[[noreturn]] void throwCannotOpen(const std::string& path, int errorNumber)
{
    throwCannotOpen(path, std::generic_category().message(errorNumber));
}

// Only a regular file reads without waiting or side effects: opening a FIFO
// blocks until a writer comes, and reading a device may make it act.
void refuseUnlessRegular(const std::string& path, const struct stat& status)
{
    if (S_ISDIR(status.st_mode))
        throwCannotOpen(path, EISDIR);
    if (!S_ISREG(status.st_mode))
        throwCannotOpen(path, "Not a regular file");
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) { }
    ~FileDescriptor() { ::close(fd_); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

std::vector<std::uint8_t> readFileBytes(const std::string& path, std::uint64_t maxBytes)
{
    struct stat status { };
    if (::stat(path.c_str(), &status) != 0)
        throwCannotOpen(path, errno);
    refuseUnlessRegular(path, status);
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throwCannotOpen(path, errno);
    const FileDescriptor file(fd);
    // The path may have been swapped for a FIFO or a device since stat.
    if (::fstat(file.get(), &status) != 0)
        throwCannotOpen(path, errno);
    refuseUnlessRegular(path, status);

    // The recorded size is only a hint: /proc files report none, and a file
    // may change while it is read.
    const auto sizeHint = static_cast<std::uint64_t>(status.st_size);
    if (sizeHint > maxBytes)
        throwCannotOpen(path, EFBIG);

    // One byte beyond the bound is enough to know the file is too long.
    const std::uint64_t readLimit = maxBytes == UINT64_MAX ? maxBytes : maxBytes + 1;
    constexpr std::uint64_t kChunk = 64 * 1024;
    std::vector<std::uint8_t> bytes;
    std::uint64_t want = sizeHint + 1;
    while (bytes.size() < readLimit) {
        const std::size_t old = bytes.size();
        const std::size_t request = std::min(want, readLimit - old);
        bytes.resize(old + request);
        const ssize_t got = ::read(file.get(), bytes.data() + old, request);
        if (got < 0 && errno == EINTR) {
            bytes.resize(old);
            continue;
        }
        if (got < 0)
            throwCannotOpen(path, errno);
        bytes.resize(old + static_cast<std::size_t>(got));
        if (got == 0)
            return bytes;
        want = kChunk;
    }
    throwCannotOpen(path, EFBIG);
}

} // namespace loco
