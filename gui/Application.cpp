#include "gui/Application.h"

#include <stdexcept>

#include "gui/Form.h"
#include "gui/TaskWindows.h"
#include "gui/WinControl.h"

namespace zelkova {

namespace {
Application* instance = nullptr;

bool IsDialogKey(WPARAM key) {
    switch (key) {
        case VK_TAB:
        case VK_RETURN:
        case VK_ESCAPE:
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN: return true;
        default: return false;
    }
}

// The form a window belongs to, through the control bound to it or to an ancestor.
Form* FormOfWindow(HWND window) {
    WinControl* control = WinControl::FromHandle(window, true);
    if (control == nullptr) return nullptr;
    if (auto* form = dynamic_cast<Form*>(control)) return form;
    return control->ParentForm();
}
}  // namespace

// The hidden top-level window that owns every form, carries the taskbar button and the title,
// and is what minimises and restores.
class ApplicationWindow : public WinControl {
public:
    explicit ApplicationWindow(Application& app) : WinControl(nullptr), app_(app) {
        Control::SetVisible(false);  // NOLINT(bugprone-parent-virtual-call): no window yet
    }
    ~ApplicationWindow() override { DestroyHandle(); }
    std::string_view ClassName() const override { return "TApplication"; }
    bool IsTopLevel() const override { return true; }

protected:
    void CreateParams(struct CreateParams& params) override {
        params.className = "TApplication";
        params.caption = app_.Title();
        params.style = WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX;
        params.x = GetSystemMetrics(SM_CXSCREEN) / 2;
        params.y = GetSystemMetrics(SM_CYSCREEN) / 2;
    }
    bool EraseBackground(HDC) override { return true; }
    void FocusIn() override {
        if (app_.OnFocus) {
            app_.OnFocus();
        } else if (HWND top = TopOwnedWindow(Handle())) {
            ::SetFocus(top);
        }
    }
    bool HandleMessage(Message& message) override {
        if (message.msg == WM_CLOSE) {
            if (Form* main = app_.MainForm()) main->Close();
            return true;
        }
        // The taskbar button, and a window manager's iconify of the program's windows, minimise
        // this window itself: what minimising the application does is the main form's to say,
        // whichever of the two windows the command reached. Only the exact command: one with
        // any of its four low bits set minimises this window in the ordinary way.
        if (message.msg == WM_SYSCOMMAND && message.wParam == SC_MINIMIZE) {
            if (Form* main = app_.MainForm(); main != nullptr && main->HandleAllocated()) {
                message.result =
                    SendMessageA(main->Handle(), WM_SYSCOMMAND, message.wParam, message.lParam);
                return true;
            }
        }
        return false;
    }

private:
    Application& app_;
};

Application::Application() {
    if (instance != nullptr) throw std::logic_error("There is one application per process");
    instance = this;
    sink_ = &systemBox_;
    window_ = std::make_unique<ApplicationWindow>(*this);
}

Application::~Application() {
    window_.reset();
    instance = nullptr;
}

Application* Application::Instance() { return instance; }

HWND Application::Handle() const { return window_->Handle(); }

void Application::SetTitle(std::string title) {
    title_ = std::move(title);
    if (window_->HandleAllocated()) SetWindowTextA(window_->Handle(), title_.c_str());
}

void Application::Run(Form& mainForm) {
    mainForm_ = &mainForm;
    terminated_ = false;
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    mainForm.Show();
    while (!terminated_) HandleMessage();
}

void Application::Terminate() { PostQuitMessage(0); }

void Application::HandleMessage() {
    MSG msg{};
    if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ProcessMessage(msg);
        return;
    }
    Idle();
    if (!terminated_) WaitMessage();
}

void Application::ProcessMessages() {
    MSG msg{};
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ProcessMessage(msg);
}

