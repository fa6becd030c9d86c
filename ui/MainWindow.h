#pragma once

#include "jump/KeyResolution.h"
#include "platform/WinEditorAutomation.h"
#include "platform/WinFailureNotifier.h"
#include "platform/WinRegistry.h"

#include <windows.h>

#include "gui/Gdi.h"

#include <string>

namespace zelkova {

// The start-up skeleton of the main window: the jump field and its Jump button.
class MainWindow {
public:
    static constexpr int kClientWidth = 513;
    static constexpr int kClientHeight = 397;
    static constexpr int kJumpFieldId = 101;
    static constexpr int kJumpButtonId = 102;

    MainWindow(HINSTANCE instance, HWND applicationWindow);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow();

    HWND Handle() const { return window_; }
    void Show();
    void bOpenClick();

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    std::string JumpFieldText() const;

    HWND applicationWindow_;
    HWND window_ = nullptr;
    HWND eRegKey_ = nullptr;
    HWND bOpen_ = nullptr;
    OwnedFont font_;
    WinRegistryAccess registry_;
    WinEditorAutomation editor_;
    WinFailureNotifier notifier_;
};

}  // namespace zelkova
