#include "support/ZelkovaApp_win.h"

#include <vector>

#include "gui/WindowEnumeration.h"

namespace zelkova::testing {

std::vector<HWND> FindDescendants(HWND parent, const char* className) {
    std::vector<HWND> found;
    ForEachChildWindow(parent, [&](HWND child) {
        if (lstrcmpiA(ClassName(child).c_str(), className) == 0) found.push_back(child);
        return true;
    });
    return found;
}

ZelkovaApp::ZelkovaApp() {
    process_ = ChildProcess::Start(ProgramCommandLine("Zelkova.exe"));
    if (!process_) return;
    main_ = WaitForWindow([&] {
        HWND w = FindProcessWindow(process_.Id(), "Free Zelkova Made by Velund Software");
        return w && IsWindowVisible(w) ? w : nullptr;
    });
}

HWND ZelkovaApp::JumpField() const {
    const std::vector<HWND> edits = FindDescendants(main_, "Edit");
    return edits.empty() ? nullptr : edits.front();
}

// The Jump button that stands beside the jump field (the list has a Jump button too).
HWND ZelkovaApp::JumpButton() const {
    HWND field = JumpField();
    if (!field) return nullptr;
    for (HWND child = GetWindow(GetParent(field), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (WindowText(child) == "&Jump") return child;
    return nullptr;
}

void ZelkovaApp::SetJumpText(const std::string& text) const {
    SendMessageA(JumpField(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ZelkovaApp::Click(HWND control) {
    RECT r{};
    GetClientRect(control, &r);
    const LPARAM centre = MAKELPARAM((r.right - r.left) / 2, (r.bottom - r.top) / 2);
    PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    PostMessageA(control, WM_LBUTTONUP, 0, centre);
}

HWND ZelkovaApp::WaitForMessageBox(std::chrono::milliseconds limit) const {
    return WaitForWindow([&] { return FindProcessWindow(process_.Id(), "#32770", "Free Zelkova"); }, limit);
}

std::string ZelkovaApp::MessageBoxText(HWND box) {
    std::string text;
    for (HWND label : FindDescendants(box, "Static")) text += WindowText(label);
    return text;
}

void ZelkovaApp::CloseMessageBox(HWND box) {
    SendMessageA(box, WM_COMMAND, IDOK, 0);
    WaitUntil([&] { return !IsWindow(box); });
}

}  // namespace zelkova::testing
