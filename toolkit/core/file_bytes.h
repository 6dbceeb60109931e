#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace loco {

// Reads a whole file into memory.
//
// Throws loco::Error("Cannot open file \"<path>\". <reason>"), the reason being
// the system's own text for the failure (e.g. "No such file or directory",
// "Is a directory"). A file longer than maxBytes is refused with the same
// message and the system's text for EFBIG, "File too large", before more than
// maxBytes + 1 bytes are read.
std::vector<std::uint8_t> readFileBytes(const std::string& path, std::uint64_t maxBytes);

} // namespace loco
