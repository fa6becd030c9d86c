// The codes come in byte pairs. A pair (n, c) with n > 0 is an encoded run: n pixels of colour c,
// or, at 4 bits, of c's high and low nibble by turns. A pair (0, e) is an escape: 0 ends the line,
// 1 ends the bitmap, 2 moves the pen by the next two bytes (right, then up), and 3 to 255 is an
// absolute run of e pixels stored as they are (two to a byte at 4 bits, high nibble first),
// padded to a 16-bit word.
//
// State: the pen (x, y), x columns from the left, y rows from the bottom (the order the rows are
// stored in), and at, the next byte of codes. Invariants between codes: x <= width, y <= height,
// at <= codes.size(). Every byte is checked against the codes before it is read. What a run or a
// move reaches past the row end is cut off there, since writers do reach it: ImageMagick encodes
// each row with its padding to a 4-byte boundary, and GDI draws such files by dropping what lies
// past the row end. A code that draws on or moves past the last row refuses the bitmap, and so
// does a code cut short by the end of the codes. Codes that stop between two codes without an
// end of bitmap leave the pixels not reached as they came in; the pad byte after a last absolute
// run may be missing, since no code follows it.
#include "skin/file/BmpRunLength.h"

#include <algorithm>

namespace zelkova {

bool DecodeBmpRunLength(std::span<const std::uint8_t> codes, unsigned bits, std::size_t width,
                        std::size_t height, std::span<const std::uint32_t> palette,
                        std::span<std::uint32_t> pixels) {
    const bool fourBits = bits == 4;
    std::size_t x = 0;
    std::size_t y = 0;
    std::size_t at = 0;
    const auto left = [&] { return codes.size() - at; };
    const auto pen = [&] { return pixels.data() + (height - 1 - y) * width + x; };
    const auto inRow = [&](std::size_t count) { return std::min(count, width - x); };
    while (left() >= 2) {
        const std::size_t count = codes[at];
        const std::uint8_t value = codes[at + 1];
        at += 2;
        if (count != 0) {
            if (y == height) return false;
            std::uint32_t* out = pen();
            const std::uint32_t first = palette[fourBits ? value >> 4 : value];
            const std::uint32_t second = palette[fourBits ? value & 0xF : value];
            const std::size_t drawn = inRow(count);
            for (std::size_t i = 0; i < drawn; ++i) out[i] = i % 2 == 0 ? first : second;
            x += drawn;
            continue;
        }
        switch (value) {
            case 0:  // end of line
                if (y == height) return false;
                x = 0;
                ++y;
                break;
            case 1:  // end of bitmap
                return true;
            case 2: {  // delta
                if (left() < 2) return false;
                const std::size_t right = codes[at];
                const std::size_t up = codes[at + 1];
                at += 2;
                if (up > height - y) return false;
                x += inRow(right);
                y += up;
                break;
            }
            default: {  // absolute run
                const std::size_t bytes = fourBits ? (value + 1u) / 2 : value;
                if (y == height || bytes > left()) return false;
                const std::uint8_t* in = codes.data() + at;
                std::uint32_t* out = pen();
                const std::size_t drawn = inRow(value);
                for (std::size_t i = 0; i < drawn; ++i)
                    out[i] = palette[fourBits ? (in[i / 2] >> (i % 2 == 0 ? 4 : 0)) & 0xF : in[i]];
                x += drawn;
                at += bytes;
                at += std::min(bytes % 2, left());
                break;
            }
        }
    }
    return left() == 0;
}

}  // namespace zelkova
