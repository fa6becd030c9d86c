#include "skin/file/SkinContainer.h"

#include <gtest/gtest.h>

#include "skin/file/BmpImage.h"
#include "support/SkinFileWriter.h"

namespace zelkova {
namespace {

using testing::Put32;
using testing::SkinContainerBuilder;

std::optional<SkinContainer> Parse(const std::vector<std::uint8_t>& bytes) {
    MemoryFile file(bytes);
    return ParseSkinContainer(file);
}

std::vector<std::uint8_t> SmallBmp() {
    return testing::MakeBmp24(3, 2, [](int x, int y) { return static_cast<std::uint32_t>(0x102030 * (x + 1) + y); });
}

// Offset of record n (from 0) of a container the builder wrote, given the sizes of the data
// blocks before it.
std::size_t RecordOffset(std::initializer_list<std::size_t> dataSizesBefore) {
    std::size_t at = 24;
    for (std::size_t size : dataSizesBefore) at += 77 + size;
    return at;
}

TEST(SkinContainer, TwoRecordsAndATerminator) {
    const auto c = Parse(SkinContainerBuilder().AddInteger("SKIN2_BUTTONFONTCOLOR", 0x00FF8040)
                             .AddBitmap("SKIN2_BUTTON", SmallBmp())
                             .Build());
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->FindInteger("SKIN2_BUTTONFONTCOLOR"), 0x00FF8040);
    const BmpImage* bitmap = c->FindBitmap("SKIN2_BUTTON");
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->Width(), 3);
    EXPECT_EQ(bitmap->Pixel(2, 1), 0x102030u * 3 + 1);
}

TEST(SkinContainer, TerminatorOnlyHoldsNothingButLoads) {
    const auto c = Parse(SkinContainerBuilder().Build());
    ASSERT_TRUE(c.has_value());
    EXPECT_TRUE(c->bitmaps.empty() && c->integers.empty() && c->booleans.empty() && c->strings.empty());
}

TEST(SkinContainer, LookupsIgnoreCaseAndTheFirstOfANameWins) {
    const auto c = Parse(SkinContainerBuilder()
                             .AddBoolean("Skin2_ButtonTrans", 1)
                             .AddBoolean("SKIN2_BUTTONTRANS", 0)
                             .AddInteger("skin2_titlebariconposx", -7)
                             .AddInteger("SKIN2_TITLEBARICONPOSX", 9)
                             .AddString("SKIN2_NAME", "Deep sea")
                             .AddRecord("SKIN2_FUTURE", 9, {1, 2, 3})
                             .Build());
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->FindBoolean("skin2_buttontrans"), 1);
    EXPECT_EQ(c->FindInteger("SKIN2_TITLEBARICONPOSX"), -7);
    EXPECT_FALSE(c->FindInteger("SKIN2_TITLEBARICONPOSY").has_value());
    ASSERT_NE(c->FindString("skin2_name"), nullptr);
    EXPECT_EQ(*c->FindString("skin2_name"), "Deep sea");
    EXPECT_EQ(c->integers.size(), 2u);  // both are kept; the first answers
}

TEST(SkinContainer, NameFillingTheWholeFieldEndsWithIt) {
    const std::string longName(70, 'N');
    const auto c = Parse(SkinContainerBuilder().AddBoolean(longName, 1).Build());
    ASSERT_TRUE(c.has_value());
    ASSERT_EQ(c->booleans.size(), 1u);
    EXPECT_EQ(c->booleans[0].name, std::string(64, 'N'));
}

TEST(SkinContainer, HeaderOfAnotherLengthIsRefused) {
    std::vector<std::uint8_t> bytes = SkinContainerBuilder().AddBoolean("A", 1).Build();
    Put32(bytes, 12, 28);
    EXPECT_FALSE(Parse(bytes).has_value());
    EXPECT_FALSE(Parse(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 20)).has_value());
}

TEST(SkinContainer, ChainThatLoopsBackFails) {
    std::vector<std::uint8_t> bytes =
        SkinContainerBuilder().AddBoolean("A", 1).AddBoolean("B", 1).Build();
    const std::size_t second = RecordOffset({1});
    Put32(bytes, second + 73, static_cast<std::uint32_t>(RecordOffset({})));  // B -> A
    EXPECT_FALSE(Parse(bytes).has_value());
    Put32(bytes, second + 73, static_cast<std::uint32_t>(second));  // B -> B
    EXPECT_FALSE(Parse(bytes).has_value());
}

TEST(SkinContainer, AnythingOutsideTheFileFails) {
    const std::vector<std::uint8_t> good =
        SkinContainerBuilder().AddString("S", "text").AddInteger("I", 5).Build();
    ASSERT_TRUE(Parse(good).has_value());
    const std::size_t first = RecordOffset({});
    const std::size_t second = RecordOffset({4});
    const auto size = static_cast<std::uint32_t>(good.size());

    std::vector<std::uint8_t> bad = good;
    Put32(bad, 20, size - 76);  // first record header cut by the end
    EXPECT_FALSE(Parse(bad).has_value());
    bad = good;
    Put32(bad, first + 73, 0xFFFFFF00u);  // next record far away
    EXPECT_FALSE(Parse(bad).has_value());
    bad = good;
    Put32(bad, first + 69, size);  // string longer than the file
    EXPECT_FALSE(Parse(bad).has_value());
    bad = good;
    Put32(bad, second + 65, size - 3);  // integer cut by the end
    EXPECT_FALSE(Parse(bad).has_value());
    bad = good;
    Put32(bad, first + 65, 0xFFFFFFFFu);  // data offset far away
    EXPECT_FALSE(Parse(bad).has_value());
}

