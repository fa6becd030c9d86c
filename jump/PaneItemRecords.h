#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zelkova {

// The item records that tree-view and list-view messages read and write, laid out as a
// process of the given pointer width expects them. They are written into the editor's own
// memory, so they must follow the editor's width, which need not be ours.
enum class PointerWidth { Bits32, Bits64 };

using RecordBytes = std::vector<std::uint8_t>;

// TVITEMA asking for the item's text (TVIF_TEXT) into `capacity` bytes at `textAddress`.
RecordBytes TreeItemTextRequest(PointerWidth width, std::uint64_t item, std::uint64_t textAddress,
                                std::int32_t capacity);
std::size_t TreeItemRecordSize(PointerWidth width);

// LVITEMA asking for the first column's text (LVM_GETITEMTEXTA).
RecordBytes ListItemTextRequest(PointerWidth width, std::uint64_t textAddress,
                                std::int32_t capacity);
// LVITEMA setting the state bits in `mask` to `state` (LVM_SETITEMSTATE).
RecordBytes ListItemStateRequest(PointerWidth width, std::uint32_t state, std::uint32_t mask);
std::size_t ListItemRecordSize(PointerWidth width);

// Where the control says the text is after the call: it may point at text of its own instead
// of filling the buffer. None when the record is too short to hold the pointer.
std::optional<std::uint64_t> TreeItemTextPointer(std::span<const std::uint8_t> record,
                                                 PointerWidth width);
std::optional<std::uint64_t> ListItemTextPointer(std::span<const std::uint8_t> record,
                                                 PointerWidth width);

// The text in a buffer the control filled: up to the first NUL, or the whole buffer when the
// control left none.
std::string TextInBuffer(std::span<const std::uint8_t> buffer);

}  // namespace zelkova
