#pragma once
// The outer layer of a skin file: a ZIP-layout archive whose first two bytes read "SK", with
// no archive comment, from which one entry is unpacked (decrypted first when it is protected
// with the traditional PKWARE cipher).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/FileAccess.h"

namespace zelkova {

enum class ExtractOutcome : std::uint8_t {
    Success,
    Unreadable,  // not a skin archive, no such entry, or data that does not decode
    Rejected,    // wrong or missing password, or data of another size than recorded
};

// The most an entry may record as its unpacked size: far beyond any skin, and small enough
// that a file cannot make us write gigabytes into the temporary folder.
inline constexpr std::uint32_t kMaxSkinEntrySize = 64u << 20;

// What the central directory says about the wanted entry.
struct SkinEntryRecord {
    std::uint16_t flags = 0;
    std::uint16_t modificationTime = 0;
    std::uint32_t crc32 = 0;
    // The entry's data, encryption header included: the stream must end within it.
    std::uint32_t compressedSize = 0;
    std::uint32_t uncompressedSize = 0;
    std::uint32_t localHeaderOffset = 0;

    bool Encrypted() const { return (flags & 0x0001) != 0; }
    // With bit 3 set the CRC was not known when the local header was written, so the
    // encryption header is checked against the modification time instead.
    std::uint8_t CheckByte() const {
        return (flags & 0x0008) != 0 ? static_cast<std::uint8_t>(modificationTime >> 8)
                                     : static_cast<std::uint8_t>(crc32 >> 24);
    }
};

// Checks the "SK" start and the comment-less end record, then walks the central directory for
// the first entry whose name matches entryName in any letter case.
std::optional<SkinEntryRecord> FindSkinEntry(RandomAccessFile& archive, std::string_view entryName);

// Decrypts and decodes the entry's recorded compressed bytes into output (a stream that runs
// past them is unreadable), then applies the size checks: an empty result is
// Unreadable, one whose size differs from the record's is Rejected. An entry that records more
// than kMaxSkinEntrySize is Rejected before anything is read. Output may hold partial data when
// the outcome is not Success; the caller discards it.
ExtractOutcome UnpackSkinEntry(RandomAccessFile& archive, const SkinEntryRecord& entry,
                               ByteSink& output, std::string_view password);

// The whole operation on the archive file, into output (which the caller creates, and
// discards unless the outcome is Success).
ExtractOutcome ExtractSkinEntry(FileSystem& files, const std::string& archivePath,
                                std::string_view entryName, ByteSink& output,
                                std::string_view password);

}  // namespace zelkova
