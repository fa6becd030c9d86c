#include "ui/MainWindow.h"

#include "ui/Product.h"

#include <exception>

namespace zelkova {
namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// "MS Sans Serif" with an 11-pixel character height, as every window of ours uses.
OwnedFont MakeDialogFont() {
    return OwnedFont(CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif"));
}

void RegisterMainClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(instance, kMainWindowClass, &existing)) return;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.hIcon = LoadIconA(instance, "MAINICON");
    wc.lpszClassName = kMainWindowClass;
    RegisterClassExA(&wc);
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, HWND applicationWindow)
    : applicationWindow_(applicationWindow),
      font_(MakeDialogFont()),
      notifier_([applicationWindow] { return applicationWindow; }) {
    RegisterMainClass(instance, &MainWindow::WindowProc);
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRect(&frame, kStyle, FALSE);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    CreateWindowExA(0, kMainWindowClass, kAppTitle, kStyle, left, top, width, height, applicationWindow,
                    nullptr, instance, this);
    CreateControls();
}

MainWindow::~MainWindow() {
    if (window_) DestroyWindow(window_);
}

void MainWindow::CreateControls() {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window_, GWLP_HINSTANCE));
    HWND group = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 8, 53, 496, 53, window_,
                                 nullptr, instance, nullptr);
    eRegKey_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                               8 + 8, 53 + 18, 394, 21, window_, reinterpret_cast<HMENU>(kJumpFieldId), instance,
                               nullptr);
    bOpen_ = CreateWindowExA(0, "BUTTON", "&Jump", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 8 + 413,
                             53 + 16, 72, 27, window_, reinterpret_cast<HMENU>(kJumpButtonId), instance, nullptr);
    for (HWND control : {group, eRegKey_, bOpen_})
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
}

void MainWindow::Show() {
    ShowWindow(window_, SW_SHOW);
    SetFocus(eRegKey_);
}

std::string MainWindow::JumpFieldText() const {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(eRegKey_)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(eRegKey_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void MainWindow::bOpenClick() { ResolveKeyText(JumpFieldText(), {registry_, editor_, notifier_}); }

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    try {
        return self->Handle(message, wParam, lParam);
    } catch (const std::exception& error) {
        MessageBoxA(self->applicationWindow_, error.what(), kAppTitle, MB_OK | MB_ICONERROR);
    } catch (...) {
        MessageBoxA(self->applicationWindow_, "Unexpected error.", kAppTitle, MB_OK | MB_ICONERROR);
    }
    return 0;
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == kJumpButtonId && HIWORD(wParam) == BN_CLICKED) {
                bOpenClick();
                return 0;
            }
            break;
        case WM_CLOSE:
            PostQuitMessage(0);
            break;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

}  // namespace zelkova
