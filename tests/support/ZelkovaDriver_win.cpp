#include "support/ZelkovaDriver_win.h"

#include <commctrl.h>
#include <shlobj.h>

#include <cstdint>
#include <cstring>
#include <fstream>

#include <zlib.h>

#include "gui/Gdi.h"
#include "gui/WindowEnumeration.h"

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
    if (className == nullptr) {
        HWND found = nullptr;
        ForEachChildWindow(parent, [&](HWND child) {
            if (WindowText(child) == text) found = child;
            return found == nullptr;
        });
        return found;
    }
    for (HWND child : FindDescendants(parent, className)) {
        if (WindowText(child) == text) return child;
    }
    return nullptr;
}

RECT RectIn(HWND window, HWND relativeTo) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, relativeTo, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void Settle(const ZelkovaApp& app) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(app.Main(), WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);
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

bool ChooseFromMenu(const ZelkovaApp& app, const std::function<void()>& open, char key) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        Settle(app);
        open();
        HWND menu = WaitForWindow(
            [&] {
                HWND found = FindProcessWindow(app.ProcessId(), "#32768");
                return found != nullptr && IsWindowVisible(found) ? found : nullptr;
            },
            std::chrono::seconds(2));
        if (menu == nullptr) continue;
        // A menu that the late focus news dismiss goes within moments of opening.
        Sleep(300);
        if (!IsWindowVisible(menu)) continue;
        // The menu's loop reads the whole thread's queue: a character posted anywhere picks the item.
        PostMessageA(app.Main(), WM_CHAR, static_cast<WPARAM>(key), 1);
        return WaitUntil([&] { return !IsWindowVisible(menu); });
    }
    return false;
}

bool ChooseFromContextMenu(const ZelkovaApp& app, HWND control, char key) {
    RECT rect{};
    GetWindowRect(control, &rect);
    const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    return ChooseFromMenu(
        app, [&] { PostMessageA(control, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(control), at); }, key);
}

void RightClick(HWND window, POINT client) {
    const LPARAM at = MAKELPARAM(client.x, client.y);
    PostMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, at);
    PostMessageA(window, WM_RBUTTONUP, 0, at);
}

namespace {
HWND VisibleMenu(const ZelkovaApp& app) {
    HWND found = FindProcessWindow(app.ProcessId(), "#32768");
    return found != nullptr && IsWindowVisible(found) ? found : nullptr;
}
}  // namespace

RECT OpenAndCloseMenu(const ZelkovaApp& app, const std::function<void()>& open,
                      const std::function<void()>& whileOpen) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        Settle(app);
        open();
        HWND menu = WaitForWindow([&] { return VisibleMenu(app); }, std::chrono::seconds(2));
        if (menu == nullptr) continue;
        Sleep(300);  // see ChooseFromMenu: late focus news dismiss a menu within moments
        if (!IsWindowVisible(menu)) continue;
        RECT rect{};
        GetWindowRect(menu, &rect);
        if (whileOpen) whileOpen();
        PostMessageA(app.Main(), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        WaitUntil([&] { return !IsWindowVisible(menu); });
        return rect;
    }
    return RECT{};
}

bool AnyMenuOpens(const ZelkovaApp& app, const std::function<void()>& open, std::chrono::milliseconds limit) {
    Settle(app);
    open();
    HWND menu = WaitForWindow([&] { return VisibleMenu(app); }, limit);
    if (menu == nullptr) return false;
    PostMessageA(app.Main(), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    WaitUntil([&] { return !IsWindowVisible(menu); });
    return true;
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

namespace {

void PutBigEndian32(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void PutChunk(std::string& out, const char* type, const std::string& data) {
    PutBigEndian32(out, static_cast<std::uint32_t>(data.size()));
    const std::string typed = std::string(type, 4) + data;
    out += typed;
    PutBigEndian32(out, static_cast<std::uint32_t>(
                            crc32(0, reinterpret_cast<const Bytef*>(typed.data()), static_cast<uInt>(typed.size()))));
}

// An 8-bit RGB PNG of top-down rows of 0x00RRGGBB pixels.
std::string EncodePng(const std::vector<std::uint32_t>& pixels, int width, int height) {
    std::string raw;
    raw.reserve(static_cast<std::size_t>(height) * (static_cast<std::size_t>(width) * 3 + 1));
    for (int y = 0; y < height; ++y) {
        raw.push_back('\0');  // no filter
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                           static_cast<std::size_t>(x)];
            raw.push_back(static_cast<char>((p >> 16) & 0xFF));
            raw.push_back(static_cast<char>((p >> 8) & 0xFF));
            raw.push_back(static_cast<char>(p & 0xFF));
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(packedSize, '\0');
    compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize, reinterpret_cast<const Bytef*>(raw.data()),
              static_cast<uLong>(raw.size()), 6);
    packed.resize(packedSize);

    std::string png = "\x89PNG\r\n\x1a\n";
    std::string header;
    PutBigEndian32(header, static_cast<std::uint32_t>(width));
    PutBigEndian32(header, static_cast<std::uint32_t>(height));
    header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no filter, no interlace
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", packed);
    PutChunk(png, "IEND", "");
    return png;
}

}  // namespace

bool SaveScreenshot(const std::string& name) {
    Sleep(500);  // let every window finish painting
    // The test programs live in build/<preset>/; the pictures go to build/screenshots/.
    std::string folder = ProgramFolder();
    folder = folder.substr(0, folder.find_last_of('\\', folder.size() - 2) + 1) + "screenshots";
    CreateDirectoryA(folder.c_str(), nullptr);

    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP shot = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool copied = false;
    if (shot != nullptr) {
        const OwnedMemoryDC memory(CreateCompatibleDC(screen));
        const ScopedSelectObject selected(memory.get(), shot);
        copied = BitBlt(memory.get(), 0, 0, width, height, screen, 0, 0, SRCCOPY) != FALSE;
        GdiFlush();
    }
    ReleaseDC(nullptr, screen);
    if (!copied) {
        if (shot != nullptr) DeleteObject(shot);
        return false;
    }
    const auto* first = static_cast<const std::uint32_t*>(bits);
    const std::vector<std::uint32_t> pixels(first, first + static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    DeleteObject(shot);
    std::ofstream out(folder + "\\" + name + ".png", std::ios::binary | std::ios::trunc);
    out << EncodePng(pixels, width, height);
    return bool(out.flush());
}

}  // namespace zelkova::testing
