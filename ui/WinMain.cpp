// The process: the application object with its hidden application window, COM for the user
// interface thread, the title, the main window, and the message loop that shows it.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "favourites/Global.h"
#include "favourites/PortableProfileFile.h"
#include "gui/Application.h"
#include "platform/WinClipboard.h"
#include "platform/WinEditorAutomation.h"
#include "platform/WinProfileFile.h"
#include "platform/WinProfileFileStore.h"
#include "platform/WinRegistry.h"
#include "platform/WinSettingsEnvironment.h"
#include "platform/WineDetection.h"
#include "skin/win/SUIURLLabel_win.h"
#include "ui/FailureMessage.h"
#include "ui/Main.h"
#include "ui/Product.h"

namespace {

class ComScope {
public:
    ComScope() : initialised_(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComScope() {
        if (initialised_) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool initialised_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    try {
        zelkova::Application application;
        ComScope com;
        application.SetTitle(zelkova::kAppTitle);
        // Wine's windows on an X desktop are focused by the window manager, not by the program.
        application.SetWindowManagerChoosesFocus(zelkova::RunsUnderWine());

        zelkova::WinRegistryAccess registry;
        zelkova::WinEditorAutomation editor;
        zelkova::ApplicationFailureNotifier notifier;
        zelkova::SystemUrlShell shell;
        zelkova::WinClipboard clipboard(application.Handle());
        zelkova::WinSettingsEnvironment environment(application.Handle());
        // Wine's profile functions parse and rewrite the whole file on every call, so saving a
        // few thousand favourites took minutes; read and write the file in one piece there.
        const zelkova::WinProfileFileStore settingsFiles;
        const zelkova::SettingsFile settings(
            environment, zelkova::RunsUnderWine()
                             ? zelkova::PortableProfileFileOpener(settingsFiles)
                             : zelkova::ProfileFileOpener(zelkova::OpenWinProfileFile));

        zelkova::TfrmMain main({registry, editor, notifier, shell, clipboard, settings});
        application.Run(main);
    } catch (...) {
        zelkova::HandleException();
        return 1;
    }
    return 0;
}
