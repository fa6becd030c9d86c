#include "platform/WinProfileFileStore.h"

#include <windows.h>

#include <algorithm>

#include "platform/WinFile.h"

namespace zelkova {

namespace {

// Others may read, write and even replace the file while we hold it, as with the profile
// functions, which hold it only for a moment.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

OwnedFile OpenShared(const std::string& path, DWORD access, DWORD disposition) {
    return OpenFileHandle(path, access, kShareAll, disposition);
}

bool IsReadOnly(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD wanted = static_cast<DWORD>(std::min<size_t>(bytes.size(), kMaxFileTransfer));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), wanted, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

// The bytes reach the disk before the caller moves the file into place: otherwise a power cut
// soon after the move could leave the new name over an empty file.
bool WriteNewFile(const std::string& path, std::string_view bytes) {
    const OwnedFile file = OpenShared(path, GENERIC_WRITE, CREATE_ALWAYS);
    return file && WriteAll(file.get(), bytes) && ::FlushFileBuffers(file.get());
}

bool RewriteInPlace(const std::string& path, std::string_view bytes) {
    const OwnedFile file = OpenShared(path, GENERIC_WRITE, OPEN_EXISTING);
    return file && WriteAll(file.get(), bytes) && ::SetEndOfFile(file.get()) &&
           ::FlushFileBuffers(file.get());
}

}  // namespace

std::optional<std::string> WinProfileFileStore::ReadAll(const std::string& path) const {
    const OwnedFile file = OpenShared(path, GENERIC_READ, OPEN_EXISTING);
    if (!file) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return std::string();
        return std::nullopt;
    }
    std::string bytes;
    char chunk[65536];
    DWORD got = 0;
    while (::ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr)) {
        if (got == 0) return bytes;
        bytes.append(chunk, got);
    }
    return std::nullopt;
}

bool WinProfileFileStore::CreateForWriting(const std::string& path) const {
    if (IsReadOnly(path)) return false;
    return static_cast<bool>(OpenShared(path, GENERIC_WRITE, OPEN_ALWAYS));
}

bool WinProfileFileStore::ReplaceAll(const std::string& path, std::string_view bytes) const {
    // It may have been made read-only since the first write was allowed.
    if (IsReadOnly(path)) return false;
    const std::string temporary = path + ".new";
    if (WriteNewFile(temporary, bytes) &&
        ::MoveFileExA(temporary.c_str(), path.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    ::DeleteFileA(temporary.c_str());
    // A folder that takes no new files, or a file another program holds open without letting
    // it be replaced, may still let the file itself be rewritten: better than no save, though
    // a crash during it could leave part of the file.
    return RewriteInPlace(path, bytes);
}

}  // namespace zelkova
