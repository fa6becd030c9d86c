#include "skin/file/BmpImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/SkinFileWriter.h"

namespace zelkova {
namespace {

using testing::Put16;
using testing::Put32;

// A BMP file with an info header of the given size, optional palette or masks, and raw rows.
std::vector<std::uint8_t> MakeBmp(std::int32_t width, std::int32_t height, std::uint16_t bits,
                                  std::uint32_t compression, const std::vector<std::uint8_t>& extra,
                                  const std::vector<std::uint8_t>& pixels, std::uint32_t colorsUsed = 0) {
    std::vector<std::uint8_t> b(54);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 10, static_cast<std::uint32_t>(54 + extra.size()));
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<std::uint32_t>(width));
    Put32(b, 22, static_cast<std::uint32_t>(height));
    Put16(b, 26, 1);
    Put16(b, 28, bits);
    Put32(b, 30, compression);
    Put32(b, 46, colorsUsed);
    b.insert(b.end(), extra.begin(), extra.end());
    b.insert(b.end(), pixels.begin(), pixels.end());
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    return b;
}

// A run-length encoded bitmap (8 bits: compression 1, 4 bits: 2) whose colour i is 0x4080ii:
// never 0, so a pixel that no code reaches shows apart from every stored colour.
std::vector<std::uint8_t> MakeRunLengthBmp(std::int32_t width, std::int32_t height,
                                           std::uint16_t bits,
                                           const std::vector<std::uint8_t>& codes,
                                           std::uint32_t colours = 0) {
    std::vector<std::uint8_t> palette;
    for (std::uint32_t i = 0; i < (colours != 0 ? colours : 1u << bits); ++i)
        palette.insert(palette.end(), {static_cast<std::uint8_t>(i), 0x80, 0x40, 0});
    return MakeBmp(width, height, bits, bits == 8 ? 1 : 2, palette, codes, colours);
}

using Picture = std::vector<std::string>;

// Rows from the top, each pixel as its palette index in hex, '.' for 0; {"refused"} for nothing.
Picture Draw(const std::optional<BmpImage>& image) {
    if (!image) return {"refused"};
    Picture rows;
    for (int y = 0; y < image->Height(); ++y) {
        std::string& row = rows.emplace_back();
        for (int x = 0; x < image->Width(); ++x) {
            const std::uint32_t p = image->Pixel(x, y);
            row += p == 0 ? '.' : (p & 0xFFFFF0) == 0x408000 ? "0123456789ABCDEF"[p & 0xF] : '?';
        }
    }
    return rows;
}

Picture Decoded(std::int32_t width, std::int32_t height, std::uint16_t bits,
                const std::vector<std::uint8_t>& codes) {
    return Draw(ParseBmp(MakeRunLengthBmp(width, height, bits, codes)));
}

const Picture kRefused = {"refused"};

TEST(BmpImage, TwentyFourBitRowsAreBottomUpAndPadded) {
    const auto file = testing::MakeBmp24(3, 2, [](int x, int y) { return static_cast<std::uint32_t>(x * 0x10 + y * 0x100000); });
    const auto image = ParseBmp(file);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->Width(), 3);
    EXPECT_EQ(image->Height(), 2);
    EXPECT_EQ(image->Pixel(2, 0), 0x20u);
    EXPECT_EQ(image->Pixel(1, 1), 0x100010u);
    EXPECT_EQ(image->PixelColor(2, 1), 0x200010);  // 0x00BBGGRR: red 0x10 in the low byte
}

