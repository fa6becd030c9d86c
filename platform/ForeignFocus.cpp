#include "platform/ForeignFocus.h"

#include "platform/KernelHandle.h"

namespace zelkova {
namespace {

// Another thread's window takes the keyboard focus only from a thread that shares its input
// state for the moment.
class SharedInput {
public:
    explicit SharedInput(HWND window)
        : self_(::GetCurrentThreadId()), other_(::GetWindowThreadProcessId(window, nullptr)) {
        attached_ = other_ != 0 && other_ != self_ && ::AttachThreadInput(self_, other_, TRUE);
    }
    ~SharedInput() {
        if (attached_) ::AttachThreadInput(self_, other_, FALSE);
    }
    SharedInput(const SharedInput&) = delete;
    SharedInput& operator=(const SharedInput&) = delete;

private:
    DWORD self_, other_;
    bool attached_ = false;
};

// The waiting is done by a thread of its own. Left behind by a window that stopped answering,
// it ends once that window's thread answers or goes away; it owns nothing of ours meanwhile.
DWORD WINAPI SetFocusFromSharedInput(void* window) noexcept {
    MSG message;
    ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);  // input can be shared only with a queue
    const SharedInput input(static_cast<HWND>(window));
    ::SetFocus(static_cast<HWND>(window));
    return 0;
}

// The focus change sends messages to our own windows too (the activation leaves them), so
// messages sent to this thread are handled while it waits, as SendMessage handles them.
bool WaitHandlingSentMessages(HANDLE thread, DWORD limitMs) {
    const ULONGLONG end = ::GetTickCount64() + limitMs;
    for (;;) {
        const ULONGLONG now = ::GetTickCount64();
        if (now >= end) return false;
        const DWORD woken = ::MsgWaitForMultipleObjects(
            1, &thread, FALSE, static_cast<DWORD>(end - now), QS_SENDMESSAGE);
        if (woken == WAIT_OBJECT_0) return true;
        if (woken != WAIT_OBJECT_0 + 1) return false;
        MSG message;
        ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

}  // namespace

bool FocusOtherThreadsWindow(HWND window, DWORD limitMs) {
    const OwnedKernelHandle thread(
        ::CreateThread(nullptr, 0, SetFocusFromSharedInput, window, 0, nullptr));
    return thread && WaitHandlingSentMessages(thread.get(), limitMs);
}

}  // namespace zelkova
