#include "skin/SkinContainer.h"

#include <array>
#include <algorithm>
#include <unordered_set>

#include "jump/AsciiText.h"

namespace zelkova {
namespace {

std::uint32_t Read32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

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

std::optional<RecordHeader> ReadRecord(RandomAccessFile& file, std::uint64_t offset) {
    std::array<std::uint8_t, kSkinRecordSize> raw{};
    if (!file.ReadExactly(offset, raw)) return std::nullopt;
    RecordHeader record;
    const auto nameEnd = std::find(raw.begin(), raw.begin() + kSkinRecordNameSize, 0);
    record.name.assign(raw.begin(), nameEnd);
    record.kind = raw[64];
    record.dataOffset = Read32(&raw[65]);
    record.dataLength = Read32(&raw[69]);
    record.next = Read32(&raw[73]);
    return record;
}

// Takes the record's data block, counting it against what the file can honestly hold.
class DataReader {
public:
    explicit DataReader(RandomAccessFile& file) : file_(file), budget_(file.Size()) {}

    bool Read(std::uint64_t offset, std::size_t length, std::vector<std::uint8_t>& out) {
        if (length > budget_) return false;
        budget_ -= length;
        out.resize(length);
        return file_.ReadExactly(offset, out);
    }

private:
    RandomAccessFile& file_;
    // Disjoint data blocks can never add up to more than the file; a chain of records sharing
    // one large block could otherwise make us copy it again and again.
    std::uint64_t budget_;
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

std::optional<SkinContainer> ParseSkinContainer(RandomAccessFile& file) {
    std::array<std::uint8_t, kSkinContainerHeaderSize> header{};
    if (!file.ReadExactly(0, std::span(header).first(16))) return std::nullopt;
    if (Read32(&header[12]) != kSkinContainerHeaderSize) return std::nullopt;
    if (!file.ReadExactly(0, header)) return std::nullopt;

    SkinContainer container;
    DataReader data(file);
    std::vector<std::uint8_t> block;
    std::unordered_set<std::uint32_t> visited;
    std::uint32_t offset = Read32(&header[20]);
    std::optional<RecordHeader> record = ReadRecord(file, offset);
    visited.insert(offset);
    // The last record header only ends the chain: its own fields are not read.
    while (record && record->next != 0) {
        switch (static_cast<SkinRecordKind>(record->kind)) {
            case SkinRecordKind::Bitmap: {
                if (!data.Read(record->dataOffset, record->dataLength, block)) return std::nullopt;
                std::optional<BmpImage> image = ParseBmp(block);
                if (!image) return std::nullopt;
                container.bitmaps.push_back({std::move(record->name), std::move(*image)});
                break;
            }
            case SkinRecordKind::Integer:
                if (!data.Read(record->dataOffset, 4, block)) return std::nullopt;
                container.integers.push_back(
                    {std::move(record->name), static_cast<std::int32_t>(Read32(block.data()))});
                break;
            case SkinRecordKind::Boolean:
                if (!data.Read(record->dataOffset, 1, block)) return std::nullopt;
                container.booleans.push_back({std::move(record->name), block[0]});
                break;
            case SkinRecordKind::String:
                if (!data.Read(record->dataOffset, record->dataLength, block)) return std::nullopt;
                container.strings.push_back(
                    {std::move(record->name), std::string(block.begin(), block.end())});
                break;
            default:
                break;  // kinds this reader does not know are passed over
        }
        offset = record->next;
        if (!visited.insert(offset).second) return std::nullopt;  // the chain loops
        record = ReadRecord(file, offset);
    }
    if (!record) return std::nullopt;
    return container;
}

}  // namespace zelkova
