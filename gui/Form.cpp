#include "gui/Form.h"

#include <algorithm>
#include <stdexcept>

#include "gui/Action.h"
#include "gui/Application.h"
#include "gui/TaskWindows.h"

namespace zelkova {

Form::Form(Component* owner) : WinControl(owner) {
    Control::SetVisible(false);  // NOLINT(bugprone-parent-virtual-call): no window yet
    if (Application* app = Application::Instance()) app->AddForm(this);
}

Form::~Form() {
    // Controls refer back to the form while they go; destroy them while it is still whole.
    DestroyComponents();
    DestroyHandle();
    if (Application* app = Application::Instance()) app->RemoveForm(this);
}

void Form::SetClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
    if (!HandleAllocated()) return;
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_EXSTYLE)));
    SetBounds(Left(), Top(), frame.right - frame.left, frame.bottom - frame.top);
}

void Form::SetBorderIcons(bool systemMenu, bool minimize, bool maximize) {
    systemMenu_ = systemMenu;
    minimizeBox_ = minimize;
    maximizeBox_ = maximize;
}

void Form::SetBorderIconNames(const std::string& names) {
    bool systemMenu = false;
    bool minimize = false;
    bool maximize = false;
    std::size_t at = 0;
    while (at < names.size()) {
        const std::size_t end = names.find_first_of("[], ", at);
        const std::string_view name =
            std::string_view(names).substr(at, end == std::string::npos ? end : end - at);
        at = end == std::string::npos ? names.size() : end + 1;
        if (name.empty()) continue;
        if (AsciiEqualNoCase(name, "biSystemMenu")) {
            systemMenu = true;
        } else if (AsciiEqualNoCase(name, "biMinimize")) {
            minimize = true;
        } else if (AsciiEqualNoCase(name, "biMaximize")) {
            maximize = true;
        } else {
            throw PropertyError("Invalid property value: " + std::string(name));
        }
    }
    SetBorderIcons(systemMenu, minimize, maximize);
}

const PropertyTable& Form::PublishedProperties() const {
    static const PropertyTable table(WinControl::PublishedProperties(),
                                     {
                                         {"BorderIcons", Setter(&Form::SetBorderIconNames)},
                                         {"BorderStyle", Setter(&Form::SetBorderStyle)},
                                         {"Caption", Setter(&Form::SetCaption)},
                                         {"ClientHeight", Setter(&Form::SetClientHeight)},
                                         {"ClientWidth", Setter(&Form::SetClientWidth)},
                                         {"Font", Setter(&Form::SetFont)},
                                         {"Position", Setter(&Form::SetPosition)},
                                     });
    return table;
}

void Form::CreateParams(struct CreateParams& params) {
    WinControl::CreateParams(params);
    params.style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    params.exStyle = 0;
    switch (borderStyle_) {
        case FormBorderStyle::Sizeable:
            params.style |= WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME;
            break;
        case FormBorderStyle::Single: params.style |= WS_OVERLAPPED | WS_CAPTION; break;
        case FormBorderStyle::Dialog:
            params.style |= WS_POPUP | WS_CAPTION | DS_MODALFRAME;
            params.exStyle |= WS_EX_DLGMODALFRAME;
            break;
        case FormBorderStyle::None: params.style |= WS_POPUP; break;
    }
    if (borderStyle_ != FormBorderStyle::None && systemMenu_) {
        params.style |= WS_SYSMENU;
        if (borderStyle_ != FormBorderStyle::Dialog) {
            if (minimizeBox_) params.style |= WS_MINIMIZEBOX;
            if (maximizeBox_) params.style |= WS_MAXIMIZEBOX;
        }
    }
    if (clientWidth_ > 0 || clientHeight_ > 0) {
        RECT frame{0, 0, clientWidth_, clientHeight_};
        AdjustWindowRectEx(&frame, params.style, FALSE, params.exStyle);
        params.width = frame.right - frame.left;
        params.height = frame.bottom - frame.top;
        // NOLINTNEXTLINE(bugprone-parent-virtual-call): the window is about to be made this size
        Control::SetBounds(Left(), Top(), params.width, params.height);
    }
    Application* app = Application::Instance();
    params.parent = app != nullptr ? app->Handle() : nullptr;  // the owner of every form
}

