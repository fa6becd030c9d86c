// Theme bitmaps are 32-bit DIB sections made straight from the resource data: loading and
// cutting them then needs no device context, which under Wine costs more than everything else
// in a button's paint. Bitmaps of other kinds (a skin file's, say) take the GDI road.
#include "skin/win/SUIThemes_win.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "base/LittleEndian.h"
#include "gui/ResourceBytes.h"
#include "gui/SystemError.h"
#include "skin/file/BmpImage.h"

namespace zelkova {

namespace {

constexpr std::size_t kFileHeaderSize = 14;

// The resource holds a packed DIB: a BMP file without its 14-byte file header. Puts the header
// back (the pixel offset follows from the info header and palette) so the checked BMP parser can
// read it.
std::optional<BmpImage> ParsePackedDib(std::span<const std::uint8_t> dib) {
    if (dib.size() < 16) return std::nullopt;
    const auto read16 = [&](std::size_t at) { return ReadLittleEndian16(&dib[at]); };
    const auto read32 = [&](std::size_t at) { return ReadLittleEndian32(&dib[at]); };
    const std::uint32_t headerSize = read32(0);
    if (headerSize < 12 || headerSize > dib.size()) return std::nullopt;
    const bool core = headerSize == 12;
    const std::uint32_t bitCount = read16(core ? 10 : 14);
    std::uint64_t offset = kFileHeaderSize + headerSize;
    if (!core && headerSize >= 20) {
        const std::uint32_t compression = read32(16);
        if (compression == BI_BITFIELDS && headerSize == 40) offset += 12;
    }
    if (bitCount <= 8) {
        std::uint64_t colours = std::uint64_t{1} << bitCount;
        if (!core && headerSize >= 36) {
            const std::uint32_t used = read32(32);
            if (used != 0) colours = used;
        }
        offset += colours * (core ? 3 : 4);
    }
    if (offset > dib.size() + kFileHeaderSize) return std::nullopt;
    std::vector<std::uint8_t> file(kFileHeaderSize + dib.size());
    file[0] = 'B';
    file[1] = 'M';
    for (int i = 0; i < 4; ++i) {
        file[2 + i] = static_cast<std::uint8_t>(file.size() >> (8 * i));
        file[10 + i] = static_cast<std::uint8_t>(offset >> (8 * i));
    }
    std::memcpy(file.data() + kFileHeaderSize, dib.data(), dib.size());
    return ParseBmp(file);
}

// Columns [left, left + width) of every row of image into a new DIB section.
OwnedBitmap DibFromColumns(const BmpImage& image, int left, int width) {
    DibPixels to;
    OwnedBitmap dib = CreateDib32(width, image.Height(), &to);
    const auto pixels = image.Pixels();
    for (int y = 0; y < image.Height(); ++y) {
        const std::uint32_t* from = pixels.data() + std::size_t(y) * image.Width() + left;
        std::copy(from, from + width, to.Row(y));
    }
    return dib;
}

std::optional<BmpImage> ThemeResourceImage(const std::string& name) {
    const std::span<const std::uint8_t> dib =
        ResourceBytes(GetModuleHandleA(nullptr), name.c_str(), MAKEINTRESOURCEA(2));  // RT_BITMAP
    if (dib.empty()) throw ThemeResourceError("Resource " + name + " not found");
    return ParsePackedDib(dib);
}

// A resource in a form our parser does not take (compressed, say): let the system load it.
OwnedBitmap LoadThroughSystem(const std::string& name) {
    OwnedBitmap loaded(static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), name.c_str(),
                                                       IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!loaded) {
        const DWORD error = GetLastError();
        throw ThemeResourceError(WithSystemError("Resource " + name + " not found", error));
    }
    return loaded;
}

// The name of a bitmap entry, or nothing for any other entry (or a style outside 1 to 5).
std::optional<std::string> BitmapEntryName(TsuiUIStyle style, int index) {
    if (LookupThemeEntry(style, index).kind != TsuiThemeEntryKind::suiEntryBitmap) {
        return std::nullopt;
    }
    return std::string(ThemeBitmapName(style, index));
}

}  // namespace

void LoadThemeBitmap(TsuiUIStyle style, int index, OwnedBitmap* bitmap) {
    if (bitmap == nullptr) return;
    const auto name = BitmapEntryName(style, index);
    if (!name) return;
    const auto image = ThemeResourceImage(*name);
    *bitmap = image ? DibFromColumns(*image, 0, image->Width()) : LoadThroughSystem(*name);
}

void GetThemeBitmap(TsuiUIStyle style, int index, OwnedBitmap* graphic, int frameCount,
                    int frameIndex) {
    if (graphic == nullptr) return;
    if (frameCount == 0) {
        LoadThemeBitmap(style, index, graphic);
        return;
    }
    const auto name = BitmapEntryName(style, index);
    if (!name) return;
    // The frame is cut straight out of the parsed resource: no whole-strip bitmap is made.
    if (const auto image = ThemeResourceImage(*name)) {
        const auto frame =
            StripFrameColumns(image->Width(), image->Height(), frameCount, frameIndex);
        if (!frame) return;
        if (frame->width <= 0 || frame->height <= 0) {
            graphic->reset();
        } else {
            *graphic = DibFromColumns(*image, frame->left, frame->width);
        }
        return;
    }
    OwnedBitmap strip = LoadThroughSystem(*name);
    ExtractBitmapFrame(strip.get(), *graphic, frameCount, frameIndex);
}

void ExtractBitmapFrame(HBITMAP source, OwnedBitmap& target, int frameCount, int frameIndex) {
    if (source == nullptr) return;
    const SIZE size = BitmapSize(source);
    const auto frame = StripFrameColumns(size.cx, size.cy, frameCount, frameIndex);
    if (!frame) return;
    if (frame->width <= 0 || frame->height <= 0) {
        target.reset();
        return;
    }
    if (const auto from = Dib32Pixels(source)) {
        GdiFlush();
        DibPixels to;
        OwnedBitmap copy = CreateDib32(frame->width, frame->height, &to);
        for (int y = 0; y < frame->height; ++y) {
            const std::uint32_t* row = from->Row(y) + frame->left;
            std::copy(row, row + frame->width, to.Row(y));
        }
        target = std::move(copy);
        return;
    }
    BitmapCanvas fromCanvas(nullptr, source);
    OwnedBitmap copy = CreateCompatibleBitmapOf(fromCanvas.dc(), frame->width, frame->height);
    {
        BitmapCanvas to(fromCanvas.dc(), copy.get());
        BitBlt(to.dc(), 0, 0, frame->width, frame->height, fromCanvas.dc(), frame->left, 0,
               SRCCOPY);
    }
    target = std::move(copy);
}

}  // namespace zelkova
