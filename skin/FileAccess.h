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

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // A regular file (not a folder) exists at path.
    virtual bool FileExists(const std::string& path) = 0;
    // Read access that lets others read and write the file too; null when it cannot be opened.
    virtual std::unique_ptr<RandomAccessFile> OpenForReading(const std::string& path) = 0;
    // Creates or truncates; null on failure.
    virtual std::unique_ptr<OutputFile> CreateForWriting(const std::string& path) = 0;
    virtual bool RemoveFile(const std::string& path) = 0;
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

}  // namespace zelkova