TEST(BmpImage, TopDownPalettedAndPackedFormats) {
    // 8 bits, top-down (negative height), two colours used, index 7 past them reads black.
    const std::vector<std::uint8_t> palette = {0xFF, 0, 0, 0, 0, 0xFF, 0, 0};
    auto image = ParseBmp(MakeBmp(3, -2, 8, 0, palette, {0, 1, 7, 0, 1, 1, 0, 0, 0, 0, 0, 0}, 2));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->Pixel(0, 0), 0x0000FFu);
    EXPECT_EQ(image->Pixel(1, 0), 0x00FF00u);
    EXPECT_EQ(image->Pixel(2, 0), 0u);
    EXPECT_EQ(image->Pixel(0, 1), 0x00FF00u);

    // 1 bit: the most significant bit is the leftmost pixel.
    image = ParseBmp(MakeBmp(9, 1, 1, 0, {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}, {0xA0, 0x80, 0, 0}));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->Pixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(image->Pixel(1, 0), 0u);
    EXPECT_EQ(image->Pixel(2, 0), 0xFFFFFFu);
    EXPECT_EQ(image->Pixel(8, 0), 0xFFFFFFu);

    // 4 bits: high nibble first.
    std::vector<std::uint8_t> sixteen(64, 0);
    sixteen[4 * 3 + 2] = 0x33;  // colour 3 is red 0x33
    image = ParseBmp(MakeBmp(2, 1, 4, 0, sixteen, {0x30, 0, 0, 0}));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->Pixel(0, 0), 0x330000u);
    EXPECT_EQ(image->Pixel(1, 0), 0u);

    // 16 bits 5-5-5 and 5-6-5 by bit fields; 32 bits with bit fields.
    image = ParseBmp(MakeBmp(1, 1, 16, 0, {}, {0x1F, 0x7C, 0, 0}));  // 0x7C1F: red and blue full
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->Pixel(0, 0), 0xFF00FFu);
    const std::vector<std::uint8_t> masks565 = {0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0};
    image = ParseBmp(MakeBmp(1, 1, 16, 3, masks565, {0xE0, 0x07, 0, 0}));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->Pixel(0, 0), 0x00FF00u);
    const std::vector<std::uint8_t> masks32 = {0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0};
    image = ParseBmp(MakeBmp(1, 1, 32, 3, masks32, {0x11, 0x22, 0x33, 0x44}));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->Pixel(0, 0), 0x332211u);
}

TEST(BmpImage, BitFieldChannelsRoundToTheNearestLevel) {
    // 5-5-5: red 3, green 16, blue 31 give 24.7, 131.6 and 255, so 25, 132 and 255.
    auto image = ParseBmp(MakeBmp(1, 1, 16, 0, {}, {0x1F, 0x0E, 0, 0}));  // 0x0E1F
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->Pixel(0, 0), 0x1984FFu);
    // 3-bit, 6-bit and 8-bit fields: 2 of 7 is 72.9, 11 of 63 is 44.5, 8 bits stay exact.
    const std::vector<std::uint8_t> masks = {0, 0, 0, 0x07, 0, 0xFC, 0, 0, 0xFF, 0, 0, 0};
    image = ParseBmp(MakeBmp(1, 1, 32, 3, masks, {0x81, 0x2C, 0, 0x02}));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->Pixel(0, 0), 0x492D81u);
}

TEST(BmpImage, OldCoreHeaderWithThreeBytePalette) {
    std::vector<std::uint8_t> b(26);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 14, 12);
    Put16(b, 18, 2);
    Put16(b, 20, 1);
    Put16(b, 22, 1);
    Put16(b, 24, 1);
    const std::vector<std::uint8_t> palette = {0, 0, 0, 0x10, 0x20, 0x30};
    b.insert(b.end(), palette.begin(), palette.end());
    Put32(b, 10, static_cast<std::uint32_t>(b.size()));
    b.insert(b.end(), {0x40, 0, 0, 0});
    const auto image = ParseBmp(b);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->Pixel(0, 0), 0u);
    EXPECT_EQ(image->Pixel(1, 0), 0x302010u);
}

TEST(BmpImage, MalformedHeadersAreRefused) {
    const std::vector<std::uint8_t> good = MakeBmp(2, 2, 24, 0, {}, std::vector<std::uint8_t>(16, 0x55));
    ASSERT_TRUE(ParseBmp(good).has_value());
    const auto refused = [&](auto patch) {
        std::vector<std::uint8_t> b = good;
        patch(b);
        return !ParseBmp(b).has_value();
    };
    EXPECT_TRUE(refused([](auto& b) { b[1] = 'N'; }));
    EXPECT_TRUE(refused([](auto& b) { Put32(b, 14, 41); }));          // unknown header size
    EXPECT_TRUE(refused([](auto& b) { Put32(b, 14, 124); }));         // header past the file
    EXPECT_TRUE(refused([](auto& b) { Put32(b, 18, 0); }));           // no width
    EXPECT_TRUE(refused([](auto& b) { Put32(b, 18, 0xFFFFFFFEu); }));  // negative width
    EXPECT_TRUE(refused([](auto& b) { Put32(b, 22, 0); }));
    EXPECT_TRUE(refused([](auto& b) { Put32(b, 22, 3); }));           // rows past the data
    EXPECT_TRUE(refused([](auto& b) { Put32(b, 18, 40000); Put32(b, 22, 1); }));
    EXPECT_TRUE(refused([](auto& b) { Put32(b, 10, 0xFFFFFFF0u); }));  // pixels past the end
    EXPECT_TRUE(refused([](auto& b) { Put32(b, 10, 20); }));           // pixels inside the header
    EXPECT_TRUE(refused([](auto& b) { Put16(b, 28, 7); }));            // no such depth
    EXPECT_TRUE(refused([](auto& b) { Put16(b, 26, 2); }));            // two planes
    EXPECT_TRUE(refused([](auto& b) { Put32(b, 30, 1); }));            // run-length, 24 bits
    EXPECT_TRUE(refused([](auto& b) { Put16(b, 28, 8); Put32(b, 46, 300); }));  // palette > 256
    EXPECT_TRUE(refused([](auto& b) { Put16(b, 28, 8); Put32(b, 46, 0); }));    // palette past end
}

