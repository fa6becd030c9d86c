#include "platform/WinClipboard.h"

#include <cstring>
#include <stdexcept>

#include "base/ErrorText.h"
#include "base/UniqueHandle.h"

namespace zelkova {

namespace {

// Open for the lifetime of the object; raises the user-facing error when another window holds
// the clipboard.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) {
        if (!OpenClipboard(owner)) throw std::runtime_error("Cannot open clipboard");
    }
    ~OpenedClipboard() { CloseClipboard(); }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
};

class LockedGlobal {
public:
    explicit LockedGlobal(HGLOBAL memory)
        : memory_(memory), bytes_(static_cast<char*>(GlobalLock(memory))) {}
    ~LockedGlobal() {
        if (bytes_ != nullptr) GlobalUnlock(memory_);
    }
    LockedGlobal(const LockedGlobal&) = delete;
    LockedGlobal& operator=(const LockedGlobal&) = delete;

    char* Bytes() const { return bytes_; }
    size_t Size() const { return bytes_ != nullptr ? GlobalSize(memory_) : 0; }

private:
    HGLOBAL memory_;
    char* bytes_;
};

struct GlobalMemoryTraits {
    using Handle = HGLOBAL;
    static void Close(HGLOBAL memory) noexcept { GlobalFree(memory); }
};

}  // namespace

bool WinClipboard::HasText() const { return IsClipboardFormatAvailable(CF_TEXT) != FALSE; }

std::string WinClipboard::GetText() {
    const OpenedClipboard opened(owner_);
    const HANDLE data = GetClipboardData(CF_TEXT);
    if (data == nullptr) return {};
    const LockedGlobal text(data);
    if (text.Bytes() == nullptr) return {};
    // Another program put the data there: stop at its size even if it lacks the terminating
    // zero.
    return std::string(text.Bytes(), strnlen(text.Bytes(), text.Size()));
}

void WinClipboard::SetText(const std::string& text) {
    const OpenedClipboard opened(owner_);
    UniqueHandle<GlobalMemoryTraits> memory(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
    if (!memory)
        throw std::runtime_error(
            WithErrorCode("Not enough memory for the clipboard", GetLastError()));
    {
        const LockedGlobal locked(memory.get());
        if (locked.Bytes() == nullptr)
            throw std::runtime_error(
                WithErrorCode("Not enough memory for the clipboard", GetLastError()));
        std::memcpy(locked.Bytes(), text.c_str(), text.size() + 1);
    }
    EmptyClipboard();
    // On success the clipboard owns the memory.
    if (SetClipboardData(CF_TEXT, memory.get()) == nullptr)
        throw std::runtime_error(WithErrorCode("Cannot put text on the clipboard", GetLastError()));
    static_cast<void>(memory.release());
}

}  // namespace zelkova