void Form::PlaceOnScreen() {
    placed_ = true;
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (position_ == FormPosition::Designed) return;
    if (position_ == FormPosition::OwnerFormCenter) {
        Application* app = Application::Instance();
        Form* main = app != nullptr ? app->MainForm() : nullptr;
        if (main != nullptr && main != this && main->HandleAllocated() &&
            IsWindowVisible(main->Handle())) {
            GetWindowRect(main->Handle(), &area);
        }
    }
    const int left = area.left + (area.right - area.left - Width()) / 2;
    const int top = area.top + (area.bottom - area.top - Height()) / 2;
    SetBounds(std::max(left, 0), std::max(top, 0), Width(), Height());
}

void Form::Show() {
    Handle();
    if (!placed_) PlaceOnScreen();
    if (OnShow) OnShow(this);
    Control::SetVisible(true);  // NOLINT(bugprone-parent-virtual-call): shown below, activated
    ShowWindow(Handle(), SW_SHOW);
    FocusFirstControl();
}

void Form::Hide() {
    if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
    Control::SetVisible(false);  // NOLINT(bugprone-parent-virtual-call): hidden above
    if (OnHide) OnHide(this);
}

void Form::FocusFirstControl() {
    if (activeControl_ != nullptr && activeControl_->CanFocus()) {
        ::SetFocus(activeControl_->Handle());
        return;
    }
    std::vector<WinControl*> order;
    GetTabOrderList(order);
    for (WinControl* control : order) {
        if (control->TabStop() && control->CanFocus()) {
            ::SetFocus(control->Handle());
            return;
        }
    }
    ::SetFocus(Handle());
}

void Form::FocusIn() {
    // Activation gives the focus to the form window itself; pass it on to the active control.
    if (activeControl_ != nullptr && activeControl_->HandleAllocated() &&
        activeControl_->CanFocus()) {
        ::SetFocus(activeControl_->Handle());
    }
}

void Form::Close() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    if (!canClose) return;
    if (modal_) {
        modalResult_ = kModalCancel;  // the modal loop runs OnClose as it ends
        return;
    }
    CloseAction action = CloseAction::Hide;
    if (OnClose) OnClose(this, action);
    if (action == CloseAction::None) return;
    Application* app = Application::Instance();
    if (app != nullptr && app->MainForm() == this) {
        app->Terminate();
    } else if (action == CloseAction::Minimize) {
        ShowWindow(Handle(), SW_MINIMIZE);
    } else {
        Hide();
    }
}

void Form::CloseModal() {
    CloseAction action = CloseAction::Hide;
    if (OnClose) OnClose(this, action);
    if (action == CloseAction::None) modalResult_ = kModalNone;
}

int Form::ShowModal() {
    if (Visible() || modal_) throw std::logic_error("Cannot make a visible window modal");
    Application* app = Application::Instance();
    if (app == nullptr) throw std::logic_error("Modal showing needs the application");
    if (HWND capture = GetCapture()) SendMessageA(capture, WM_CANCELMODE, 0, 0);
    ReleaseCapture();
    HWND previousActive = GetActiveWindow();
    modal_ = true;
    modalResult_ = kModalNone;
    try {
        {
            DisabledTaskWindows disabled(Handle());
            Show();
            while (modalResult_ == kModalNone) {
                app->HandleMessage();
                if (app->Terminated()) {
                    modalResult_ = kModalCancel;
                } else if (modalResult_ != kModalNone) {
                    CloseModal();
                }
            }
        }
        // The other windows are enabled again before this one hides, so the activation goes
        // back to the window that had it rather than to another application; and a window
        // manager that picks the next focus itself picks the application's window.
        app->ComeNextForFocus();
        if (previousActive != nullptr && IsWindow(previousActive)) SetActiveWindow(previousActive);
        Hide();
    } catch (...) {
        modal_ = false;
        Hide();
        throw;
    }
    modal_ = false;
    return modalResult_;
}

void Form::SetActiveControl(WinControl* control) {
    if (control == nullptr) {
        activeControl_ = nullptr;
        return;
    }
    if (HandleAllocated() && IsWindowVisible(Handle()) && control->CanFocus()) {
        ::SetFocus(control->Handle());
    } else {
        activeControl_ = control;
    }
}

void Form::FocusedControlChanged(WinControl* control) {
    if (activeControl_ != control) {
        WinControl* previous = std::exchange(activeControl_, control);
        if (previous != nullptr && previous->OnExit) previous->OnExit(previous);
        if (control->OnEnter) control->OnEnter(control);
    }
    AnnounceFocus();
}

void Form::AnnounceFocus() {
    Perform(notify::kFocusChanged, 0, reinterpret_cast<LPARAM>(activeControl_));
}

void Form::ForgetControl(const Control* control) {
    if (activeControl_ == control) activeControl_ = nullptr;
}

