// Kernel object handles (files, processes, threads), owned and closed with CloseHandle.
#pragma once

#include <windows.h>

#include "base/UniqueHandle.h"

namespace zelkova {

struct KernelHandleTraits {
    using Handle = HANDLE;
    static void Close(HANDLE handle) noexcept { ::CloseHandle(handle); }
};
using OwnedKernelHandle = UniqueHandle<KernelHandleTraits>;

}  // namespace zelkova
