#include "resources/generator/BmpFile.h"

#include <stdexcept>

#include "resources/generator/Quantize.h"

namespace zelkova::art {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::int32_t kPixelsPerMetre = 3780;  // 96 dpi

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::uint32_t RowBytes(int width, int bits) {
    return ((std::uint32_t(width) * std::uint32_t(bits) + 31) / 32) * 4;
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const Canvas& canvas, int bits) {
    if (bits != 4 && bits != 8 && bits != 24) throw std::invalid_argument("unsupported bit depth");
    const int width = canvas.Width();
    const int height = canvas.Height();
    const std::uint32_t paletteEntries = bits == 24 ? 0 : 1u << bits;
    const std::uint32_t rowBytes = RowBytes(width, bits);
    const std::uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + paletteEntries * 4;
    const std::uint32_t imageSize = rowBytes * std::uint32_t(height);

    std::vector<std::uint8_t> out;
    out.reserve(pixelOffset + imageSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, pixelOffset + imageSize);
    Put32(out, 0);
    Put32(out, pixelOffset);

    Put32(out, kInfoHeaderSize);
    Put32(out, std::uint32_t(width));
    Put32(out, std::uint32_t(height));  // positive: bottom-up
    Put16(out, 1);
    Put16(out, std::uint32_t(bits));
    Put32(out, 0);  // BI_RGB
    Put32(out, imageSize);
    Put32(out, std::uint32_t(kPixelsPerMetre));
    Put32(out, std::uint32_t(kPixelsPerMetre));
    Put32(out, 0);  // every palette entry is used
    Put32(out, 0);

    IndexedImage indexed;
    if (bits != 24) {
        indexed = Quantize(canvas, int(paletteEntries));
        for (std::uint32_t i = 0; i < paletteEntries; ++i) {
            const std::uint32_t rgb = i < indexed.palette.size() ? indexed.palette[i] : 0;
            out.push_back(std::uint8_t(rgb));        // blue
            out.push_back(std::uint8_t(rgb >> 8));   // green
            out.push_back(std::uint8_t(rgb >> 16));  // red
            out.push_back(0);
        }
    }
    for (int y = height - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < width; ++x) {
            if (bits == 24) {
                const std::uint32_t rgb = canvas.Rgb24(x, y);
                out.push_back(std::uint8_t(rgb));
                out.push_back(std::uint8_t(rgb >> 8));
                out.push_back(std::uint8_t(rgb >> 16));
            } else {
                const std::uint8_t index =
                    indexed.indices[std::size_t(y) * std::size_t(width) + std::size_t(x)];
                if (bits == 8) {
                    out.push_back(index);
                } else if (x % 2 == 0) {
                    out.push_back(std::uint8_t(index << 4));
                } else {
                    out.back() |= index;
                }
            }
        }
        out.resize(rowStart + rowBytes, 0);
    }
    return out;
}

}  // namespace zelkova::art