void Form::SelectNext(WinControl* current, bool forward) {
    std::vector<WinControl*> order;
    GetTabOrderList(order);
    std::vector<WinControl*> stops;
    for (WinControl* control : order) {
        if ((control->TabStop() && control->CanFocus()) || control == current)
            stops.push_back(control);
    }
    if (stops.empty()) return;
    auto found = std::find(stops.begin(), stops.end(), current);
    std::size_t index = 0;
    if (found == stops.end()) {
        index = forward ? 0 : stops.size() - 1;
    } else {
        const std::size_t at = static_cast<std::size_t>(found - stops.begin());
        index = forward ? (at + 1) % stops.size() : (at + stops.size() - 1) % stops.size();
    }
    if (stops[index] != current) stops[index]->SetFocus();
}

void Form::SelectNextSibling(WinControl* current, bool forward) {
    if (current == nullptr || current->Parent() == nullptr) return;
    const auto& siblings = current->Parent()->TabList();
    const auto found = std::find(siblings.begin(), siblings.end(), current);
    if (found == siblings.end()) return;
    const std::size_t count = siblings.size();
    std::size_t index = static_cast<std::size_t>(found - siblings.begin());
    for (std::size_t step = 1; step < count; ++step) {
        index = forward ? (index + 1) % count : (index + count - 1) % count;
        WinControl* candidate = siblings[index];
        if (candidate->TabStop() && candidate->CanFocus()) {
            candidate->SetFocus();
            return;
        }
    }
}

bool Form::DialogKey(const DialogKeyEvent& event) {
    const unsigned key = event.key;
    if (Has(event.shift, Shift::Alt)) return WinControl::DialogKey(event);
    if (key == VK_TAB) {
        if (Has(event.shift, Shift::Ctrl)) return WinControl::DialogKey(event);
        SelectNext(activeControl_, !Has(event.shift, Shift::Shift));
        return true;
    }
    if (WinControl::DialogKey(event)) return true;
    if (key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN) {
        SelectNextSibling(activeControl_, key == VK_RIGHT || key == VK_DOWN);
        return true;
    }
    return false;
}

namespace {

SystemCommandEvent SystemCommandFrom(const Message& message) {
    const auto command = static_cast<unsigned>(message.wParam);
    return SystemCommandEvent{command & 0xFFF0u, command & 0xFu,
                              static_cast<std::intptr_t>(message.lParam)};
}

TrayMouse TrayMouseFrom(LPARAM mouseMessage) {
    switch (mouseMessage) {
        case WM_MOUSEMOVE: return TrayMouse::Move;
        case WM_LBUTTONDOWN: return TrayMouse::LeftDown;
        case WM_LBUTTONUP: return TrayMouse::LeftUp;
        case WM_LBUTTONDBLCLK: return TrayMouse::LeftDoubleClick;
        case WM_RBUTTONDOWN: return TrayMouse::RightDown;
        case WM_RBUTTONUP: return TrayMouse::RightUp;
        case WM_RBUTTONDBLCLK: return TrayMouse::RightDoubleClick;
        case WM_MBUTTONDOWN: return TrayMouse::MiddleDown;
        case WM_MBUTTONUP: return TrayMouse::MiddleUp;
        case WM_MBUTTONDBLCLK: return TrayMouse::MiddleDoubleClick;
        default: return TrayMouse::Other;
    }
}

}  // namespace

bool Form::HandleMessage(Message& message) {
    if (message.msg == WM_CLOSE) {
        Close();
        message.result = 0;
        return true;
    }
    if (message.msg == WM_SYSCOMMAND) {
        SystemCommand(SystemCommandFrom(message));
        message.result = 0;
        return true;
    }
    if (trayCallbackMessage_ != 0 && message.msg == trayCallbackMessage_) {
        TrayNotification(TrayNotifyEvent{TrayMouseFrom(message.lParam)});
        message.result = 0;
        return true;
    }
    return false;
}

void Form::SystemCommand(const SystemCommandEvent& event) {
    Message message{WM_SYSCOMMAND, event.command | event.systemBits,
                    static_cast<LPARAM>(event.argument), 0};
    DefaultHandler(message);
}

void Form::Notification(Component* component, Operation operation) {
    WinControl::Notification(component, operation);
    if (operation == Operation::Remove && component == activeControl_) activeControl_ = nullptr;
}

void Form::UpdateActions() {
    const std::vector<Component*> owned = Components();
    for (Component* component : owned) {
        if (auto* list = dynamic_cast<ActionList*>(component)) list->UpdateActions();
    }
}

}  // namespace zelkova
