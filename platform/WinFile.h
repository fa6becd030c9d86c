// Opening a file handle from CreateFileA, owned, for the platform's file access.
#pragma once

#include <windows.h>

#include <cstddef>
#include <limits>
#include <string>

#include "platform/KernelHandle.h"

namespace zelkova {

using OwnedFile = OwnedKernelHandle;

// CreateFileA reports failure as INVALID_HANDLE_VALUE, which the owner must never hold.
inline OwnedFile OpenFileHandle(const std::string& path, DWORD access, DWORD share,
                                DWORD disposition, DWORD flags = FILE_ATTRIBUTE_NORMAL) {
    const HANDLE handle =
        ::CreateFileA(path.c_str(), access, share, nullptr, disposition, flags, nullptr);
    return OwnedFile(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

// One ReadFile or WriteFile moves at most a DWORD's worth.
inline constexpr std::size_t kMaxFileTransfer = std::numeric_limits<DWORD>::max();

}  // namespace zelkova
