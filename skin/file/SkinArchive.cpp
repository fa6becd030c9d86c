#include "skin/file/SkinArchive.h"

#include <array>
#include <vector>

#include "base/AsciiText.h"
#include "base/LittleEndian.h"
#include "skin/file/Inflate.h"
#include "skin/file/PkwareCipher.h"

namespace zelkova {
namespace {

constexpr std::size_t kEndRecordSize = 22;
constexpr std::uint32_t kEndRecordSignature = 0x06054B50;
constexpr std::size_t kCentralRecordSize = 46;
constexpr std::size_t kLocalHeaderSize = 30;

// Decrypts the entry data as the decoder pulls it.
class DecryptingSource final : public InflateSource {
public:
    DecryptingSource(InflateSource& inner, PkwareCipher& cipher) : inner_(inner), cipher_(cipher) {}
    std::size_t Read(std::span<std::uint8_t> buffer) override {
        const std::size_t n = inner_.Read(buffer);
        cipher_.Decrypt(buffer.first(n));
        return n;
    }

private:
    InflateSource& inner_;
    PkwareCipher& cipher_;
};

// Counts what reaches the output, for the size checks.
class CountingSink final : public ByteSink {
public:
    explicit CountingSink(ByteSink& inner) : inner_(inner) {}
    bool Write(std::span<const std::uint8_t> bytes) override {
        if (!inner_.Write(bytes)) return false;
        count_ += bytes.size();
        return true;
    }
    std::uint64_t Count() const { return count_; }

private:
    ByteSink& inner_;
    std::uint64_t count_ = 0;
};

ExtractOutcome DecodeEntry(RandomAccessFile& archive, const SkinEntryRecord& entry,
                           ByteSink& output, std::string_view password) {
    if (entry.uncompressedSize > kMaxSkinEntrySize) return ExtractOutcome::Rejected;
    std::array<std::uint8_t, kLocalHeaderSize> local{};
    if (!archive.ReadExactly(entry.localHeaderOffset, local)) return ExtractOutcome::Unreadable;
    std::uint64_t dataOffset = std::uint64_t{entry.localHeaderOffset} + kLocalHeaderSize +
                               ReadLittleEndian16(&local[26]) + ReadLittleEndian16(&local[28]);
    if (dataOffset > archive.Size()) return ExtractOutcome::Unreadable;
    // The central directory's size bounds the entry: the bytes after it (the next entry, the
    // directory itself) must not be able to finish a stream that was cut short.
    const std::uint64_t dataEnd = dataOffset + entry.compressedSize;

    std::optional<PkwareCipher> cipher;
    if (entry.Encrypted()) {
        if (password.empty()) return ExtractOutcome::Rejected;
        cipher.emplace(password);
        std::array<std::uint8_t, kPkwareHeaderSize> header{};
        if (entry.compressedSize < header.size() || !archive.ReadExactly(dataOffset, header))
            return ExtractOutcome::Unreadable;
        cipher->Decrypt(header);
        if (header.back() != entry.CheckByte()) return ExtractOutcome::Rejected;
        dataOffset += kPkwareHeaderSize;
    }
    FileRangeSource raw(archive, dataOffset, dataEnd);
    std::optional<DecryptingSource> decrypted;
    if (cipher) decrypted.emplace(raw, *cipher);
    InflateSource& source = decrypted ? static_cast<InflateSource&>(*decrypted) : raw;
    switch (Inflate(source, output, entry.uncompressedSize)) {
        case InflateStatus::Done: return ExtractOutcome::Success;
        case InflateStatus::OutputLimit: return ExtractOutcome::Rejected;
        case InflateStatus::Malformed:
        case InflateStatus::SinkFailed: break;
    }
    return ExtractOutcome::Unreadable;
}

}  // namespace

std::optional<SkinEntryRecord> FindSkinEntry(RandomAccessFile& archive,
                                             std::string_view entryName) {
    const std::uint64_t size = archive.Size();
    std::array<std::uint8_t, 4> start{};
    if (!archive.ReadExactly(0, start) || start[0] != 'S' || start[1] != 'K') return std::nullopt;

    std::array<std::uint8_t, kEndRecordSize> end{};
    if (size < kEndRecordSize || !archive.ReadExactly(size - kEndRecordSize, end))
        return std::nullopt;
    if (ReadLittleEndian32(end.data()) != kEndRecordSignature || ReadLittleEndian16(&end[20]) != 0)
        return std::nullopt;
    const std::uint64_t directoryOffset = ReadLittleEndian32(&end[16]);
    const std::uint64_t directoryEnd = size - kEndRecordSize;
    if (directoryOffset > directoryEnd) return std::nullopt;

    // Walked through a small cache rather than read whole: the directory is as large as the
    // file says, and the file may be large.
    BufferedFile directory(archive);
    std::array<std::uint8_t, kCentralRecordSize> record{};
    std::vector<std::uint8_t> name;
    std::uint64_t pos = directoryOffset;
    while (directoryEnd - pos >= kCentralRecordSize) {
        if (!directory.ReadExactly(pos, record)) return std::nullopt;
        const std::uint64_t nameAt = pos + kCentralRecordSize;
        name.resize(ReadLittleEndian16(&record[28]));
        if (name.size() > directoryEnd - nameAt || !directory.ReadExactly(nameAt, name)) break;
        if (AsciiEqualNoCase(
                std::string_view(reinterpret_cast<const char*>(name.data()), name.size()),
                entryName)) {
            SkinEntryRecord entry;
            entry.flags = ReadLittleEndian16(&record[8]);
            entry.modificationTime = ReadLittleEndian16(&record[12]);
            entry.crc32 = ReadLittleEndian32(&record[16]);
            entry.compressedSize = ReadLittleEndian32(&record[20]);
            entry.uncompressedSize = ReadLittleEndian32(&record[24]);
            entry.localHeaderOffset = ReadLittleEndian32(&record[42]);
            return entry;
        }
        pos = nameAt + name.size() + ReadLittleEndian16(&record[30]) +
              ReadLittleEndian16(&record[32]);
        if (pos > directoryEnd) break;
    }
    return std::nullopt;
}

ExtractOutcome UnpackSkinEntry(RandomAccessFile& archive, const SkinEntryRecord& entry,
                               ByteSink& output, std::string_view password) {
    CountingSink counted(output);
    ExtractOutcome outcome = DecodeEntry(archive, entry, counted, password);
    const std::uint64_t written = counted.Count();
    if (written == 0 && outcome == ExtractOutcome::Success)
        outcome = ExtractOutcome::Unreadable;
    else if (written != entry.uncompressedSize)
        outcome = ExtractOutcome::Rejected;
    return outcome;
}

ExtractOutcome ExtractSkinEntry(FileSystem& files, const std::string& archivePath,
                                std::string_view entryName, ByteSink& output,
                                std::string_view password) {
    const std::unique_ptr<RandomAccessFile> archive = files.OpenForReading(archivePath);
    if (!archive) return ExtractOutcome::Unreadable;
    const std::optional<SkinEntryRecord> entry = FindSkinEntry(*archive, entryName);
    if (!entry) return ExtractOutcome::Unreadable;
    return UnpackSkinEntry(*archive, *entry, output, password);
}

}  // namespace zelkova
