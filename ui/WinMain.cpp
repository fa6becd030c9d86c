#include "ui/MainWindow.h"
#include "ui/Product.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

namespace {

// The hidden window that owns every other window and carries the taskbar button.
HWND CreateApplicationWindow(HINSTANCE instance) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, "MAINICON");
    wc.lpszClassName = "TZelkovaApplication";
    RegisterClassExA(&wc);
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2, y = GetSystemMetrics(SM_CYSCREEN) / 2;
    return CreateWindowExA(0, wc.lpszClassName, zelkova::kAppTitle,
                           WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, x, y, 0, 0,
                           nullptr, nullptr, instance, nullptr);
}

struct ComScope {
    ComScope() { CoInitialize(nullptr); }
    ~ComScope() { CoUninitialize(); }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    ComScope com;
    HWND application = CreateApplicationWindow(instance);
    int exitCode = 0;
    {
        zelkova::MainWindow main(instance, application);
        main.Show();
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            if (IsDialogMessageA(main.Handle(), &message)) continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        exitCode = static_cast<int>(message.wParam);
    }
    DestroyWindow(application);
    return exitCode;
}