TEST(SkinContainer, MalformedBitmapFailsTheLoad) {
    std::vector<std::uint8_t> bmp = SmallBmp();
    Put32(bmp, 18, 1000);  // wider than its pixel data
    EXPECT_FALSE(Parse(SkinContainerBuilder().AddBitmap("SKIN2_BUTTON", bmp).Build()).has_value());
    // The record's length cuts a good bitmap short.
    std::vector<std::uint8_t> bytes = SkinContainerBuilder().AddBitmap("SKIN2_BUTTON", SmallBmp()).Build();
    Put32(bytes, RecordOffset({}) + 69, static_cast<std::uint32_t>(SmallBmp().size() - 1));
    EXPECT_FALSE(Parse(bytes).has_value());
}

TEST(SkinContainer, RecordsSharingOneLargeBlockCannotMultiplyIt) {
    // Many string records all pointing at the same 4 KB: more data than the file holds.
    SkinContainerBuilder builder;
    builder.AddString("BIG", std::string(4096, 'x'));
    for (int i = 0; i < 60; ++i) builder.AddBoolean('B' + std::to_string(i), 0);
    std::vector<std::uint8_t> bytes = builder.Build();
    ASSERT_TRUE(Parse(bytes).has_value());
    for (int i = 0; i < 60; ++i) {
        const std::size_t at = RecordOffset({4096}) + static_cast<std::size_t>(i) * 78;
        bytes[at + 64] = 3;
        Put32(bytes, at + 65, static_cast<std::uint32_t>(RecordOffset({}) + 77));
        Put32(bytes, at + 69, 4096);
    }
    EXPECT_FALSE(Parse(bytes).has_value());
}

// A one-bit bitmap of the given size, all zero bits: the most pixels for the fewest bytes.
std::vector<std::uint8_t> OneBitBmp(int width, int height) {
    const std::uint32_t stride = static_cast<std::uint32_t>((width + 31) / 32 * 4);
    const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(height);
    std::vector<std::uint8_t> bmp(62 + pixelBytes, 0);
    bmp[0] = 'B';
    bmp[1] = 'M';
    Put32(bmp, 2, static_cast<std::uint32_t>(bmp.size()));
    Put32(bmp, 10, 62);
    Put32(bmp, 14, 40);
    Put32(bmp, 18, static_cast<std::uint32_t>(width));
    Put32(bmp, 22, static_cast<std::uint32_t>(height));
    testing::Put16(bmp, 26, 1);
    testing::Put16(bmp, 28, 1);
    Put32(bmp, 58, 0x00FFFFFF);  // palette: black, white
    return bmp;
}

TEST(SkinContainer, BitmapsShareOneBudgetOf16MPixels) {
    SkinContainerBuilder full;
    full.AddBitmap("SKIN2_TITLEBAR1", OneBitBmp(4096, 2048)).AddBitmap("SKIN2_TITLEBAR2", OneBitBmp(4096, 2048));
    const auto loaded = Parse(full.Build());
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->bitmaps.size(), 2u);
    // Each bitmap alone is allowed; one pixel more than the whole budget is not.
    full.AddBitmap("SKIN2_BUTTON", OneBitBmp(1, 1));
    EXPECT_FALSE(Parse(full.Build()).has_value());
}

TEST(SkinContainer, AChainHoldsNoMoreHeadersThanFitSideBySide) {
    // Record slots A0..A(n-1) end to end, then a terminator slot. A second chain B runs through
    // the same bytes shifted by 38, where the A records keep only names: together more headers
    // than the file has room for, with no record visited twice.
    constexpr std::size_t n = 40;
    constexpr std::size_t shift = 38;
    const auto slot = [](std::size_t k) { return 24 + 77 * k; };
    std::vector<std::uint8_t> bytes = SkinContainerBuilder().Build();
    bytes.resize(slot(n + 1), 0);
    Put32(bytes, 20, static_cast<std::uint32_t>(slot(0)));
    for (std::size_t k = 0; k < n; ++k) {
        bytes[slot(k) + 64] = 9;  // a kind no reader knows, passed over
        Put32(bytes, slot(k) + 73, static_cast<std::uint32_t>(k + 1 < n ? slot(k + 1) : slot(n)));
    }
    ASSERT_TRUE(Parse(bytes).has_value()) << "n records and a terminator fit";

    Put32(bytes, slot(n - 1) + 73, static_cast<std::uint32_t>(slot(0) + shift));
    for (std::size_t k = 0; k + 1 < n; ++k) {
        const std::size_t b = slot(k) + shift;
        bytes[b + 64] = 9;
        Put32(bytes, b + 73, static_cast<std::uint32_t>(k + 2 < n ? b + 77 : slot(n)));
    }
    EXPECT_FALSE(Parse(bytes).has_value());
}

TEST(SkinContainer, AFileLargerThanAnEntryMayBeIsNotRead) {
    // A file that only claims the size: nothing is read from it.
    class Huge final : public RandomAccessFile {
    public:
        std::uint64_t Size() const override { return kMaxSkinContainerSize + 1; }
        std::size_t ReadAt(std::uint64_t, std::span<std::uint8_t>) override {
            ADD_FAILURE() << "read";
            return 0;
        }
    } huge;
    EXPECT_FALSE(ParseSkinContainer(huge).has_value());
}

}  // namespace
}  // namespace zelkova
