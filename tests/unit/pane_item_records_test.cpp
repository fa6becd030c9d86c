#include "jump/PaneItemRecords.h"

#include <gtest/gtest.h>

namespace zelkova {
namespace {

std::uint64_t At(const RecordBytes& record, std::size_t offset, std::size_t size) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < size; ++i) value |= std::uint64_t{record.at(offset + i)} << (8 * i);
    return value;
}

// Offsets as the Windows headers lay the records out for each width.
TEST(PaneItemRecords, TreeItemTextRequestFollowsTheEditorsWidth) {
    const RecordBytes wide = TreeItemTextRequest(PointerWidth::Bits64, 0x1122334455667788, 0x0000'7FF0'1234'5000, 17);
    ASSERT_EQ(wide.size(), 56u);
    EXPECT_EQ(At(wide, 0, 4), 1u);  // TVIF_TEXT
    EXPECT_EQ(At(wide, 8, 8), 0x1122334455667788u);
    EXPECT_EQ(At(wide, 24, 8), 0x0000'7FF0'1234'5000u);
    EXPECT_EQ(At(wide, 32, 4), 17u);
    EXPECT_EQ(At(wide, 16, 8), 0u) << "state and stateMask stay zero";

    const RecordBytes narrow = TreeItemTextRequest(PointerWidth::Bits32, 0xAABBCCDD, 0x00401000, 300);
    ASSERT_EQ(narrow.size(), 40u);
    EXPECT_EQ(At(narrow, 0, 4), 1u);
    EXPECT_EQ(At(narrow, 4, 4), 0xAABBCCDDu);
    EXPECT_EQ(At(narrow, 16, 4), 0x00401000u);
    EXPECT_EQ(At(narrow, 20, 4), 300u);
    EXPECT_EQ(TreeItemRecordSize(PointerWidth::Bits32), 40u);
}

TEST(PaneItemRecords, ListItemRequestsFollowTheEditorsWidth) {
    const RecordBytes text = ListItemTextRequest(PointerWidth::Bits64, 0x7FF0'0000'2000, 64);
    ASSERT_EQ(text.size(), ListItemRecordSize(PointerWidth::Bits64));
    EXPECT_EQ(text.size(), 88u);
    EXPECT_EQ(At(text, 0, 4), 1u);  // LVIF_TEXT
    EXPECT_EQ(At(text, 8, 4), 0u);  // first column
    EXPECT_EQ(At(text, 24, 8), 0x7FF0'0000'2000u);
    EXPECT_EQ(At(text, 32, 4), 64u);

    const RecordBytes state = ListItemStateRequest(PointerWidth::Bits32, 3, 3);
    ASSERT_EQ(state.size(), 60u);
    EXPECT_EQ(At(state, 0, 4), 8u);  // LVIF_STATE
    EXPECT_EQ(At(state, 12, 4), 3u);
    EXPECT_EQ(At(state, 16, 4), 3u);

    const RecordBytes narrowText = ListItemTextRequest(PointerWidth::Bits32, 0x00402000, 5);
    EXPECT_EQ(At(narrowText, 20, 4), 0x00402000u);
    EXPECT_EQ(At(narrowText, 24, 4), 5u);
}

TEST(PaneItemRecords, TextPointerIsReadBackOnlyFromARecordLongEnough) {
    RecordBytes record = TreeItemTextRequest(PointerWidth::Bits64, 1, 0x1234'5678'9ABC, 8);
    EXPECT_EQ(TreeItemTextPointer(record, PointerWidth::Bits64), 0x1234'5678'9ABCu);
    record.resize(31);  // cut inside the pointer
    EXPECT_EQ(TreeItemTextPointer(record, PointerWidth::Bits64), std::nullopt);
    EXPECT_EQ(TreeItemTextPointer({}, PointerWidth::Bits32), std::nullopt);

    const RecordBytes list = ListItemTextRequest(PointerWidth::Bits32, 0xDEADBEEF, 8);
    EXPECT_EQ(ListItemTextPointer(list, PointerWidth::Bits32), 0xDEADBEEFu);
}

TEST(PaneItemRecords, TextEndsAtTheFirstNulOrTheBuffersEnd) {
    const std::uint8_t terminated[] = {'W', 'i', 'n', 'e', 0, 'x', 'y'};
    EXPECT_EQ(TextInBuffer(terminated), "Wine");
    // A control filling a short buffer leaves no NUL: the text is the whole buffer.
    const std::uint8_t full[] = {'H', 'K', 'E', 'Y', '_'};
    EXPECT_EQ(TextInBuffer(full), "HKEY_");
    EXPECT_EQ(TextInBuffer({}), "");
    const std::uint8_t high[] = {0xE9, 't', 0xE9, 0};
    EXPECT_EQ(TextInBuffer(high), "\xE9t\xE9");
}

}  // namespace
}  // namespace zelkova
