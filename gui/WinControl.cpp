// A windowed control's life (making, binding and destroying its window) and the dispatch of the
// window's messages.
#include "gui/WinControl.h"

#include <set>
#include <stdexcept>
#include <utility>

#include "gui/Application.h"
#include "gui/Form.h"
#include "gui/Gdi.h"
#include "gui/SystemError.h"

namespace zelkova {

namespace {

constexpr char kControlProperty[] = "Zelkova.Control";
constexpr UINT_PTR kSubclassId = 1;

void RegisterOwnClass(const std::string& name, UINT classStyle) {
    static std::set<std::string> registered;
    if (registered.contains(name)) return;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = name.c_str();
    if (RegisterClassExA(&windowClass) == 0) {
        const DWORD error = GetLastError();
        if (error != ERROR_CLASS_ALREADY_EXISTS)
            throw std::runtime_error(
                WithSystemError("Cannot register window class " + name, error));
    }
    registered.insert(name);
}

}  // namespace

LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    if (msg == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        if (auto* control = static_cast<WinControl*>(create->lpCreateParams)) control->Bind(window);
    }
    WinControl* control = WinControl::FromHandle(window);
    if (control == nullptr) return DefWindowProcA(window, msg, wParam, lParam);
    return control->Dispatch(msg, wParam, lParam);
}

LRESULT CALLBACK SubclassProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                   DWORD_PTR) noexcept {
    WinControl* control = WinControl::FromHandle(window);
    if (control == nullptr) return DefSubclassProc(window, msg, wParam, lParam);
    return control->Dispatch(msg, wParam, lParam);
}

WinControl::WinControl(Component* owner) : Control(owner) {}

WinControl::~WinControl() {
    DestroyHandle();
    for (Control* child : controls_) child->parent_ = nullptr;
    controls_.clear();
    tabList_.clear();
}

const PropertyTable& WinControl::PublishedProperties() const {
    static const PropertyTable table(Control::PublishedProperties(),
                                     {
                                         {"TabOrder", Setter(&WinControl::SetTabOrder)},
                                         {"TabStop", Setter(&WinControl::SetTabStop)},
                                     });
    return table;
}

// --- Window life -----------------------------------------------------------------------------

HWND WinControl::Handle() {
    if (handle_ == nullptr) CreateHandle();
    return handle_;
}

WinControl* WinControl::FromHandle(HWND window, bool orAncestor) {
    while (window != nullptr) {
        if (auto* control = static_cast<WinControl*>(GetPropA(window, kControlProperty))) {
            return control;
        }
        if (!orAncestor) return nullptr;
        window = GetAncestor(window, GA_PARENT);
    }
    return nullptr;
}

void WinControl::CreateParams(struct CreateParams& params) {
    params.className = std::string(ClassName());
    params.caption = Control::Text();
    params.style = WS_CHILD | WS_CLIPSIBLINGS;
    if (Visible()) params.style |= WS_VISIBLE;
    if (!Enabled()) params.style |= WS_DISABLED;
    if (tabStop_) params.style |= WS_TABSTOP;
    params.x = Left();
    params.y = Top();
    params.width = Width();
    params.height = Height();
    if (Parent() != nullptr) params.parent = Parent()->Handle();
}

void WinControl::CreateHandle() {
    if (Parent() == nullptr && !IsTopLevel()) {
        throw std::logic_error("A control needs a parent before its window can be made");
    }
    struct CreateParams params;
    CreateParams(params);
    if (handle_ != nullptr) return;  // making the parent's window made ours too
    systemClass_ = params.systemClass;
    if (!systemClass_) RegisterOwnClass(params.className, params.classStyle);
    HWND window = CreateWindowExA(params.exStyle, params.className.c_str(), params.caption.c_str(),
                                  params.style, params.x, params.y, params.width, params.height,
                                  params.parent, nullptr, GetModuleHandleA(nullptr),
                                  systemClass_ ? nullptr : this);
    if (window == nullptr) {
        const DWORD error = GetLastError();
        throw std::runtime_error(
            WithSystemError("Cannot create window " + params.className, error));
    }
    if (systemClass_) {
        Bind(window);
        SetWindowSubclass(window, SubclassProcedure, kSubclassId, 0);
    }
    ApplyFontToWindow();
    HandleCreated();
    for (WinControl* child : tabList_) {
        if (child->handle_ == nullptr) child->CreateHandle();
    }
}

void WinControl::Bind(HWND window) {
    handle_ = window;
    SetPropA(window, kControlProperty, this);
}

void WinControl::Unbind() {
    if (handle_ == nullptr) return;
    RemovePropA(handle_, kControlProperty);
    if (systemClass_) RemoveWindowSubclass(handle_, SubclassProcedure, kSubclassId);
    handle_ = nullptr;
    mouseInside_ = false;
    hoverChild_ = nullptr;
    pressedChild_ = nullptr;
    clickPending_ = false;
}

void WinControl::UnbindTree() {
    for (Control* child : controls_) {
        if (auto* windowed = dynamic_cast<WinControl*>(child)) windowed->UnbindTree();
    }
    Unbind();
}

void WinControl::DestroyHandle() {
    if (handle_ == nullptr) return;
    HWND window = handle_;
    UnbindTree();
    DestroyWindow(window);
}

