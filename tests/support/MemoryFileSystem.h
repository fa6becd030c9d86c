#pragma once
// A FileSystem of one skin file held in memory, for tests and fuzz targets that run the whole
// load without a disk. It watches its scratch files: how many are alive and the largest
// written, so a caller can check that a load leaves none behind and never writes too much.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "base/FileAccess.h"

namespace zelkova::testing {

class MemoryFileSystem final : public FileSystem {
public:
    MemoryFileSystem(std::string path, std::span<const std::uint8_t> bytes)
        : path_(std::move(path)), bytes_(bytes) {}

    bool FileExists(const std::string& path) override { return path == path_; }
    std::unique_ptr<RandomAccessFile> OpenForReading(const std::string& path) override {
        return path == path_ ? std::make_unique<MemoryFile>(bytes_) : nullptr;
    }
    std::unique_ptr<ScratchFile> CreateScratchFile(const std::string& path) override {
        if (path == path_) return nullptr;  // taken
        return std::make_unique<WatchedScratch>(*this);
    }

    int LiveScratchFiles() const { return live_; }
    std::uint64_t LargestScratchFile() const { return largest_; }

private:
    class WatchedScratch final : public ScratchFile {
    public:
        explicit WatchedScratch(MemoryFileSystem& owner) : owner_(owner) { ++owner_.live_; }
        WatchedScratch(const WatchedScratch&) = delete;
        WatchedScratch& operator=(const WatchedScratch&) = delete;
        ~WatchedScratch() override { --owner_.live_; }
        bool Write(std::span<const std::uint8_t> bytes) override {
            const bool written = file_.Write(bytes);
            owner_.largest_ = std::max(owner_.largest_, file_.Size());
            return written;
        }
        std::uint64_t Size() const override { return file_.Size(); }
        std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer) override {
            return file_.ReadAt(offset, buffer);
        }

    private:
        MemoryFileSystem& owner_;
        MemoryScratchFile file_;
    };

    std::string path_;
    std::span<const std::uint8_t> bytes_;
    int live_ = 0;
    std::uint64_t largest_ = 0;
};

}  // namespace zelkova::testing
