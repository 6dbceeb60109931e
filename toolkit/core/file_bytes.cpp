#include "toolkit/core/file_bytes.h"

#include "toolkit/core/error.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

namespace loco {
namespace {

[[noreturn]] void throwCannotOpen(const std::string& path, int errorNumber)
{
    throw Error("Cannot open file \"" + path + "\". " + std::generic_category().message(errorNumber));
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

std::vector<std::uint8_t> readFileBytes(const std::string& path, std::uint64_t maxBytes)
{
    errno = 0;
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        throwCannotOpen(path, errno);

    // The size on disk is only a hint: devices and /proc files report none or
    // a wrong one, and a file may change while it is read.
    std::error_code sizeError;
    const std::uint64_t sizeHint = std::filesystem::file_size(path, sizeError);
    if (!sizeError && sizeHint > maxBytes)
        throwCannotOpen(path, EFBIG);

    // One byte beyond the bound is enough to know the file is too long.
    const std::uint64_t readLimit = maxBytes == UINT64_MAX ? maxBytes : maxBytes + 1;
    constexpr std::uint64_t chunk = 64 * 1024;
    std::vector<std::uint8_t> bytes;
    std::uint64_t want = sizeError ? chunk : sizeHint + 1;
    while (bytes.size() < readLimit) {
        const std::size_t old = bytes.size();
        const std::size_t request = std::min(want, readLimit - old);
        bytes.resize(old + request);
        const std::size_t got = std::fread(bytes.data() + old, 1, request, file.get());
        bytes.resize(old + got);
        if (got < request) {
            if (std::ferror(file.get()))
                throwCannotOpen(path, errno);
            return bytes;
        }
        want = chunk;
    }
    throwCannotOpen(path, EFBIG);
}

} // namespace loco
