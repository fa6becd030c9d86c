#include "platform/WinFileSystem.h"

#include <objbase.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "base/ErrorText.h"
#include "platform/PathQuery.h"
#include "platform/WinFile.h"

namespace zelkova {
namespace {

// The offset rides in the OVERLAPPED structure, so no separate seek can go wrong.
OVERLAPPED At(std::uint64_t offset) {
    OVERLAPPED position{};
    position.Offset = static_cast<DWORD>(offset);
    position.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return position;
}

// Reads up to buffer.size() bytes at offset of a file of the given size.
std::size_t ReadAtOffset(HANDLE file, std::uint64_t size, std::uint64_t offset,
                         std::span<std::uint8_t> buffer) {
    if (offset >= size) return 0;
    const auto available =
        static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), size - offset));
    std::size_t done = 0;
    while (done < available) {
        OVERLAPPED position = At(offset + done);
        const DWORD wanted = static_cast<DWORD>(std::min(available - done, kMaxFileTransfer));
        DWORD got = 0;
        if (!::ReadFile(file, buffer.data() + done, wanted, &got, &position) || got == 0) break;
        done += got;
    }
    return done;
}

class WinReadFile final : public RandomAccessFile {
public:
    WinReadFile(OwnedFile file, std::uint64_t size) : file_(std::move(file)), size_(size) {}
    std::uint64_t Size() const override { return size_; }
    std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer) override {
        return ReadAtOffset(file_.get(), size_, offset, buffer);
    }

private:
    OwnedFile file_;
    std::uint64_t size_;
};

// Created with CREATE_NEW, no sharing and FILE_FLAG_DELETE_ON_CLOSE: closing the handle, or
// the end of the process, deletes it.
class WinScratchFile final : public ScratchFile {
public:
    explicit WinScratchFile(OwnedFile file) : file_(std::move(file)) {}

    bool Write(std::span<const std::uint8_t> bytes) override {
        std::size_t done = 0;
        while (done < bytes.size()) {
            OVERLAPPED position = At(size_);
            const DWORD wanted =
                static_cast<DWORD>(std::min(bytes.size() - done, kMaxFileTransfer));
            DWORD put = 0;
            if (!::WriteFile(file_.get(), bytes.data() + done, wanted, &put, &position) || put == 0)
                break;
            done += put;
            size_ += put;
        }
        return done == bytes.size();
    }
    std::uint64_t Size() const override { return size_; }
    std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer) override {
        return ReadAtOffset(file_.get(), size_, offset, buffer);
    }

private:
    OwnedFile file_;
    std::uint64_t size_ = 0;
};

}  // namespace

bool WinFileSystem::FileExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::unique_ptr<RandomAccessFile> WinFileSystem::OpenForReading(const std::string& path) {
    OwnedFile file = OpenFileHandle(
        path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING);
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) return nullptr;
    return std::make_unique<WinReadFile>(std::move(file),
                                         static_cast<std::uint64_t>(size.QuadPart));
}

std::unique_ptr<ScratchFile> WinFileSystem::CreateScratchFile(const std::string& path) {
    // CREATE_NEW fails on anything already at the name, a link or junction included, so an
    // elevated process never writes through something another program put there.
    OwnedFile file = OpenFileHandle(path, GENERIC_READ | GENERIC_WRITE, 0, CREATE_NEW,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE);
    if (!file) return nullptr;
    return std::make_unique<WinScratchFile>(std::move(file));
}

std::string WinTempFolder::TempDirectory() {
    // Cleared first, so that a path refused for its length is not blamed on an older failure.
    ::SetLastError(ERROR_SUCCESS);
    std::string path = ReadPathSizedOnDemand(
        [](char* buffer, DWORD size) { return ::GetTempPathA(size, buffer); });
    if (path.empty())
        throw std::runtime_error(
            WithErrorCode("Cannot find the temporary folder", ::GetLastError()));
    return path;
}

Guid WinTempFolder::NewGuid() {
    GUID made{};
    if (const HRESULT result = ::CoCreateGuid(&made); FAILED(result))
        throw std::runtime_error(
            WithErrorCode("Cannot create a GUID", static_cast<std::uint32_t>(result)));
    Guid guid;
    guid.data1 = made.Data1;
    guid.data2 = made.Data2;
    guid.data3 = made.Data3;
    std::memcpy(guid.data4.data(), made.Data4, guid.data4.size());
    return guid;
}

}  // namespace zelkova
