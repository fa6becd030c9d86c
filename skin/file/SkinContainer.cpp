#include "skin/file/SkinContainer.h"

#include <array>
#include <algorithm>

#include "base/AsciiText.h"
#include "base/LittleEndian.h"

namespace zelkova {
namespace {

template <typename Value>
const NamedSkinValue<Value>* FindNamed(const std::vector<NamedSkinValue<Value>>& list,
                                       std::string_view name) {
    for (const auto& entry : list)
        if (AsciiEqualNoCase(entry.name, name)) return &entry;
    return nullptr;
}

struct RecordHeader {
    std::string name;
    std::uint8_t kind = 0;
    std::uint32_t dataOffset = 0;
    std::uint32_t dataLength = 0;
    std::uint32_t next = 0;
};

// The bytes at [offset, offset + length), or nothing when any of them lies outside.
std::optional<std::span<const std::uint8_t>> Range(std::span<const std::uint8_t> bytes,
                                                   std::uint64_t offset, std::uint64_t length) {
    if (offset > bytes.size() || length > bytes.size() - offset) return std::nullopt;
    return bytes.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(length));
}

std::optional<RecordHeader> ReadRecord(std::span<const std::uint8_t> bytes, std::uint64_t offset) {
    const auto raw = Range(bytes, offset, kSkinRecordSize);
    if (!raw) return std::nullopt;
    RecordHeader record;
    const auto nameEnd = std::find(raw->begin(), raw->begin() + kSkinRecordNameSize, 0);
    record.name.assign(raw->begin(), nameEnd);
    record.kind = (*raw)[64];
    record.dataOffset = ReadLittleEndian32(&(*raw)[65]);
    record.dataLength = ReadLittleEndian32(&(*raw)[69]);
    record.next = ReadLittleEndian32(&(*raw)[73]);
    return record;
}

// Hands out the records' data blocks, counting them against what the file can honestly hold.
class DataBlocks {
public:
    explicit DataBlocks(std::span<const std::uint8_t> bytes)
        : bytes_(bytes), budget_(bytes.size()) {}

    std::optional<std::span<const std::uint8_t>> Take(std::uint64_t offset, std::uint64_t length) {
        if (length > budget_) return std::nullopt;
        budget_ -= length;
        return Range(bytes_, offset, length);
    }

private:
    std::span<const std::uint8_t> bytes_;
    // Disjoint data blocks can never add up to more than the file; a chain of records sharing
    // one large block could otherwise make us copy it again and again.
    std::uint64_t budget_;
};

// Follows the chain's next-offsets in constant memory. A chain can hold no more record headers
// than fit side by side in the file, and Brent's cycle check (compare each offset with one
// saved at growing powers of two) finds a loop within twice its length and lead-in, so a loop
// fails as soon as it shows rather than after the cap.
class ChainWalk {
public:
    // The first header is read already (and so fits in the file).
    ChainWalk(std::uint32_t first, std::size_t fileSize)
        : saved_(first),
          headersLeft_(fileSize / kSkinRecordSize - (fileSize >= kSkinRecordSize ? 1 : 0)) {}

    // False when next would revisit a record or go past the cap.
    bool Advance(std::uint32_t next) {
        if (next == saved_ || headersLeft_ == 0) return false;
        --headersLeft_;
        if (++steps_ == power_) {
            saved_ = next;
            power_ *= 2;
            steps_ = 0;
        }
        return true;
    }

private:
    std::uint32_t saved_;
    std::size_t headersLeft_;
    std::uint64_t power_ = 1;
    std::uint64_t steps_ = 0;
};

}  // namespace

const BmpImage* SkinContainer::FindBitmap(std::string_view name) const {
    const auto* found = FindNamed(bitmaps, name);
    return found != nullptr ? &found->value : nullptr;
}

std::optional<std::int32_t> SkinContainer::FindInteger(std::string_view name) const {
    const auto* found = FindNamed(integers, name);
    return found != nullptr ? std::optional(found->value) : std::nullopt;
}

std::optional<std::uint8_t> SkinContainer::FindBoolean(std::string_view name) const {
    const auto* found = FindNamed(booleans, name);
    return found != nullptr ? std::optional(found->value) : std::nullopt;
}

const std::string* SkinContainer::FindString(std::string_view name) const {
    const auto* found = FindNamed(strings, name);
    return found != nullptr ? &found->value : nullptr;
}

std::optional<SkinContainer> ParseSkinContainer(std::span<const std::uint8_t> bytes) {
    const auto header = Range(bytes, 0, kSkinContainerHeaderSize);
    if (!header || ReadLittleEndian32(&(*header)[12]) != kSkinContainerHeaderSize)
        return std::nullopt;

    SkinContainer container;
    DataBlocks data(bytes);
    std::uint64_t pixelsLeft = kMaxSkinPixels;
    std::uint32_t offset = ReadLittleEndian32(&(*header)[20]);
    std::optional<RecordHeader> record = ReadRecord(bytes, offset);
    ChainWalk chain(offset, bytes.size());
    // The last record header only ends the chain: its own fields are not read.
    while (record && record->next != 0) {
        switch (static_cast<SkinRecordKind>(record->kind)) {
            case SkinRecordKind::Bitmap: {
                const auto block = data.Take(record->dataOffset, record->dataLength);
                if (!block) return std::nullopt;
                // The budget is checked from the header, before any pixel memory is taken.
                std::optional<BmpImage> image = ParseBmp(*block, pixelsLeft);
                if (!image) return std::nullopt;
                pixelsLeft -= image->Pixels().size();
                container.bitmaps.push_back({std::move(record->name), std::move(*image)});
                break;
            }
            case SkinRecordKind::Integer: {
                const auto block = data.Take(record->dataOffset, 4);
                if (!block) return std::nullopt;
                const auto value = static_cast<std::int32_t>(ReadLittleEndian32(block->data()));
                container.integers.push_back({std::move(record->name), value});
                break;
            }
            case SkinRecordKind::Boolean: {
                const auto block = data.Take(record->dataOffset, 1);
                if (!block) return std::nullopt;
                container.booleans.push_back({std::move(record->name), (*block)[0]});
                break;
            }
            case SkinRecordKind::String: {
                const auto block = data.Take(record->dataOffset, record->dataLength);
                if (!block) return std::nullopt;
                container.strings.push_back(
                    {std::move(record->name), std::string(block->begin(), block->end())});
                break;
            }
            default: break;  // kinds this reader does not know are passed over
        }
        offset = record->next;
        if (!chain.Advance(offset)) return std::nullopt;
        record = ReadRecord(bytes, offset);
    }
    if (!record) return std::nullopt;
    return container;
}

std::optional<SkinContainer> ParseSkinContainer(RandomAccessFile& file) {
    if (file.Size() > kMaxSkinContainerSize) return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(file.Size()));
    if (!file.ReadExactly(0, bytes)) return std::nullopt;
    return ParseSkinContainer(std::span<const std::uint8_t>(bytes));
}

}  // namespace zelkova
