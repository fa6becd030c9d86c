#pragma once

#include "jump/PaneItemRecords.h"
#include "platform/KernelHandle.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <span>

namespace zelkova {

// A handle to another process, opened here and closed when this goes.
class OwnedProcess {
public:
    OwnedProcess() = default;
    // The process that owns `window`, with the rights to read, write and allocate its memory.
    static OwnedProcess OfWindow(HWND window);

    explicit operator bool() const { return static_cast<bool>(handle_); }
    HANDLE Get() const { return handle_.get(); }
    // How wide the process's pointers are: the layout its controls expect of item records.
    PointerWidth Width() const;

private:
    explicit OwnedProcess(HANDLE handle) : handle_(handle) {}
    OwnedKernelHandle handle_;
};

// Gives memory committed in another process back to that process.
struct RemoteMemoryTraits {
    using Handle = void*;
    HANDLE process = nullptr;
    void Close(void* address) const noexcept { ::VirtualFreeEx(process, address, 0, MEM_RELEASE); }
};

// Memory committed in another process, so that its controls can read and fill records we
// hand them; released when this goes. It borrows the process handle, which must outlive it.
class RemoteAllocation {
public:
    RemoteAllocation() = default;
    static RemoteAllocation Allocate(const OwnedProcess& process, std::size_t size);

    explicit operator bool() const { return static_cast<bool>(memory_); }
    std::uint64_t Address() const { return reinterpret_cast<std::uintptr_t>(memory_.get()); }
    std::size_t Size() const { return memory_ ? size_ : 0; }

    // Both refuse a range that does not lie inside the allocation.
    bool Write(std::size_t offset, std::span<const std::uint8_t> bytes) const;
    bool Read(std::size_t offset, std::span<std::uint8_t> bytes) const;

private:
    HANDLE Process() const { return memory_.traits().process; }
    UniqueHandle<RemoteMemoryTraits> memory_;
    std::size_t size_ = 0;
};

// Reads another process's memory at an address it gave us; false when the address does not
// fit our pointers or the memory cannot be read.
bool ReadProcessBytes(const OwnedProcess& process, std::uint64_t address,
                      std::span<std::uint8_t> bytes);

}  // namespace zelkova
