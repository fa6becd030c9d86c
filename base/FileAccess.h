#pragma once
// The few file operations the skin reader needs, behind an interface so that the same parsing
// code runs on memory in tests and fuzzers, on stdio natively, and on Win32 handles in the
// program. Paths are 8-bit ANSI text.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace zelkova {

// A file opened for reading at any offset.
class RandomAccessFile {
public:
    virtual ~RandomAccessFile() = default;
    virtual std::uint64_t Size() const = 0;
    // Reads up to buffer.size() bytes at offset; returns how many were read (short only at the
    // end of the file or on a read error).
    virtual std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer) = 0;

    // The whole range or nothing: false when any of it lies past the end.
    bool ReadExactly(std::uint64_t offset, std::span<std::uint8_t> buffer) {
        if (offset > Size() || buffer.size() > Size() - offset) return false;
        return ReadAt(offset, buffer) == buffer.size();
    }
};

// Where decoded bytes go.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    // False when the bytes could not all be stored.
    virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
};

// A file created for writing; BytesWritten counts what reached it.
class OutputFile : public ByteSink {
public:
    virtual std::uint64_t BytesWritten() const = 0;
    // Flushes and closes; further writes fail.
    virtual void Close() = 0;
};

// A file that lives for one load: written from its start, read back through the same open
// file (Size() is what was written), and deleted when the object goes. Nobody reaches it by
// its name in between, so nothing can be swapped in under it.
class ScratchFile : public ByteSink, public RandomAccessFile {};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // A regular file (not a folder) exists at path.
    virtual bool FileExists(const std::string& path) = 0;
    // Read access that lets others read and write the file too; null when it cannot be opened.
    virtual std::unique_ptr<RandomAccessFile> OpenForReading(const std::string& path) = 0;
    // Creates a new file at path, which nothing may occupy yet (not even a link), and which
    // others cannot open for writing while it lives. Null when anything is already there or
    // the file cannot be made.
    virtual std::unique_ptr<ScratchFile> CreateScratchFile(const std::string& path) = 0;
};

// Reads from bytes the caller keeps alive.
class MemoryFile final : public RandomAccessFile {
public:
    explicit MemoryFile(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::uint64_t Size() const override { return bytes_.size(); }
    std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer) override;

private:
    std::span<const std::uint8_t> bytes_;
};

// Collects everything written into memory.
class MemorySink final : public OutputFile {
public:
    bool Write(std::span<const std::uint8_t> bytes) override;
    std::uint64_t BytesWritten() const override { return bytes_.size(); }
    void Close() override {}
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    std::vector<std::uint8_t>& Bytes() { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

// A scratch file held in memory.
class MemoryScratchFile final : public ScratchFile {
public:
    bool Write(std::span<const std::uint8_t> bytes) override;
    std::uint64_t Size() const override { return bytes_.size(); }
    std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer) override {
        return MemoryFile(bytes_).ReadAt(offset, buffer);
    }

private:
    std::vector<std::uint8_t> bytes_;
};

// Serves small reads that come near each other (record headers, directory entries) from one
// cached block of the file beneath, so that walking a chain costs one call to the file per
// block rather than one per record. Larger reads go straight through.
class BufferedFile final : public RandomAccessFile {
public:
    static constexpr std::size_t kBlockSize = std::size_t{64} * 1024;

    explicit BufferedFile(RandomAccessFile& file) : file_(file) {}
    std::uint64_t Size() const override { return file_.Size(); }
    std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer) override;

private:
    RandomAccessFile& file_;
    std::vector<std::uint8_t> block_;
    std::uint64_t blockOffset_ = 0;
};

}  // namespace zelkova
