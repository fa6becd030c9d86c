// A stand-in for the Registry Editor: a top-level window of the editor's class with a tree
// pane and a list pane as direct children. Every message the panes are sent, and every show
// request of the top window, is appended as one line to the file named by the environment
// variable ZELKOVA_FAKE_EDITOR_LOG, so that a test can read exactly what a jump sent.
//
// Options, for the tests of an editor that stops answering:
//   --nested          the panes sit one level down, inside a "REGEDIT" child, as in Wine's editor
//   --freeze-in-pane  the thread stops for good inside the first keystroke or tree-view or
//                     list-view message a pane gets, without answering it
// A posted WM_APP to the top window stops the thread too, before any jump comes.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

HANDLE g_log = INVALID_HANDLE_VALUE;
bool g_freezeInPane = false;

void Log(const std::string& line) {
    if (g_log == INVALID_HANDLE_VALUE) return;
    const std::string text = line + "\n";
    DWORD written = 0;
    WriteFile(g_log, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

std::string Hex(unsigned long long v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%llx", v);
    return buffer;
}

// Stops this thread for good: no message is handled, sent or posted, until the test ends the
// process. The log says so first, so that a test knows the stop came where it meant it to.
[[noreturn]] void Freeze(const std::string& where) {
    Log("frozen " + where);
    for (;;) Sleep(INFINITE);
}

// Tree-view and list-view messages (LVM_FIRST 0x1000 up to the last of TV_FIRST's range).
bool IsPaneControlMessage(UINT message) { return message >= 0x1000 && message < 0x1200; }

// The window procedures build log lines; a stand-in out of memory ends at once rather than
// unwinding through the system's frames.
LRESULT CALLBACK PaneProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    const char* pane = reinterpret_cast<const char*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    const bool keystroke = message == WM_KEYDOWN || message == WM_CHAR || message == WM_KEYUP;
    if (pane && (keystroke || IsPaneControlMessage(message))) {
        std::string line = std::string(pane) + (message == WM_KEYDOWN ? " key "
                                                : message == WM_CHAR  ? " char "
                                                : message == WM_KEYUP ? " keyup "
                                                                      : " msg " + Hex(message) + " ");
        line += Hex(wParam);
        if (lParam != 0 && keystroke) line += " lParam " + Hex(static_cast<unsigned long long>(lParam));
        Log(line);
        if (g_freezeInPane) Freeze("in " + line);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK EditorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
        case WM_SHOWWINDOW:
            if (wParam) Log("show");
            break;
        case WM_SIZE:
            if (wParam == SIZE_RESTORED) Log("restored");
            break;
        case WM_APP:
            Freeze("on request");
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND MakePane(HWND parent, const char* className, const char* name, int top) {
    HWND pane = CreateWindowExA(0, className, name, WS_CHILD | WS_VISIBLE | WS_BORDER, 0, top, 300, 100, parent,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(pane, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(name));
    return pane;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    char path[MAX_PATH] = {};
    if (GetEnvironmentVariableA("ZELKOVA_FAKE_EDITOR_LOG", path, MAX_PATH) > 0)
        g_log = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    Log("started " + std::to_string(GetCurrentProcessId()));
    const bool nested = std::strstr(GetCommandLineA(), "--nested") != nullptr;
    g_freezeInPane = std::strstr(GetCommandLineA(), "--freeze-in-pane") != nullptr;

    WNDCLASSA pane{};
    pane.lpfnWndProc = PaneProc;
    pane.hInstance = instance;
    for (const char* name : {"SysTreeView32", "SysListView32", "REGEDIT"}) {
        pane.lpszClassName = name;
        RegisterClassA(&pane);
    }
    WNDCLASSA top{};
    top.lpfnWndProc = EditorProc;
    top.hInstance = instance;
    top.lpszClassName = "RegEdit_RegEdit";
    RegisterClassA(&top);

    HWND editor = CreateWindowExA(0, "RegEdit_RegEdit", "Stand-in Registry Editor", WS_OVERLAPPEDWINDOW, 40, 40,
                                  320, 260, nullptr, nullptr, instance, nullptr);
    HWND panesParent = editor;
    if (nested)
        panesParent = CreateWindowExA(0, "REGEDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 300, 220, editor, nullptr,
                                      instance, nullptr);
    MakePane(panesParent, "SysTreeView32", "tree", 0);
    MakePane(panesParent, "SysListView32", "list", 110);
    ShowWindow(editor, show);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (g_log != INVALID_HANDLE_VALUE) CloseHandle(g_log);
    return 0;
}
