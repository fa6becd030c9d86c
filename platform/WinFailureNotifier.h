#pragma once

#include "jump/KeyResolution.h"

#include <functional>

struct HWND__;

namespace zelkova {

// The "key not found" message box, owned by the window the caller names (the application
// window), so that the program's other windows are disabled while it is open.
class WinFailureNotifier : public FailureNotifier {
public:
    explicit WinFailureNotifier(std::function<HWND__*()> owner) : owner_(std::move(owner)) {}
    void ShowKeyNotFound() override;

private:
    std::function<HWND__*()> owner_;
};

}  // namespace zelkova
