#include "toolkit/core/safe_file.h"

#include "toolkit/core/error.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace loco {
namespace {

[[noreturn]] void throwCannotCreate(const std::string& path, const std::string& reason)
{
    throw Error("Cannot create file \"" + path + "\". " + reason);
}

[[noreturn]] void throwCannotCreate(const std::string& path, int errorNumber)
{
    throwCannotCreate(path, std::generic_category().message(errorNumber));
}

std::string folderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a path names, through any symbolic links; the path itself when it
// names nothing yet.
std::string resolvedTarget(const std::string& path)
{
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved))
        return resolved;
    return path;
}

// The temporary file lies in the target's folder, so that the rename that
// replaces the target never crosses file systems.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& target)
    {
        const auto slash = target.find_last_of('/');
        const std::string stem
            = slash == std::string::npos ? "." + target : target.substr(0, slash + 1) + "." + target.substr(slash + 1);
        std::random_device random;
        for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
            path_ = stem + "." + std::to_string(random() % 1000000) + ".tmp";
            // The mode is the user's default for a new file (the umask applies).
            fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ < 0 && errno != EEXIST)
                break;
        }
        if (fd_ < 0)
            error_ = errno;
    }
    ~TemporaryFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!renamed_)
            ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return fd_; }
    int openError() const { return error_; }
    const std::string& path() const { return path_; }
    // Closes the file, returning close()'s result: an error there can be the
    // first report of a write that did not reach the disk.
    int close() { return ::close(std::exchange(fd_, -1)); }
    void markRenamed() { renamed_ = true; }

private:
    std::string path_;
    int fd_ = -1;
    int error_ = 0;
    bool renamed_ = false;
};

ssize_t systemWrite(int fd, const void* data, std::size_t size)
{
    return ::write(fd, data, size);
}

} // namespace

Seam<WriteCall>& fileWriteSeam()
{
    static Seam<WriteCall> seam(systemWrite);
    return seam;
}

void writeFileSafely(const std::string& path, std::string_view bytes)
{
    const std::string target = resolvedTarget(path);
    struct stat existing { };
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        throwCannotCreate(path,
            S_ISDIR(existing.st_mode) ? std::generic_category().message(EISDIR) : std::string("Not a regular file"));
    if (exists && ::access(target.c_str(), W_OK) != 0)
        throwCannotCreate(path, errno);
    if (!exists && errno != ENOENT)
        throwCannotCreate(path, errno);

    TemporaryFile file(target);
    if (file.fd() < 0)
        throwCannotCreate(path, file.openError());
    // A replaced file keeps its permissions.
    if (exists && ::fchmod(file.fd(), existing.st_mode & 07777) != 0)
        throwCannotCreate(path, errno);

    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = fileWriteSeam()(file.fd(), bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throwCannotCreate(path, errno);
        // No progress without an error: the disk takes no more.
        if (n == 0)
            throwCannotCreate(path, ENOSPC);
        written += static_cast<std::size_t>(n);
    }
    struct stat done { };
    if (::fsync(file.fd()) != 0 || ::fstat(file.fd(), &done) != 0)
        throwCannotCreate(path, errno);
    if (static_cast<std::uint64_t>(done.st_size) != bytes.size())
        throwCannotCreate(path, EIO);
    if (file.close() != 0)
        throwCannotCreate(path, errno);
    if (::rename(file.path().c_str(), target.c_str()) != 0)
        throwCannotCreate(path, errno);
    file.markRenamed();
    // The rename itself reaches the disk with its folder.
    const int folder = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

} // namespace loco
