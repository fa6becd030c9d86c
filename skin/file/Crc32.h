#pragma once
// The CRC-32 of ZIP (reflected polynomial 0xEDB88320), one byte at a time: the PKWARE cipher's
// key schedule is built from its single step.
#include <array>
#include <cstdint>
#include <span>

namespace zelkova {

inline constexpr std::array<std::uint32_t, 256> kCrc32Table = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}();

// One step on the raw register (no pre- or post-inversion).
constexpr std::uint32_t Crc32Step(std::uint32_t crc, std::uint8_t byte) {
    return kCrc32Table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
}

// The conventional checksum of a whole buffer, as ZIP records it.
constexpr std::uint32_t Crc32(std::span<const std::uint8_t> bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::uint8_t b : bytes) crc = Crc32Step(crc, b);
    return crc ^ 0xFFFFFFFFu;
}

}  // namespace zelkova
