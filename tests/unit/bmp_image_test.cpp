#include "skin/BmpImage.h"

#include <gtest/gtest.h>

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
    EXPECT_TRUE(refused([](auto& b) { Put32(b, 30, 1); }));            // run-length encoded
    EXPECT_TRUE(refused([](auto& b) { Put16(b, 28, 8); Put32(b, 46, 300); }));  // palette > 256
    EXPECT_TRUE(refused([](auto& b) { Put16(b, 28, 8); Put32(b, 46, 0); }));    // palette past end
}

TEST(BmpImage, EveryTruncationIsRefused) {
    const auto file = testing::MakeBmp24(5, 3, [](int x, int y) { return static_cast<std::uint32_t>(x ^ y); });
    ASSERT_TRUE(ParseBmp(file).has_value());
    for (std::size_t cut = 0; cut < file.size(); ++cut)
        EXPECT_FALSE(ParseBmp(std::span(file).first(cut)).has_value()) << cut;
}

}  // namespace
}  // namespace zelkova
