#include "base/StdioFileSystem.h"

#include <climits>
#include <cstdio>

namespace zelkova {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

// fseek takes a long, which is 32 bits on Windows: larger offsets are refused rather than
// wrapped.
bool SeekTo(std::FILE* file, std::uint64_t offset) {
    if (offset > static_cast<std::uint64_t>(LONG_MAX)) return false;
    return std::fseek(file, static_cast<long>(offset), SEEK_SET) == 0;
}

std::size_t ReadFileAt(std::FILE* file, std::uint64_t size, std::uint64_t offset,
                       std::span<std::uint8_t> buffer) {
    if (buffer.empty() || offset >= size || !SeekTo(file, offset)) return 0;
    return std::fread(buffer.data(), 1, buffer.size(), file);
}

class StdioReadFile final : public RandomAccessFile {
public:
    StdioReadFile(UniqueFile file, std::uint64_t size) : file_(std::move(file)), size_(size) {}
    std::uint64_t Size() const override { return size_; }
    std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer) override {
        return ReadFileAt(file_.get(), size_, offset, buffer);
    }

private:
    UniqueFile file_;
    std::uint64_t size_;
};

class StdioWriteFile final : public OutputFile {
public:
    explicit StdioWriteFile(UniqueFile file) : file_(std::move(file)) {}
    bool Write(std::span<const std::uint8_t> bytes) override {
        if (!file_) return false;
        const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), file_.get());
        written_ += written;
        return written == bytes.size();
    }
    std::uint64_t BytesWritten() const override { return written_; }
    void Close() override { file_.reset(); }

private:
    UniqueFile file_;
    std::uint64_t written_ = 0;
};

class StdioScratchFile final : public ScratchFile {
public:
    StdioScratchFile(UniqueFile file, std::string pathToRemove)
        : file_(std::move(file)), pathToRemove_(std::move(pathToRemove)) {}
    StdioScratchFile(const StdioScratchFile&) = delete;
    StdioScratchFile& operator=(const StdioScratchFile&) = delete;
    ~StdioScratchFile() override {
        file_.reset();
        if (!pathToRemove_.empty()) std::remove(pathToRemove_.c_str());
    }

    bool Write(std::span<const std::uint8_t> bytes) override {
        // Reads move the position; C also wants a seek between a read and a write.
        if (std::fseek(file_.get(), 0, SEEK_END) != 0) return false;
        const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), file_.get());
        size_ += written;
        return written == bytes.size();
    }
    std::uint64_t Size() const override { return size_; }
    std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer) override {
        return ReadFileAt(file_.get(), size_, offset, buffer);
    }

private:
    UniqueFile file_;
    std::string pathToRemove_;
    std::uint64_t size_ = 0;
};

}  // namespace

bool StdioFileSystem::FileExists(const std::string& path) {
    UniqueFile file(std::fopen(path.c_str(), "rb"));
    if (!file) return false;
    // Some C libraries open a folder for reading; the first read then fails with an error
    // rather than reaching the end of an (empty) file.
    return std::fgetc(file.get()) != EOF || !std::ferror(file.get());
}

std::unique_ptr<RandomAccessFile> StdioFileSystem::OpenForReading(const std::string& path) {
    UniqueFile file(std::fopen(path.c_str(), "rb"));
    if (!file || std::fseek(file.get(), 0, SEEK_END) != 0) return nullptr;
    const long size = std::ftell(file.get());
    if (size < 0) return nullptr;
    return std::make_unique<StdioReadFile>(std::move(file), static_cast<std::uint64_t>(size));
}

std::unique_ptr<ScratchFile> StdioFileSystem::CreateScratchFile(const std::string& path) {
    UniqueFile file(std::fopen(path.c_str(), "w+bx"));
    if (!file) return nullptr;
    const bool unlinked = std::remove(path.c_str()) == 0;
    return std::make_unique<StdioScratchFile>(std::move(file), unlinked ? std::string() : path);
}

std::unique_ptr<OutputFile> StdioFileSystem::CreateForWriting(const std::string& path) {
    UniqueFile file(std::fopen(path.c_str(), "wb"));
    if (!file) return nullptr;
    return std::make_unique<StdioWriteFile>(std::move(file));
}

bool StdioFileSystem::RemoveFile(const std::string& path) { return std::remove(path.c_str()) == 0; }

}  // namespace zelkova
