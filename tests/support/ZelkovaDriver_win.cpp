#include "support/ZelkovaDriver_win.h"

#include <commctrl.h>
#include <shlobj.h>

#include <cstring>
#include <fstream>

namespace zelkova::testing {

std::string SettingsFolder() {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path);
    return std::string(path) + "\\Velund\\Zelkova\\";
}

std::string SettingsPath() { return SettingsFolder() + "options.ini"; }

void WriteSettings(const std::string& content) {
    RemoveSettings();
    const std::string folder = SettingsFolder();
    for (std::size_t at = folder.find('\\', 3); at != std::string::npos; at = folder.find('\\', at + 1)) {
        CreateDirectoryA(folder.substr(0, at).c_str(), nullptr);
    }
    std::ofstream(SettingsPath(), std::ios::binary) << content;
}

void RemoveSettings() {
    const std::string path = SettingsPath();
    if (!DeleteFileA(path.c_str())) RemoveDirectoryA(path.c_str());
}

std::string ReadSetting(const char* section, const char* key) {
    char value[2048] = {};
    GetPrivateProfileStringA(section, key, "<missing>", value, sizeof value, SettingsPath().c_str());
    return value;
}

HWND FindControl(HWND parent, const char* className, const std::string& text) {
    for (HWND child : FindDescendants(parent, className != nullptr ? className : "")) {
        if (WindowText(child) == text) return child;
    }
    if (className == nullptr) {
        struct Search {
            const std::string* text;
            HWND found;
        } search{&text, nullptr};
        EnumChildWindows(
            parent,
            [](HWND child, LPARAM data) -> BOOL {
                auto* s = reinterpret_cast<Search*>(data);
                if (WindowText(child) != *s->text) return TRUE;
                s->found = child;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    return nullptr;
}

RECT RectIn(HWND window, HWND relativeTo) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, relativeTo, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

bool CloseAndWaitForExit(const ZelkovaApp& app, DWORD milliseconds) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, app.ProcessId());
    if (process == nullptr) return true;
    PostMessageA(app.Main(), WM_CLOSE, 0, 0);
    const bool ended = WaitForSingleObject(process, milliseconds) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
}

bool ProcessRunning(const ZelkovaApp& app) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, app.ProcessId());
    if (process == nullptr) return false;
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
}

HWND ApplicationWindow(const ZelkovaApp& app) { return FindProcessWindow(app.ProcessId(), "TApplication"); }

namespace {
constexpr SIZE_T kRemoteSize = 4096;
constexpr SIZE_T kTextOffset = 512;
}  // namespace

RemoteListView::RemoteListView(HWND list) : list_(list) {
    DWORD id = 0;
    GetWindowThreadProcessId(list, &id);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
    if (process_ != nullptr) {
        remote_ = static_cast<char*>(
            VirtualAllocEx(process_, nullptr, kRemoteSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    }
}

RemoteListView::~RemoteListView() {
    if (remote_ != nullptr) VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
    if (process_ != nullptr) CloseHandle(process_);
}

int RemoteListView::Count() const { return static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0)); }

int RemoteListView::Selected() const {
    return static_cast<int>(SendMessageA(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

std::string RemoteListView::Text(int row, int column) const {
    if (remote_ == nullptr) return "<no access>";
    LVITEMA item{};
    item.iSubItem = column;
    item.cchTextMax = static_cast<int>(kRemoteSize - kTextOffset);
    item.pszText = remote_ + kTextOffset;
    WriteProcessMemory(process_, remote_, &item, sizeof item, nullptr);
    SendMessageA(list_, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote_));
    char text[kRemoteSize - kTextOffset] = {};
    ReadProcessMemory(process_, remote_ + kTextOffset, text, sizeof text - 1, nullptr);
    return text;
}

std::vector<std::pair<std::string, std::string>> RemoteListView::Rows() const {
    std::vector<std::pair<std::string, std::string>> rows;
    for (int row = 0; row < Count(); ++row) rows.emplace_back(Text(row, 0), Text(row, 1));
    return rows;
}

void RemoteListView::Select(int row) const {
    if (remote_ == nullptr) return;
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = row >= 0 ? LVIS_SELECTED | LVIS_FOCUSED : 0;
    WriteProcessMemory(process_, remote_, &item, sizeof item, nullptr);
    SendMessageA(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote_));
}

RECT RemoteListView::ItemRect(int row) const {
    RECT rect{LVIR_BOUNDS, 0, 0, 0};
    if (remote_ == nullptr) return RECT{};
    WriteProcessMemory(process_, remote_, &rect, sizeof rect, nullptr);
    SendMessageA(list_, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote_));
    ReadProcessMemory(process_, remote_, &rect, sizeof rect, nullptr);
    return rect;
}

bool ChooseFromContextMenu(const ZelkovaApp& app, HWND control, char key) {
    RECT rect{};
    GetWindowRect(control, &rect);
    const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    PostMessageA(control, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(control), at);
    HWND menu = WaitForWindow([&] {
        HWND found = FindProcessWindow(app.ProcessId(), "#32768");
        return found != nullptr && IsWindowVisible(found) ? found : nullptr;
    });
    if (menu == nullptr) return false;
    // The menu's loop reads the whole thread's queue: a character posted anywhere picks the item.
    PostMessageA(control, WM_CHAR, static_cast<WPARAM>(key), 1);
    return WaitUntil([&] { return !IsWindowVisible(menu); });
}

void SetClipboardText(const std::string& text) {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (memory != nullptr) {
        std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
        GlobalUnlock(memory);
        if (!SetClipboardData(CF_TEXT, memory)) GlobalFree(memory);
    }
    CloseClipboard();
}

std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return "<cannot open>";
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* chars = static_cast<const char*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

bool SaveScreenshot(const std::string& name) {
    Sleep(1000);  // let every window reach the display and finish painting
    // The test programs live in build/<preset>/; the pictures go to build/screenshots/.
    std::string folder = ProgramFolder();
    folder = folder.substr(0, folder.find_last_of('\\', folder.size() - 2) + 1) + "screenshots";
    CreateDirectoryA(folder.c_str(), nullptr);
    // ImageMagick is a Unix program: Wine starts it by its path on the drive that maps the root,
    // and it wants the picture's Unix path.
    using GetUnixName = char*(CDECL*)(LPCWSTR);
    const FARPROC found = GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name");
    if (found == nullptr) return false;
    const auto toUnix = reinterpret_cast<GetUnixName>(reinterpret_cast<void (*)()>(found));
    wchar_t wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, (folder + "\\" + name + ".png").c_str(), -1, wide, MAX_PATH);
    char* unixPath = toUnix(wide);
    if (unixPath == nullptr) return false;
    const std::string command = std::string("Z:\\usr\\bin\\import -window root \"") + unixPath + "\"";
    HeapFree(GetProcessHeap(), 0, unixPath);
    const std::string picture = folder + "\\" + name + ".png";
    DeleteFileA(picture.c_str());
    // Wine hands a Unix program over to the system and does not wait for it: the picture is
    // done when its file stops growing.
    ChildProcess import = ChildProcess::Start(command);
    if (!import) return false;
    LONGLONG lastSize = -1;
    return WaitUntil(
        [&] {
            WIN32_FILE_ATTRIBUTE_DATA data{};
            if (!GetFileAttributesExA(picture.c_str(), GetFileExInfoStandard, &data)) return false;
            const LONGLONG size = (LONGLONG(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
            const bool settled = size > 0 && size == lastSize;
            lastSize = size;
            Sleep(150);
            return settled;
        },
        std::chrono::seconds(20));
}

}  // namespace zelkova::testing
