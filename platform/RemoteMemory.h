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

// Memory committed in another process, so that its controls can read and fill records we
// hand them; released when this goes. It borrows the process handle, which must outlive it.
class RemoteAllocation {
public:
    RemoteAllocation() = default;
    static RemoteAllocation Allocate(const OwnedProcess& process, std::size_t size);
    RemoteAllocation(RemoteAllocation&& other) noexcept;
    RemoteAllocation& operator=(RemoteAllocation&& other) noexcept;
    RemoteAllocation(const RemoteAllocation&) = delete;
    RemoteAllocation& operator=(const RemoteAllocation&) = delete;
    ~RemoteAllocation();

    explicit operator bool() const { return address_ != nullptr; }
    std::uint64_t Address() const { return reinterpret_cast<std::uintptr_t>(address_); }
    std::size_t Size() const { return size_; }

    // Both refuse a range that does not lie inside the allocation.
    bool Write(std::size_t offset, std::span<const std::uint8_t> bytes) const;
    bool Read(std::size_t offset, std::span<std::uint8_t> bytes) const;

private:
    void Release();
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
    std::size_t size_ = 0;
};

// Reads another process's memory at an address it gave us; false when the address does not
// fit our pointers or the memory cannot be read.
bool ReadProcessBytes(const OwnedProcess& process, std::uint64_t address, std::span<std::uint8_t> bytes);

}  // namespace zelkova
