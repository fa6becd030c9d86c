#include "skin/file/BmpImage.h"

#include <algorithm>
#include <array>
#include <bit>

#include "base/LittleEndian.h"
#include "skin/file/BmpRunLength.h"

namespace zelkova {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kCompressionRgb = 0;
constexpr std::uint32_t kCompressionRunLength8 = 1;
constexpr std::uint32_t kCompressionRunLength4 = 2;
constexpr std::uint32_t kCompressionBitFields = 3;

bool RunLength(std::uint32_t compression) {
    return compression == kCompressionRunLength8 || compression == kCompressionRunLength4;
}

bool KnownInfoHeaderSize(std::uint32_t size) {
    return size == kInfoHeaderSize || size == 52 || size == 56 || size == 108 || size == 124;
}

// One colour channel of a bit-field pixel, scaled to eight bits and rounded to the nearest
// level: a 5-bit 3 is 24.7 and becomes 25, not 24.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;

    explicit Channel(std::uint32_t m) : mask(m) {
        if (mask == 0) return;
        shift = std::countr_zero(mask);
        max = mask >> shift;
    }
    std::uint32_t Extract(std::uint32_t pixel) const {
        if (max == 0) return 0;
        const std::uint64_t level = (pixel & mask) >> shift;
        return static_cast<std::uint32_t>((level * 255u + max / 2) / max);
    }
};

struct Layout {
    std::int64_t width = 0;
    std::int64_t height = 0;  // negative: rows stored from the top
    std::uint32_t bitCount = 0;
    std::uint32_t compression = kCompressionRgb;
    std::uint32_t colorsUsed = 0;
    std::size_t paletteOffset = 0;
    std::size_t paletteEntrySize = 4;
    std::array<std::uint32_t, 3> masks{};  // red, green, blue
};

std::optional<Layout> ReadLayout(std::span<const std::uint8_t> file) {
    if (file.size() < kFileHeaderSize + 4 || file[0] != 'B' || file[1] != 'M') return std::nullopt;
    const std::uint32_t headerSize = ReadLittleEndian32(&file[kFileHeaderSize]);
    if (file.size() - kFileHeaderSize < headerSize) return std::nullopt;
    Layout layout;
    const std::size_t h = kFileHeaderSize;
    if (headerSize == kCoreHeaderSize) {
        layout.width = ReadLittleEndian16(&file[h + 4]);
        layout.height = ReadLittleEndian16(&file[h + 6]);
        if (ReadLittleEndian16(&file[h + 8]) != 1) return std::nullopt;
        layout.bitCount = ReadLittleEndian16(&file[h + 10]);
        layout.paletteEntrySize = 3;
        layout.paletteOffset = h + headerSize;
        return layout;
    }
    if (!KnownInfoHeaderSize(headerSize)) return std::nullopt;
    layout.width = static_cast<std::int32_t>(ReadLittleEndian32(&file[h + 4]));
    layout.height = static_cast<std::int32_t>(ReadLittleEndian32(&file[h + 8]));
    if (ReadLittleEndian16(&file[h + 12]) != 1) return std::nullopt;
    layout.bitCount = ReadLittleEndian16(&file[h + 14]);
    layout.compression = ReadLittleEndian32(&file[h + 16]);
    layout.colorsUsed = ReadLittleEndian32(&file[h + 32]);
    layout.paletteOffset = h + headerSize;
    if (layout.compression == kCompressionBitFields) {
        if (layout.bitCount != 16 && layout.bitCount != 32) return std::nullopt;
        // A plain info header is followed by the three masks; later headers hold them.
        std::size_t at = h + kInfoHeaderSize;
        if (headerSize == kInfoHeaderSize) {
            if (file.size() - layout.paletteOffset < 12) return std::nullopt;
            layout.paletteOffset += 12;
        }
        for (std::uint32_t& mask : layout.masks) {
            mask = ReadLittleEndian32(&file[at]);
            at += 4;
        }
    } else if (RunLength(layout.compression)) {
        const std::uint32_t depth = layout.compression == kCompressionRunLength8 ? 8 : 4;
        if (layout.bitCount != depth) return std::nullopt;
        // Run-length rows go from the bottom only: Windows has no top-down compressed bitmap.
        if (layout.height < 0) return std::nullopt;
    } else if (layout.compression != kCompressionRgb) {
        return std::nullopt;  // embedded JPEG and PNG data are not supported
    }
    return layout;
}

}  // namespace

