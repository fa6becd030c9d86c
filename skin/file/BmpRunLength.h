#pragma once
// The run-length encoded pixels of a 4- or 8-bit Windows bitmap (compression 2 and 1).
#include <cstddef>
#include <cstdint>
#include <span>

namespace zelkova {

// Decodes codes, the pixel data of a bottom-up bitmap of width x height, into pixels: width *
// height colours, rows from the top as BmpImage holds them, taken from palette (1 << bits
// entries, bits 4 or 8). pixels must come in zeroed, and keep 0 wherever a delta or an early end
// of the codes skips; what reaches past a row's end is dropped. False when a code reaches past
// the last row or past the codes.
bool DecodeBmpRunLength(std::span<const std::uint8_t> codes, unsigned bits, std::size_t width,
                        std::size_t height, std::span<const std::uint32_t> palette,
                        std::span<std::uint32_t> pixels);

}  // namespace zelkova