TEST(BmpRunLength, EightBitCodesDrawFromTheBottomRow) {
    const std::vector<std::uint8_t> codes = {
        3, 1, 0, 3, 2, 3, 4, 0, 0, 0,  // run, absolute run with its pad, end of line
        1, 7, 0, 2, 2, 0, 1, 8,        // a move right in the row
        0, 2, 1, 1, 1, 9, 0, 1};       // a move right and up, end of bitmap
    EXPECT_EQ(Decoded(6, 3, 8, codes), (Picture{".....9", "7..8..", "111234"}));
    // An even absolute run has no pad; the image size field is not needed, so wrong is harmless.
    EXPECT_EQ(Decoded(4, 1, 8, {0, 4, 1, 2, 3, 4, 0, 1}), Picture{"1234"});
    for (const std::uint32_t size : {2u, 0xFFFFFFF0u}) {
        std::vector<std::uint8_t> file = MakeRunLengthBmp(6, 3, 8, codes);
        Put32(file, 34, size);
        EXPECT_EQ(Draw(ParseBmp(file)), Decoded(6, 3, 8, codes)) << size;
    }
}

TEST(BmpRunLength, FourBitCodesTakeTheHighNibbleFirst) {
    const std::vector<std::uint8_t> codes = {
        5, 0x12, 3, 0x34, 0, 0,                   // odd runs alternate the two nibbles
        0, 6, 0xAB, 0xCD, 0xEF, 0, 2, 0x90, 0, 0,  // six nibbles fill three bytes, then a pad
        0, 3, 0x56, 0x70, 0, 4, 0x89, 0xAB, 0, 1};  // three nibbles fill two bytes: no pad
    EXPECT_EQ(Decoded(8, 3, 4, codes), (Picture{"56789AB.", "ABCDEF90", "12121343"}));
}

TEST(BmpRunLength, PixelsNoCodeReachesStayZero) {
    EXPECT_EQ(Decoded(4, 2, 8, {2, 1}), (Picture{"....", "11.."}));  // codes end early
    EXPECT_EQ(Decoded(3, 1, 8, {0, 3, 1, 2, 3}), Picture{"123"});    // and the last pad is missing
    EXPECT_EQ(Decoded(2, 1, 8, {2, 1, 0, 0, 0, 1}), Picture{"11"});  // end of line on the last row
    EXPECT_EQ(Decoded(2, 2, 8, {1, 1, 0, 2, 0, 2, 0, 1}), (Picture{"..", "1."}));  // past the top
    EXPECT_EQ(Decoded(1, 1, 8, {1, 1, 0, 1, 0xFF}), Picture{"1"});  // nothing after the end is read
    // Past a short palette the index reads black, as it does in an uncompressed bitmap.
    EXPECT_EQ(Draw(ParseBmp(MakeRunLengthBmp(3, 1, 8, {2, 1, 1, 5}, 2))), Picture{"11."});
}

TEST(BmpRunLength, WhatReachesPastTheRowEndIsDropped) {
    EXPECT_EQ(Decoded(4, 2, 8, {5, 1, 1, 2, 0, 0, 1, 3}), (Picture{"3...", "1111"}));
    EXPECT_EQ(Decoded(4, 2, 8, {0, 5, 1, 2, 3, 4, 5, 0, 0, 0, 1, 3}), (Picture{"3...", "1234"}));
    EXPECT_EQ(Decoded(3, 2, 4, {4, 0x12, 0, 0, 0, 5, 0x34, 0x56, 0x70, 0, 1, 0x88}),
              (Picture{"345", "121"}));
    EXPECT_EQ(Decoded(4, 2, 8, {1, 1, 0, 2, 5, 1, 1, 2}), (Picture{"....", "1..."}));  // a move
}