std::optional<BmpImage> ParseBmp(std::span<const std::uint8_t> file, std::uint64_t maxPixels) {
    const std::optional<Layout> found = ReadLayout(file);
    if (!found) return std::nullopt;
    const Layout& layout = *found;
    const std::uint32_t bits = layout.bitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return std::nullopt;
    const bool topDown = layout.height < 0;
    const std::int64_t width = layout.width;
    const std::int64_t height = topDown ? -layout.height : layout.height;
    if (width <= 0 || height <= 0 || width > kMaxBmpSide || height > kMaxBmpSide ||
        static_cast<std::uint64_t>(width * height) > std::min(maxPixels, kMaxBmpPixels))
        return std::nullopt;

    // The palette must lie inside the file.
    std::vector<std::uint32_t> palette;
    if (bits <= 8) {
        const std::uint32_t full = 1u << bits;
        const std::uint32_t count = layout.colorsUsed == 0 ? full : layout.colorsUsed;
        if (count > full) return std::nullopt;
        const std::uint64_t end =
            layout.paletteOffset + std::uint64_t{count} * layout.paletteEntrySize;
        if (end > file.size()) return std::nullopt;
        palette.resize(full, 0);  // indices past the stored colours read as black
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::size_t at = layout.paletteOffset + i * layout.paletteEntrySize;
            palette[i] = file[at] | (file[at + 1] << 8) | (file[at + 2] << 16);
        }
    }

    const std::uint64_t pixelOffset = ReadLittleEndian32(&file[10]);
    if (pixelOffset < layout.paletteOffset || pixelOffset > file.size()) return std::nullopt;
    const auto w = static_cast<std::size_t>(width);
    const auto rows = static_cast<std::size_t>(height);
    if (RunLength(layout.compression)) {
        // The codes run to the end of the file: its image size field is not needed to find their
        // end, and may be 0 or wrong.
        std::vector<std::uint32_t> pixels(w * rows);
        if (!DecodeBmpRunLength(file.subspan(pixelOffset), bits, w, rows, palette, pixels))
            return std::nullopt;
        return BmpImage(static_cast<int>(width), static_cast<int>(height), std::move(pixels));
    }
    const std::uint64_t stride = ((static_cast<std::uint64_t>(width) * bits + 31) / 32) * 4;
    if (stride * static_cast<std::uint64_t>(height) > file.size() - pixelOffset)
        return std::nullopt;

    const bool bitFields = layout.compression == kCompressionBitFields;
    const std::array<std::uint32_t, 3> masks =
        bitFields    ? layout.masks
        : bits == 16 ? std::array<std::uint32_t, 3>{0x7C00, 0x03E0, 0x001F}
                     : std::array<std::uint32_t, 3>{0xFF0000, 0x00FF00, 0x0000FF};
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]);

    std::vector<std::uint32_t> pixels(w * rows);
    // One loop per format: a skin may hold 16 M pixels, and a test per pixel would cost more
    // than the Deflate decoding that produced them.
    const auto eachRow = [&](auto&& decodeRow) {
        for (std::size_t row = 0; row < rows; ++row) {
            const std::size_t y = topDown ? row : rows - 1 - row;
            decodeRow(file.data() + pixelOffset + row * stride, pixels.data() + y * w);
        }
    };
    switch (bits) {
        case 1:
            eachRow([&](const std::uint8_t* src, std::uint32_t* dst) {
                for (std::size_t x = 0; x < w; ++x)
                    dst[x] = palette[(src[x / 8] >> (7 - x % 8)) & 1];
            });
            break;
        case 4:
            eachRow([&](const std::uint8_t* src, std::uint32_t* dst) {
                for (std::size_t x = 0; x < w; ++x)
                    dst[x] = palette[(src[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0xF];
            });
            break;
        case 8:
            eachRow([&](const std::uint8_t* src, std::uint32_t* dst) {
                for (std::size_t x = 0; x < w; ++x) dst[x] = palette[src[x]];
            });
            break;
        case 24:
            eachRow([&](const std::uint8_t* src, std::uint32_t* dst) {
                for (std::size_t x = 0; x < w; ++x)
                    dst[x] = src[3 * x] | (src[3 * x + 1] << 8) | (src[3 * x + 2] << 16);
            });
            break;
        default:  // 16 and 32 bits, with bit-field masks
            eachRow([&](const std::uint8_t* src, std::uint32_t* dst) {
                for (std::size_t x = 0; x < w; ++x) {
                    const std::uint8_t* p = src + x * (bits / 8);
                    const std::uint32_t raw =
                        bits == 16 ? static_cast<std::uint32_t>(p[0] | (p[1] << 8))
                                   : static_cast<std::uint32_t>(p[0]) | (p[1] << 8) | (p[2] << 16) |
                                         (static_cast<std::uint32_t>(p[3]) << 24);
                    dst[x] =
                        (red.Extract(raw) << 16) | (green.Extract(raw) << 8) | blue.Extract(raw);
                }
            });
            break;
    }
    return BmpImage(static_cast<int>(width), static_cast<int>(height), std::move(pixels));
}

}  // namespace zelkova
