#pragma once

#include <windows.h>

#include <string>

#include "favourites/Clipboard.h"

namespace zelkova {

// The Windows clipboard, CF_TEXT only. The owner window becomes the clipboard's owner when
// text is set (without one, the system refuses the data).
class WinClipboard final : public Clipboard {
public:
    explicit WinClipboard(HWND owner) : owner_(owner) {}

    bool HasText() const override;
    std::string GetText() override;
    void SetText(const std::string& text) override;

private:
    HWND owner_;
};

}  // namespace zelkova
