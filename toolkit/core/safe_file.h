#pragma once

#include "toolkit/core/seam.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace loco {

// Writes a file made completely in memory, so that it is either all there or
// not changed at all. The bytes go to a new file beside the target; every
// write is checked against what was asked for (a short write is retried, and
// the error it leads to, such as a full disk, is reported), the file is
// flushed to disk and its size compared; only then does it replace the
// target by a rename. On any failure the temporary file is removed, an
// existing target stays byte for byte as it was, and loco::Error says
// "Cannot create file \"<path>\". <reason>", the reason being the system's
// own text. A symbolic link is followed, so the file it names is replaced;
// a target that is not a regular file, or that may not be written, is refused.
void writeFileSafely(const std::string& path, std::string_view bytes);

// The system call that writes: tests replace it to make writes fail part-way.
using WriteCall = ssize_t(int fd, const void* data, std::size_t size);
Seam<WriteCall>& fileWriteSeam();

} // namespace loco