bool Application::ProcessMessage(MSG& msg) {
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    try {
        if (IsDialogKeyMessage(msg) || IsDialogCharMessage(msg)) return true;
    } catch (...) {
        HandleException();
        return true;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return true;
}

// Enter, Escape, Tab and the arrows are offered to the form (and so to its controls) before
// the focused control sees them, unless that control asks for them (WM_GETDLGCODE).
bool Application::IsDialogKeyMessage(const MSG& msg) {
    if ((msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) || !IsDialogKey(msg.wParam)) {
        return false;
    }
    Form* form = FormOfWindow(msg.hwnd);
    if (form == nullptr) return false;
    const LRESULT wants =
        SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
    if ((wants & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0) return false;
    if (msg.wParam == VK_TAB && (wants & DLGC_WANTTAB) != 0) return false;
    if (msg.wParam != VK_TAB && msg.wParam != VK_RETURN && msg.wParam != VK_ESCAPE &&
        (wants & DLGC_WANTARROWS) != 0) {
        return false;
    }
    return form->Perform(notify::kDialogKey, msg.wParam,
                         ShiftParam(ShiftFromKeyData(msg.lParam))) != 0;
}

// Alt+character, and a character the focused control does not take, may be a caption's
// accelerator: the form's controls are offered it.
bool Application::IsDialogCharMessage(const MSG& msg) {
    if (msg.message != WM_SYSCHAR && msg.message != WM_CHAR) return false;
    Form* form = FormOfWindow(msg.hwnd);
    if (form == nullptr) return false;
    if (msg.message == WM_CHAR) {
        const LRESULT wants =
            SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
        if ((wants & (DLGC_WANTCHARS | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0) return false;
    }
    return form->Perform(notify::kDialogChar, msg.wParam,
                         ShiftParam(ShiftFromKeyData(msg.lParam))) != 0;
}

void Application::Idle() {
    try {
        const std::vector<Form*> forms = forms_;
        for (Form* form : forms) {
            if (form->HandleAllocated() && IsWindowVisible(form->Handle()) &&
                IsWindowEnabled(form->Handle())) {
                form->UpdateActions();
            }
        }
    } catch (...) {
        HandleException();
    }
}

void Application::ShowException(const std::exception& error) {
    MessageBox(StandardErrorText(error.what()), title_, MB_OK | MB_ICONERROR);
}

void Application::ComeNextForFocus() noexcept {
    HWND window = window_->HandleAllocated() ? window_->Handle() : nullptr;
    if (!managerChoosesFocus_ || window == nullptr || !IsWindowVisible(window) || IsIconic(window))
        return;
    constexpr UINT kInPlace = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(window, nullptr, 0, 0, 0, 0, kInPlace | SWP_HIDEWINDOW);
    SetWindowPos(window, nullptr, 0, 0, 0, 0, kInPlace | SWP_SHOWWINDOW);
}

namespace {

// While a message box of the system is up: the moment it hides, still the active window, the
// application comes next for the focus (the box's own code closes it, so a hook is the only
// way in).
class ClosingBoxWatch {
public:
    explicit ClosingBoxWatch(Application& app) {
        if (!app.WindowManagerChoosesFocus()) return;
        watched = &app;
        hook_ = SetWindowsHookExA(WH_CALLWNDPROC, Hook, nullptr, GetCurrentThreadId());
    }
    ~ClosingBoxWatch() {
        if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
        watched = nullptr;
    }
    ClosingBoxWatch(const ClosingBoxWatch&) = delete;
    ClosingBoxWatch& operator=(const ClosingBoxWatch&) = delete;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) noexcept {
        if (code == HC_ACTION && watched != nullptr) {
            const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
            if (call->message == WM_WINDOWPOSCHANGING &&
                (reinterpret_cast<const WINDOWPOS*>(call->lParam)->flags & SWP_HIDEWINDOW) != 0 &&
                call->hwnd == GetActiveWindow() &&
                GetWindow(call->hwnd, GW_OWNER) == watched->Handle()) {
                watched->ComeNextForFocus();
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline Application* watched = nullptr;
    HHOOK hook_ = nullptr;
};

}  // namespace

int Application::MessageBox(const std::string& text, const std::string& caption, UINT flags) {
    HWND active = GetActiveWindow();
    HWND focus = GetFocus();
    int result = 0;
    {
        DisabledTaskWindows disabled(nullptr);
        ClosingBoxWatch watch(*this);
        result = (sink_ != nullptr ? sink_ : &systemBox_)->Show(Handle(), text, caption, flags);
    }
    if (active != nullptr && IsWindow(active)) SetActiveWindow(active);
    if (focus != nullptr && IsWindow(focus)) SetFocus(focus);
    return result;
}

void Application::AddForm(Form* form) { forms_.push_back(form); }

void Application::RemoveForm(Form* form) {
    std::erase(forms_, form);
    if (mainForm_ == form) mainForm_ = nullptr;
}

void HandleException() noexcept {
    try {
        try {
            throw;
        } catch (const std::exception& error) {
            if (Application* app = Application::Instance()) {
                app->ShowException(error);
            } else {
                MessageBoxA(nullptr, StandardErrorText(error.what()).c_str(), "",
                            MB_OK | MB_ICONERROR);
            }
        } catch (...) {
            const std::runtime_error unknown("Unknown error");
            if (Application* app = Application::Instance()) {
                app->ShowException(unknown);
            } else {
                MessageBoxA(nullptr, unknown.what(), "", MB_OK | MB_ICONERROR);
            }
        }
    } catch (...) {
        // Showing the report failed as well; there is nothing left to tell the user with.
    }
}

}  // namespace zelkova
