#include "platform/RemoteMemory.h"

#include <limits>

namespace zelkova {

OwnedProcess OwnedProcess::OfWindow(HWND window) {
    DWORD id = 0;
    if (!::GetWindowThreadProcessId(window, &id) || id == 0) return {};
    constexpr DWORD kRights = PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE |
                              PROCESS_QUERY_LIMITED_INFORMATION;
    return OwnedProcess(::OpenProcess(kRights, FALSE, id));
}

PointerWidth OwnedProcess::Width() const {
    BOOL emulated = FALSE;
    if (::IsWow64Process(handle_.get(), &emulated) && emulated) return PointerWidth::Bits32;
    if constexpr (sizeof(void*) == 8) {
        return PointerWidth::Bits64;
    } else {
        // A 32-bit process on a 64-bit system sees native processes as not emulated.
        BOOL selfEmulated = FALSE;
        ::IsWow64Process(::GetCurrentProcess(), &selfEmulated);
        return selfEmulated ? PointerWidth::Bits64 : PointerWidth::Bits32;
    }
}

RemoteAllocation RemoteAllocation::Allocate(const OwnedProcess& process, std::size_t size) {
    RemoteAllocation allocation;
    if (!process || size == 0) return allocation;
    void* address =
        ::VirtualAllocEx(process.Get(), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    allocation.memory_ = UniqueHandle<RemoteMemoryTraits>(address, {process.Get()});
    allocation.size_ = size;
    return allocation;
}

bool RemoteAllocation::Write(std::size_t offset, std::span<const std::uint8_t> bytes) const {
    if (!memory_ || offset > size_ || bytes.size() > size_ - offset) return false;
    SIZE_T written = 0;
    return ::WriteProcessMemory(Process(), static_cast<std::uint8_t*>(memory_.get()) + offset,
                                bytes.data(), bytes.size(), &written) &&
           written == bytes.size();
}

bool RemoteAllocation::Read(std::size_t offset, std::span<std::uint8_t> bytes) const {
    if (!memory_ || offset > size_ || bytes.size() > size_ - offset) return false;
    SIZE_T read = 0;
    return ::ReadProcessMemory(Process(), static_cast<const std::uint8_t*>(memory_.get()) + offset,
                               bytes.data(), bytes.size(), &read) &&
           read == bytes.size();
}

bool ReadProcessBytes(const OwnedProcess& process, std::uint64_t address,
                      std::span<std::uint8_t> bytes) {
    if (!process || address == 0 || address > std::numeric_limits<std::uintptr_t>::max() ||
        bytes.size() > std::numeric_limits<std::uintptr_t>::max() - address)
        return false;
    SIZE_T read = 0;
    return ::ReadProcessMemory(process.Get(),
                               reinterpret_cast<const void*>(static_cast<std::uintptr_t>(address)),
                               bytes.data(), bytes.size(), &read) &&
           read == bytes.size();
}

}  // namespace zelkova
