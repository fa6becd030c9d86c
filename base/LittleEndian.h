// The integers of file formats (ZIP records, BMP headers, skin containers) are little-endian
// and unaligned: read them byte by byte, whatever the machine's own order.
#pragma once

#include <cstdint>

namespace zelkova {

inline std::uint16_t ReadLittleEndian16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t ReadLittleEndian32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

}  // namespace zelkova
