// What the end-to-end tests need beyond starting Zelkova.exe: its settings file, its controls
// found by class and caption, its list view read across the process boundary, the clipboard,
// the context menus, and pictures of the screen.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "support/ZelkovaApp_win.h"

namespace zelkova::testing {

// The per-user settings file: %APPDATA%\Velund\Zelkova\options.ini.
std::string SettingsFolder();
std::string SettingsPath();
// Writes the file whole (making the folders); removes it, or a folder in its place.
void WriteSettings(const std::string& content);
void RemoveSettings();
std::string ReadSetting(const char* section, const char* key);

// The first descendant of `parent` with that class (any, when null) and exact window text.
HWND FindControl(HWND parent, const char* className, const std::string& text);
// The window's rectangle relative to `relativeTo`'s client area.
RECT RectIn(HWND window, HWND relativeTo);
// Returns once the program's window thread is back in its message loop: whatever the last
// input started there (a command, a modal dialog's aftermath) has run to its end.
void Settle(const ZelkovaApp& app);
// The window with the keyboard focus in the thread that owns `window`.
HWND FocusOf(HWND window);

// Asks the main window to close (as its close box does) and waits for the process to end.
bool CloseAndWaitForExit(const ZelkovaApp& app, DWORD milliseconds = 10000);
bool ProcessRunning(const ZelkovaApp& app);
// The application's hidden application window.
HWND ApplicationWindow(const ZelkovaApp& app);

// A list view of another process, read through memory lent in that process.
class RemoteListView {
public:
    explicit RemoteListView(HWND list);
    ~RemoteListView();
    RemoteListView(const RemoteListView&) = delete;
    RemoteListView& operator=(const RemoteListView&) = delete;

    int Count() const;
    int Selected() const;
    std::string Text(int row, int column) const;
    std::vector<std::pair<std::string, std::string>> Rows() const;
    // Selects one row (or none, with -1), as a click would.
    void Select(int row) const;
    RECT ItemRect(int row) const;

private:
    HWND list_;
    HANDLE process_ = nullptr;
    char* remote_ = nullptr;
};

// Opens a pop-up menu of the program with `open` and chooses the item whose mnemonic is `key`.
// Under Wine a menu can be dismissed as it opens, by focus news from the X server that arrive
// late: when no menu stays open, the opening is tried again (a dismissed menu chose nothing).
bool ChooseFromMenu(const ZelkovaApp& app, const std::function<void()>& open, char key);
// Opens a control's context menu and chooses the item whose mnemonic is `key`.
bool ChooseFromContextMenu(const ZelkovaApp& app, HWND control, char key);

// A right button press and release at a point of a window's client area, as the mouse gives them.
void RightClick(HWND window, POINT client);
// Opens a pop-up menu of the program with `open`; once one stays open, runs `whileOpen`, closes
// the menu with Escape and returns where it stood on the screen. An empty rectangle when no menu
// stayed open (a menu dismissed as it opens is tried again, as ChooseFromMenu does).
RECT OpenAndCloseMenu(const ZelkovaApp& app, const std::function<void()>& open,
                      const std::function<void()>& whileOpen = {});
// Whether any pop-up menu of the program shows within the time after `open`.
bool AnyMenuOpens(const ZelkovaApp& app, const std::function<void()>& open,
                  std::chrono::milliseconds limit = std::chrono::milliseconds(1000));

void SetClipboardText(const std::string& text);
std::string ClipboardText();

// Writes a picture of the whole screen as a PNG under build/screenshots; false when the screen
// cannot be read.
bool SaveScreenshot(const std::string& name);

}  // namespace zelkova::testing
