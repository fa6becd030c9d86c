#pragma once
// The data container of a skin file ("SKINDATA.SK2"): a 24-byte header and a chain of 77-byte
// record headers, each naming one bitmap, integer, flag or string stored elsewhere in the file.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/file/BmpImage.h"
#include "base/FileAccess.h"

namespace zelkova {

inline constexpr std::uint32_t kSkinContainerHeaderSize = 24;
inline constexpr std::size_t kSkinRecordSize = 77;
inline constexpr std::size_t kSkinRecordNameSize = 64;
// Limits that keep a hostile container from taking what a skin never needs: the container is
// read whole into memory, and its bitmaps together become at most this many 32-bit pixels.
inline constexpr std::uint64_t kMaxSkinContainerSize = 64u << 20;
inline constexpr std::uint64_t kMaxSkinPixels = std::uint64_t{1} << 24;

enum class SkinRecordKind : std::uint8_t { Bitmap = 0, Integer = 1, Boolean = 2, String = 3 };

template <typename Value>
struct NamedSkinValue {
    std::string name;
    Value value;
};

// Everything one container held, each list in chain order. Lookups match names in any letter
// case; the first entry of a name wins.
struct SkinContainer {
    std::vector<NamedSkinValue<BmpImage>> bitmaps;
    std::vector<NamedSkinValue<std::int32_t>> integers;
    std::vector<NamedSkinValue<std::uint8_t>> booleans;
    std::vector<NamedSkinValue<std::string>> strings;

    const BmpImage* FindBitmap(std::string_view name) const;
    std::optional<std::int32_t> FindInteger(std::string_view name) const;
    std::optional<std::uint8_t> FindBoolean(std::string_view name) const;
    const std::string* FindString(std::string_view name) const;
};

// Reads the whole chain. Nothing when the header is not the 24-byte one, when any record, data
// block or bitmap lies outside the file, when a bitmap is not a well-formed BMP file, when the
// chain comes back to a record it has passed or has more records than the file has room for,
// when the records would take in more data than the file holds, or when the bitmaps together
// exceed kMaxSkinPixels.
std::optional<SkinContainer> ParseSkinContainer(std::span<const std::uint8_t> bytes);
// The same on a file, read whole first: nothing when it is larger than kMaxSkinContainerSize.
std::optional<SkinContainer> ParseSkinContainer(RandomAccessFile& file);

}  // namespace zelkova
