#include "support/WineRegistryEditor_win.h"

#include "support/WinProcess_win.h"

#include <commctrl.h>
#include <shellapi.h>

#include "support/ZelkovaDriver_win.h"

#include <utility>
#include <vector>

namespace zelkova::testing {
namespace {

constexpr const char* kEditorClass = "RegEdit_RegEdit";

std::string WindowsFolderRegedit() {
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    return std::string(windows) + "\\regedit.exe";
}

class OpenedKey {
public:
    explicit OpenedKey(const std::string& path) {
        if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                            nullptr) != ERROR_SUCCESS)
            key_ = nullptr;
    }
    ~OpenedKey() {
        if (key_) RegCloseKey(key_);
    }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

}  // namespace

std::string EnsureWinesOwnRegistryEditor() {
    const std::string installed = WindowsFolderRegedit();
    const std::string saved = installed + ".zelkova-saved";
    const std::string standIn = ReadWholeFile(ProgramFolder() + "fake_regedit.exe");
    if (ReadWholeFile(installed) == standIn) {
        if (GetFileAttributesA(saved.c_str()) == INVALID_FILE_ATTRIBUTES)
            return "the stand-in editor is in place of regedit.exe and no saved copy is left";
        if (!CopyFileA(saved.c_str(), installed.c_str(), FALSE)) return "cannot put regedit.exe back";
        DeleteFileA(saved.c_str());
    }
    const std::string now = ReadWholeFile(installed);
    if (now.empty()) return "no regedit.exe in the Windows folder";
    if (now == standIn) return "regedit.exe is still the stand-in";
    return "";
}

HWND RegistryEditorWindow() { return FindWindowA(kEditorClass, nullptr); }

int CountRegistryEditorWindows() {
    int count = 0;
    for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, kEditorClass, nullptr)) != nullptr;) ++count;
    return count;
}

void CloseEveryRegistryEditor() {
    for (int attempt = 0; attempt < 20; ++attempt) {
        HWND editor = RegistryEditorWindow();
        if (!editor) return;
        DWORD id = 0;
        GetWindowThreadProcessId(editor, &id);
        if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
            TerminateProcess(process, 0);
            WaitForSingleObject(process, 5000);
            CloseHandle(process);
        }
        WaitUntil([&] { return !IsWindow(editor); }, std::chrono::seconds(5));
    }
}

HWND RegistryEditorPane(HWND editor, const char* className) {
    const std::vector<HWND> panes = FindDescendants(editor, className);
    return panes.empty() ? nullptr : panes.front();
}

HWND StartRegistryEditor() {
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.lpVerb = "open";
    info.lpFile = "regedit.exe";
    info.nShow = SW_SHOWNORMAL;
    ShellExecuteExA(&info);
    HWND editor = WaitForWindow([] { return RegistryEditorWindow(); });
    if (!editor) return nullptr;
    const bool filled = WaitUntil([&] {
        HWND tree = RegistryEditorPane(editor, "SysTreeView32");
        const LRESULT top = tree ? SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0) : 0;
        return top && SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, top);
    });
    return filled ? editor : nullptr;
}

std::string SelectedKeyPath(HWND editor) {
    const std::string status = WindowText(FindWindowExA(editor, nullptr, "msctls_statusbar32", nullptr));
    const std::size_t slash = status.find('\\');
    return slash == std::string::npos ? "" : status.substr(slash + 1);
}

std::string SelectedValueName(HWND editor) {
    HWND list = RegistryEditorPane(editor, "SysListView32");
    if (!list) return "<no list>";
    const LRESULT selected = SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0);
    if (selected == 0) return "";
    if (selected > 1) return '<' + std::to_string(selected) + " selected>";
    const RemoteListView view(list);
    return view.Text(view.Selected(), 0);
}

ScratchRegistryTree::ScratchRegistryTree(std::string path) : path_(std::move(path)) {
    RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    AddKey("");
}

ScratchRegistryTree::~ScratchRegistryTree() {
    RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, path_.c_str());
}

bool ScratchRegistryTree::AddKey(const std::string& relative) const {
    return OpenedKey(relative.empty() ? path_ : path_ + "\\" + relative).Get() != nullptr;
}

bool ScratchRegistryTree::AddValue(const std::string& relative, const std::string& name,
                                   const std::string& data) const {
    const OpenedKey key(relative.empty() ? path_ : path_ + "\\" + relative);
    return key.Get() && RegSetValueExA(key.Get(), name.c_str(), 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(data.c_str()),
                                       static_cast<DWORD>(data.size() + 1)) == ERROR_SUCCESS;
}

}  // namespace zelkova::testing
