#include "support/DesktopInput_win.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "support/WinProcess_win.h"
#include "support/ZelkovaApp_win.h"

namespace zelkova::testing {

namespace {
constexpr char kTool[] = "/usr/bin/xdotool";
constexpr char kTrayWindowClass[] = "__winex11_standalone_tray";
constexpr char kTrayIconClass[] = "__winex11_tray_icon";
}  // namespace

std::vector<HWND> VisibleTrayIcons() {
    std::vector<HWND> icons;
    HWND tray = FindWindowA(kTrayWindowClass, nullptr);
    if (tray == nullptr || !IsWindowVisible(tray)) return icons;
    for (HWND icon : FindDescendants(tray, kTrayIconClass))
        if (IsWindowVisible(icon)) icons.push_back(icon);
    return icons;
}

bool DesktopInputAvailable() {
    static const bool available = GetFileAttributesA("Z:\\usr\\bin\\xdotool") != INVALID_FILE_ATTRIBUTES &&
                                  RunDesktopTool("version");
    return available;
}

namespace {

std::string WindowsPathOf(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

// Wine starts a Unix program without a process handle to wait on, so a shell around the tool
// writes its exit status to a file, which is waited for instead; its output goes to a file too.
bool RunTool(const std::string& arguments, std::string* output) {
    static int runs = 0;
    const std::string base = "/tmp/zelkova-desktop-input-" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(++runs);
    const std::string status = base + ".status", out = base + ".out";
    DeleteFileA(WindowsPathOf(status).c_str());
    std::string line = "/bin/sh -c \"" + std::string(kTool) + " " + arguments + " >" + out +
                       " 2>/dev/null; echo $? >" + status + "\"";
    std::vector<char> mutableLine(line.begin(), line.end());
    mutableLine.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return false;
    if (info.hThread != nullptr) CloseHandle(info.hThread);
    if (info.hProcess != nullptr) CloseHandle(info.hProcess);
    std::string code;
    WaitUntil([&] {
        code = ReadWholeFile(WindowsPathOf(status));
        return !code.empty() && code.back() == '\n';
    });
    if (output != nullptr) *output = ReadWholeFile(WindowsPathOf(out));
    DeleteFileA(WindowsPathOf(status).c_str());
    DeleteFileA(WindowsPathOf(out).c_str());
    return code == "0\n";
}

}  // namespace

bool RunDesktopTool(const std::string& arguments) { return RunTool(arguments, nullptr); }

unsigned long FocusedXWindow() {
    std::string id;
    if (!RunTool("getwindowfocus", &id)) return 0;
    return std::strtoul(id.c_str(), nullptr, 10);
}

bool ClickAt(POINT screen, int button) {
    // A pause on arrival, as a hand makes: the press must not come with the move.
    return RunDesktopTool("mousemove " + std::to_string(screen.x) + " " + std::to_string(screen.y) +
                          " sleep 0.2 click " + std::to_string(button));
}

bool ClickOn(HWND window, int button) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return ClickAt(POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}, button);
}

bool PressKeys(const std::string& keys) { return RunDesktopTool("key --delay 60 " + keys); }

// Quoted for the shell: the texts of the tests hold no quote of their own.
bool TypeText(const std::string& text) { return RunDesktopTool("type --delay 40 '" + text + "'"); }

unsigned long XWindowOf(HWND window) {
    return static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(GetPropA(window, "__wine_x11_whole_window")));
}

bool MinimiseThroughWindowManager(HWND window) {
    return WaitUntil([&] {
        return IconifyThroughWindowManager(window) &&
               WaitUntil([&] { return IsIconic(window) != FALSE; }, std::chrono::seconds(1));
    });
}

bool IconifyThroughWindowManager(HWND window) {
    const unsigned long x = XWindowOf(window);
    if (x == 0) return false;
    char id[32];
    std::snprintf(id, sizeof id, "0x%lx", x);
    return RunDesktopTool(std::string("windowminimize ") + id);
}

}  // namespace zelkova::testing
