#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace loco {

// Reads a whole regular file into memory.
//
// Throws loco::Error("Cannot open file \"<path>\". <reason>"), the reason being
// the system's own text for the failure (e.g. "No such file or directory",
// "Is a directory"). A FIFO, device or socket is refused without being read,
// with the reason "Not a regular file". A file longer than maxBytes is refused
// with the system's text for EFBIG, "File too large", before more than
// maxBytes + 1 bytes are read.
std::vector<std::uint8_t> readFileBytes(const std::string& path, std::uint64_t maxBytes);

} // namespace loco
