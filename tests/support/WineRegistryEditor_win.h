// Wine's own Registry Editor watched from outside, as the end-to-end tests need it: which key
// its tree has selected (its status bar shows the path) and which value its list has selected.
#pragma once

#include <windows.h>

#include <string>

namespace zelkova::testing {

// Makes sure the Windows folder's regedit.exe, the one the shell starts, is Wine's own and not
// the stand-in editor that other tests copy there for a while: a stand-in left behind is
// replaced by the copy those tests saved. Returns what is wrong, or "" when all is well.
std::string EnsureWinesOwnRegistryEditor();

// Ends every process that shows a Registry Editor window, and waits until none is left.
void CloseEveryRegistryEditor();
int CountRegistryEditorWindows();
HWND RegistryEditorWindow();
// Starts regedit.exe through the shell, as a user would, and waits for its tree to fill.
HWND StartRegistryEditor();
HWND RegistryEditorPane(HWND editor, const char* className);

// The selected key as the status bar shows it, without the leading computer name:
// "HKEY_CURRENT_USER\Software\Wine"; "" while the top item is selected.
std::string SelectedKeyPath(HWND editor);
// The name of the selected value; "" when none is, and "<n selected>" when several are.
std::string SelectedValueName(HWND editor);

// Keys made under HKEY_CURRENT_USER for a test, deleted with everything below them when this
// goes (and before it starts, should an earlier run have left them).
class ScratchRegistryTree {
public:
    explicit ScratchRegistryTree(std::string path);
    ~ScratchRegistryTree();
    ScratchRegistryTree(const ScratchRegistryTree&) = delete;
    ScratchRegistryTree& operator=(const ScratchRegistryTree&) = delete;

    const std::string& Path() const { return path_; }
    // Paths below Path(); a key's missing parents are made too.
    bool AddKey(const std::string& relative) const;
    bool AddValue(const std::string& relative, const std::string& name, const std::string& data) const;

private:
    std::string path_;
};

}  // namespace zelkova::testing
