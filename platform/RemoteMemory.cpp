#include "platform/RemoteMemory.h"

#include <limits>
#include <utility>

namespace zelkova {

OwnedProcess OwnedProcess::OfWindow(HWND window) {
    DWORD id = 0;
    if (!::GetWindowThreadProcessId(window, &id) || id == 0) return {};
    constexpr DWORD kRights =
        PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_LIMITED_INFORMATION;
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
    allocation.address_ = ::VirtualAllocEx(process.Get(), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (allocation.address_) {
        allocation.process_ = process.Get();
        allocation.size_ = size;
    }
    return allocation;
}

RemoteAllocation::RemoteAllocation(RemoteAllocation&& other) noexcept
    : process_(std::exchange(other.process_, nullptr)),
      address_(std::exchange(other.address_, nullptr)),
      size_(std::exchange(other.size_, 0)) {}

RemoteAllocation& RemoteAllocation::operator=(RemoteAllocation&& other) noexcept {
    if (this != &other) {
        Release();
        process_ = std::exchange(other.process_, nullptr);
        address_ = std::exchange(other.address_, nullptr);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

RemoteAllocation::~RemoteAllocation() { Release(); }

void RemoteAllocation::Release() {
    if (address_) ::VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    address_ = nullptr;
    size_ = 0;
}

bool RemoteAllocation::Write(std::size_t offset, std::span<const std::uint8_t> bytes) const {
    if (!address_ || offset > size_ || bytes.size() > size_ - offset) return false;
    SIZE_T written = 0;
    return ::WriteProcessMemory(process_, static_cast<std::uint8_t*>(address_) + offset, bytes.data(), bytes.size(),
                                &written) &&
           written == bytes.size();
}

bool RemoteAllocation::Read(std::size_t offset, std::span<std::uint8_t> bytes) const {
    if (!address_ || offset > size_ || bytes.size() > size_ - offset) return false;
    SIZE_T read = 0;
    return ::ReadProcessMemory(process_, static_cast<const std::uint8_t*>(address_) + offset, bytes.data(),
                               bytes.size(), &read) &&
           read == bytes.size();
}

bool ReadProcessBytes(const OwnedProcess& process, std::uint64_t address, std::span<std::uint8_t> bytes) {
    if (!process || address == 0 || address > std::numeric_limits<std::uintptr_t>::max() ||
        bytes.size() > std::numeric_limits<std::uintptr_t>::max() - address)
        return false;
    SIZE_T read = 0;
    return ::ReadProcessMemory(process.Get(), reinterpret_cast<const void*>(static_cast<std::uintptr_t>(address)),
                               bytes.data(), bytes.size(), &read) &&
           read == bytes.size();
}

}  // namespace zelkova
