#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace loco {

// SHA-256 (FIPS 180-4) of bytes, as 64 lower-case hex digits, the form that
// sha256sum prints: a digest anyone can recompute from the same files.
class Sha256 {
public:
    Sha256();
    void add(std::string_view bytes);
    std::string hexDigest(); // ends the hashing

private:
    void compress(const unsigned char* block);

    std::uint32_t state_[8];
    unsigned char block_[64];
    std::size_t used_ = 0;
    std::uint64_t length_ = 0; // in bytes
};

std::string sha256Hex(std::string_view bytes);

} // namespace loco
