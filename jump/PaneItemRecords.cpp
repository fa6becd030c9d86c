#include "jump/PaneItemRecords.h"

#include <algorithm>

namespace zelkova {
namespace {

constexpr std::uint32_t kTvifText = 0x0001;
constexpr std::uint32_t kLvifText = 0x0001;
constexpr std::uint32_t kLvifState = 0x0008;

// Field offsets of TVITEMA and LVITEMA (with the Vista members, which a control may read).
struct TreeItemLayout {
    std::size_t hItem, pszText, cchTextMax, size;
};
struct ListItemLayout {
    std::size_t iSubItem, state, stateMask, pszText, cchTextMax, size;
};

constexpr TreeItemLayout kTree32{4, 16, 20, 40};
constexpr TreeItemLayout kTree64{8, 24, 32, 56};
constexpr ListItemLayout kList32{8, 12, 16, 20, 24, 60};
constexpr ListItemLayout kList64{8, 12, 16, 24, 32, 88};

const TreeItemLayout& TreeLayout(PointerWidth width) {
    return width == PointerWidth::Bits64 ? kTree64 : kTree32;
}
const ListItemLayout& ListLayout(PointerWidth width) {
    return width == PointerWidth::Bits64 ? kList64 : kList32;
}
std::size_t PointerSize(PointerWidth width) { return width == PointerWidth::Bits64 ? 8 : 4; }

// Little-endian, as every Windows target is.
void Put(RecordBytes& record, std::size_t offset, std::uint64_t value, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i)
        record[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void PutPointer(RecordBytes& record, std::size_t offset, std::uint64_t value, PointerWidth width) {
    Put(record, offset, value, PointerSize(width));
}

std::optional<std::uint64_t> PointerAt(std::span<const std::uint8_t> record, std::size_t offset,
                                       PointerWidth width) {
    const std::size_t size = PointerSize(width);
    if (record.size() < offset + size) return std::nullopt;
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < size; ++i) value |= std::uint64_t{record[offset + i]} << (8 * i);
    return value;
}

}  // namespace

std::size_t TreeItemRecordSize(PointerWidth width) { return TreeLayout(width).size; }
std::size_t ListItemRecordSize(PointerWidth width) { return ListLayout(width).size; }

RecordBytes TreeItemTextRequest(PointerWidth width, std::uint64_t item, std::uint64_t textAddress,
                                std::int32_t capacity) {
    const TreeItemLayout& layout = TreeLayout(width);
    RecordBytes record(layout.size, 0);
    Put(record, 0, kTvifText, 4);
    PutPointer(record, layout.hItem, item, width);
    PutPointer(record, layout.pszText, textAddress, width);
    Put(record, layout.cchTextMax, static_cast<std::uint32_t>(capacity), 4);
    return record;
}

RecordBytes ListItemTextRequest(PointerWidth width, std::uint64_t textAddress,
                                std::int32_t capacity) {
    const ListItemLayout& layout = ListLayout(width);
    RecordBytes record(layout.size, 0);
    Put(record, 0, kLvifText, 4);
    Put(record, layout.iSubItem, 0, 4);
    PutPointer(record, layout.pszText, textAddress, width);
    Put(record, layout.cchTextMax, static_cast<std::uint32_t>(capacity), 4);
    return record;
}

RecordBytes ListItemStateRequest(PointerWidth width, std::uint32_t state, std::uint32_t mask) {
    const ListItemLayout& layout = ListLayout(width);
    RecordBytes record(layout.size, 0);
    Put(record, 0, kLvifState, 4);
    Put(record, layout.state, state, 4);
    Put(record, layout.stateMask, mask, 4);
    return record;
}

std::optional<std::uint64_t> TreeItemTextPointer(std::span<const std::uint8_t> record,
                                                 PointerWidth width) {
    return PointerAt(record, TreeLayout(width).pszText, width);
}

std::optional<std::uint64_t> ListItemTextPointer(std::span<const std::uint8_t> record,
                                                 PointerWidth width) {
    return PointerAt(record, ListLayout(width).pszText, width);
}

std::string TextInBuffer(std::span<const std::uint8_t> buffer) {
    const auto end = std::find(buffer.begin(), buffer.end(), std::uint8_t{0});
    return std::string(buffer.begin(), end);
}

}  // namespace zelkova