void WinControl::ApplyFontToWindow() {
    if (handle_ != nullptr && systemClass_) {
        SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(GetFont().Handle()), TRUE);
    }
}

// --- Dispatch --------------------------------------------------------------------------------

LRESULT WinControl::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    Message message{msg, wParam, lParam, 0};
    try {
        WndProc(message);
    } catch (...) {
        HandleException();
        message.result = 0;
    }
    // Nothing of the object may be touched here: a handler may have destroyed it.
    return message.result;
}

void WinControl::DefaultHandler(Message& message) {
    if (handle_ == nullptr) return;
    message.result = systemClass_
                         ? DefSubclassProc(handle_, message.msg, message.wParam, message.lParam)
                         : DefWindowProcA(handle_, message.msg, message.wParam, message.lParam);
}

void WinControl::KeyDown(KeyEvent& event) {
    if (OnKeyDown) OnKeyDown(this, event);
}

void WinControl::KeyUp(KeyEvent& event) {
    if (OnKeyUp) OnKeyUp(this, event);
}

void WinControl::KeyPress(char& character) {
    if (OnKeyPress) OnKeyPress(this, character);
}

void WinControl::WndProc(Message& message) {
    switch (message.msg) {
        case WM_PAINT:
            if (!OwnClass()) break;
            if (message.wParam != 0) {
                PaintWindow(reinterpret_cast<HDC>(message.wParam));
            } else {
                PaintDC paint(handle_);
                PaintWindow(paint.get());
            }
            return;
        case WM_ERASEBKGND:
            if (!OwnClass()) break;
            if (EraseBackground(reinterpret_cast<HDC>(message.wParam))) {
                message.result = 1;
                return;
            }
            break;
        case WM_NCDESTROY:
            DefaultHandler(message);
            Unbind();
            return;
        case WM_WINDOWPOSCHANGED: {
            const auto* position = reinterpret_cast<const WINDOWPOS*>(message.lParam);
            Rect bounds = BoundsRect();
            if ((position->flags & SWP_NOMOVE) == 0)
                bounds = bounds.Offset(position->x - bounds.left, position->y - bounds.top);
            if ((position->flags & SWP_NOSIZE) == 0) {
                bounds.right = bounds.left + position->cx;
                bounds.bottom = bounds.top + position->cy;
            }
            const bool resized = bounds.Width() != Width() || bounds.Height() != Height();
            Control::SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
            if (resized) {
                AlignControls();
                Resized();
            }
            break;
        }
        case WM_SETFOCUS: {
            DefaultHandler(message);
            if (Form* form = ParentForm(); form != nullptr && form != this)
                form->FocusedControlChanged(this);
            FocusIn();
            return;
        }
        case WM_KILLFOCUS:
            DefaultHandler(message);
            FocusOut();
            return;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYUP: {
            const bool system = message.msg == WM_SYSKEYDOWN || message.msg == WM_SYSKEYUP;
            KeyEvent event{static_cast<unsigned>(message.wParam), ShiftFromKeyData(message.lParam),
                           system};
            if (message.msg == WM_KEYDOWN || message.msg == WM_SYSKEYDOWN) {
                KeyDown(event);
            } else {
                KeyUp(event);
            }
            if (event.key == 0) return;
            message.wParam = event.key;
            if (HandleContextMenuKey(message)) return;
            break;
        }
        case WM_CHAR: {
            char character = static_cast<char>(message.wParam);
            KeyPress(character);
            if (character == 0) return;
            message.wParam = static_cast<unsigned char>(character);
            break;
        }
        case WM_SETTEXT: {
            const std::string before = Control::Text();
            DefaultHandler(message);
            const char* after = reinterpret_cast<const char*>(message.lParam);
            std::string now = after != nullptr ? after : "";
            if (now != before) {
                text_ = std::move(now);
                Perform(notify::kTextChanged);
            }
            return;
        }
        case WM_CANCELMODE:
            DefaultHandler(message);
            clickPending_ = false;
            Perform(notify::kCancelMode);
            return;
        case WM_CAPTURECHANGED: CaptureChanged(reinterpret_cast<HWND>(message.lParam)); break;
        case WM_MOUSELEAVE: MouseLeft(); return;
        case WM_CONTEXTMENU: ShowPopupMenu(message); return;
        case WM_SETCURSOR:
            if (SetCursorShape(message)) return;
            break;
        case WM_COMMAND:
            if (message.lParam != 0) {
                WinControl* child = FromHandle(reinterpret_cast<HWND>(message.lParam));
                if (child != nullptr && child != this &&
                    child->CommandNotification(HIWORD(message.wParam)))
                    return;
            }
            break;
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(message.lParam);
            WinControl* child = header != nullptr ? FromHandle(header->hwndFrom) : nullptr;
            if (child != nullptr && child != this &&
                child->NotifyNotification(*header, message.result))
                return;
            break;
        }
        default:
            if (message.msg >= WM_MOUSEFIRST && message.msg <= WM_MOUSELAST &&
                HandleMouseMessage(message))
                return;
            Control::WndProc(message);
            return;
    }
    DefaultHandler(message);
}

}  // namespace zelkova