TEST(BmpRunLength, CodesPastTheBitmapOrTheDataAreRefused) {
    EXPECT_EQ(Decoded(4, 2, 8, {0, 3, 1, 2}), kRefused);     // an absolute run past the data
    EXPECT_EQ(Decoded(6, 2, 4, {0, 5, 0x12, 0x34}), kRefused);
    EXPECT_EQ(Decoded(4, 2, 8, {0, 2, 0, 3}), kRefused);     // a move past the last row
    EXPECT_EQ(Decoded(4, 2, 8, {0, 2, 1}), kRefused);        // a code cut in two
    EXPECT_EQ(Decoded(4, 2, 8, {2, 1, 0}), kRefused);
    EXPECT_EQ(Decoded(4, 1, 8, {0, 0, 0, 0}), kRefused);     // a line past the last
    EXPECT_EQ(Decoded(4, 1, 8, {0, 0, 1, 1}), kRefused);
    EXPECT_EQ(Decoded(4, -2, 8, {0, 1}), kRefused);          // top-down
    std::vector<std::uint8_t> file = MakeRunLengthBmp(4, 3, 8, {0, 1});
    EXPECT_FALSE(ParseBmp(file, 11).has_value());            // the pixel budget, from the header
    EXPECT_TRUE(ParseBmp(file, 12).has_value());
    Put16(file, 28, 4);                                      // 8-bit codes with 4 bits a pixel
    EXPECT_FALSE(ParseBmp(file).has_value());
    file = MakeRunLengthBmp(4, 3, 4, {0, 1}, 16);
    Put16(file, 28, 8);
    EXPECT_FALSE(ParseBmp(file).has_value());
}

// Other programs' run-length files beside the uncompressed files they write of the same image,
// tests/data/bmp/source.png, which ImageMagick 6.9 made: convert -seed 7 -size 29x19
//   plasma:fractal -fill '#3366cc' -draw 'rectangle 0,0 13,9' -fill '#cc3322'
//   -draw 'rectangle 14,12 28,18' -depth 8 PNG24:source.png
// ImageMagick: convert source.png -colors N -compress RLE (or None) BMP3:out.bmp, N 200 and 16;
// at 16 colours it still writes 8-bit codes (no 4-bit ones), beside 4-bit uncompressed rows. It
// writes encoded runs only, and an end of line after every row. GIMP 2.10: the image made
// indexed (gimp-image-convert-indexed, no dither, N colours), then file-bmp-save2 with use-rle
// 1 (or 0): V5 headers, absolute runs of every length, no end of line before the end of bitmap.
void ExpectSameAsTwin(const std::string& compressed, const std::string& plain,
                      std::uint32_t compression) {
    SCOPED_TRACE(compressed);
    const std::string folder = ZELKOVA_SOURCE_DIR "/tests/data/bmp/";
    const std::vector<std::uint8_t> file = testing::ReadFileBytes(folder + compressed + ".bmp");
    ASSERT_GT(file.size(), 54u);
    EXPECT_EQ(testing::Get32(file, 30), compression);
    const auto image = ParseBmp(file);
    const auto twin = ParseBmp(testing::ReadFileBytes(folder + plain + ".bmp"));
    ASSERT_TRUE(image && twin);
    EXPECT_EQ(image->Width(), 29);
    EXPECT_EQ(image->Height(), 19);
    EXPECT_TRUE(std::ranges::equal(image->Pixels(), twin->Pixels()));
    // Cut short anywhere in its codes, the file is refused or keeps what its codes had drawn.
    int drawn = 0;
    for (std::size_t cut = testing::Get32(file, 10); cut < file.size(); ++cut) {
        const auto part = ParseBmp(std::span(file).first(cut));
        if (!part) continue;
        ++drawn;
        for (std::size_t i = 0; i < part->Pixels().size(); ++i)
            if (part->Pixels()[i] != 0 && part->Pixels()[i] != image->Pixels()[i])
                FAIL() << "cut " << cut << ", pixel " << i;
    }
    EXPECT_GT(drawn, 0);
}

TEST(BmpRunLength, OtherWritersFilesMatchTheirUncompressedTwins) {
    ExpectSameAsTwin("imagemagick-rle8-200", "imagemagick-plain8-200", 1);
    ExpectSameAsTwin("imagemagick-rle8-16", "imagemagick-plain4-16", 1);
    ExpectSameAsTwin("gimp-rle8-200", "gimp-plain8-200", 1);
    ExpectSameAsTwin("gimp-rle4-16", "gimp-plain4-16", 2);
}

TEST(BmpImage, EveryTruncationIsRefused) {
    const auto file = testing::MakeBmp24(5, 3, [](int x, int y) { return static_cast<std::uint32_t>(x ^ y); });
    ASSERT_TRUE(ParseBmp(file).has_value());
    for (std::size_t cut = 0; cut < file.size(); ++cut)
        EXPECT_FALSE(ParseBmp(std::span(file).first(cut)).has_value()) << cut;
}

}  // namespace
}  // namespace zelkova
