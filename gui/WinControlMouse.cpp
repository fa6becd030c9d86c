// Mouse routing among a windowed control's children: the children without a window get their
// presses, releases, moves, enter and leave through their parent; a press takes the capture so
// that the release makes the click; the cursor shape and the context menu follow the child
// under the mouse.
#include "gui/WinControl.h"

#include <windowsx.h>

#include <utility>

#include "gui/Menu.h"

namespace zelkova {

namespace {

Shift MouseShift(WPARAM keys) {
    Shift shift = Shift::None;
    if ((keys & MK_SHIFT) != 0) shift = shift | Shift::Shift;
    if ((keys & MK_CONTROL) != 0) shift = shift | Shift::Ctrl;
    if ((keys & MK_LBUTTON) != 0) shift = shift | Shift::Left;
    if ((keys & MK_RBUTTON) != 0) shift = shift | Shift::Right;
    if ((keys & MK_MBUTTON) != 0) shift = shift | Shift::Middle;
    if (GetKeyState(VK_MENU) < 0) shift = shift | Shift::Alt;
    return shift;
}

bool Contains(const Rect& r, Point p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

LPCSTR SystemCursorFor(CursorId cursor) {
    switch (cursor) {
        case kCursorHandPoint: return reinterpret_cast<LPCSTR>(IDC_HAND);
        case kCursorIBeam: return reinterpret_cast<LPCSTR>(IDC_IBEAM);
        case kCursorArrow: return reinterpret_cast<LPCSTR>(IDC_ARROW);
        default: return nullptr;
    }
}

}  // namespace

Control* WinControl::ControlAtPos(Point point) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        Control* child = *it;
        if (!child->IsWindowed() && child->Visible() && Contains(child->BoundsRect(), point)) {
            return child;
        }
    }
    return nullptr;
}

void WinControl::TrackMouse(Point point) {
    if (!mouseInside_ && Contains(ClientRect(), point)) {
        mouseInside_ = true;
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
        TrackMouseEvent(&track);
        Perform(notify::kMouseEnter);
    }
    Control* child = ControlAtPos(point);
    if (child != hoverChild_) {
        Control* previous = std::exchange(hoverChild_, child);
        if (previous != nullptr) previous->Perform(notify::kMouseLeave);
        if (child != nullptr) child->Perform(notify::kMouseEnter);
    }
}

void WinControl::MouseLeft() {
    mouseInside_ = false;
    if (Control* child = std::exchange(hoverChild_, nullptr)) child->Perform(notify::kMouseLeave);
    Perform(notify::kMouseLeave);
}

// Another window took the capture: a release now would not be a click.
void WinControl::CaptureChanged(HWND newCapture) {
    if (newCapture == handle_) return;
    clickPending_ = false;
    pressedChild_ = nullptr;
}

// Over the client area the shape is the one of the child without a window under the mouse, or
// the control's own.
bool WinControl::SetCursorShape(Message& message) {
    if (LOWORD(message.lParam) != HTCLIENT || reinterpret_cast<HWND>(message.wParam) != handle_)
        return false;
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(handle_, &cursor);
    const Control* child = ControlAtPos(Point{cursor.x, cursor.y});
    LPCSTR shape = SystemCursorFor(child != nullptr ? child->Cursor() : Cursor());
    if (shape == nullptr) return false;
    ::SetCursor(LoadCursorA(nullptr, shape));
    message.result = TRUE;
    return true;
}

bool WinControl::HandleMouseMessage(Message& message) {
    const Point point{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    const Shift shift = MouseShift(message.wParam);
    MouseButton button = MouseButton::Left;
    bool down = false;
    bool doubleClick = false;
    switch (message.msg) {
        case WM_MOUSEMOVE: {
            TrackMouse(point);
            if (handle_ == nullptr) return true;
            Control* target = pressedChild_ != nullptr ? pressedChild_ : hoverChild_;
            if (target != nullptr) {
                target->DispatchMouseMove(shift,
                                          Point{point.x - target->Left(), point.y - target->Top()});
            } else {
                MouseMove(shift, point);
            }
            if (!OwnClass()) DefaultHandler(message);
            return true;
        }
        case WM_LBUTTONDBLCLK: doubleClick = true; [[fallthrough]];
        case WM_LBUTTONDOWN: down = true; break;
        case WM_RBUTTONDBLCLK: doubleClick = true; [[fallthrough]];
        case WM_RBUTTONDOWN:
            down = true;
            button = MouseButton::Right;
            break;
        case WM_MBUTTONDBLCLK: doubleClick = true; [[fallthrough]];
        case WM_MBUTTONDOWN:
            down = true;
            button = MouseButton::Middle;
            break;
        case WM_LBUTTONUP: break;
        case WM_RBUTTONUP: button = MouseButton::Right; break;
        case WM_MBUTTONUP: button = MouseButton::Middle; break;
        default: return false;
    }
    const bool left = button == MouseButton::Left;
    MouseEvent event{button, doubleClick ? (shift | Shift::Double) : shift, point};

    if (down) {
        if (Control* child = ControlAtPos(point); child != nullptr && child->Enabled()) {
            if (left) {
                pressedChild_ = child;
                SetCapture(handle_);
            }
            event.position = Point{point.x - child->Left(), point.y - child->Top()};
            if (doubleClick) child->DispatchDblClick();
            child->DispatchMouseDown(event);
            return true;
        }
        if (left && capturesMouse_ && OwnClass()) {
            SetCapture(handle_);
            clickPending_ = true;
        }
        // System classes report their double clicks themselves (NM_DBLCLK).
        if (doubleClick && OwnClass()) DblClick();
        MouseDown(event);
        if (!OwnClass() && handle_ != nullptr) DefaultHandler(message);
        return true;
    }

    if (left && pressedChild_ != nullptr) {
        Control* child = std::exchange(pressedChild_, nullptr);
        if (GetCapture() == handle_) ReleaseCapture();
        event.position = Point{point.x - child->Left(), point.y - child->Top()};
        child->DispatchMouseUp(event);
        // The click comes last: its handler may destroy the control, or this one.
        if (Contains(child->ClientRect(), event.position)) child->Click();
        return true;
    }
    const bool click = left && std::exchange(clickPending_, false);
    if (left && OwnClass() && GetCapture() == handle_) ReleaseCapture();
    MouseUp(event);
    // Every release goes on to the default handling, of our own classes too: the right
    // button's release is where the system makes WM_CONTEXTMENU.
    if (handle_ != nullptr) DefaultHandler(message);
    if (click && Contains(ClientRect(), point)) Click();
    return true;
}

void WinControl::ShowPopupMenu(Message& message) {
    // A request passed up by a child window is the child's: a child without a menu of its own
    // (the jump field, a group box) keeps the default handling, not its parent's menu.
    if (reinterpret_cast<HWND>(message.wParam) != handle_) {
        DefaultHandler(message);
        return;
    }
    POINT screen{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    PopupMenu* menu = nullptr;
    if (screen.x == -1 && screen.y == -1) {
        // From the keyboard: the focused window's own menu, at the control.
        menu = GetPopupMenu();
        RECT window{};
        GetWindowRect(handle_, &window);
        screen = POINT{(window.left + window.right) / 2, (window.top + window.bottom) / 2};
    } else {
        POINT client = screen;
        ScreenToClient(handle_, &client);
        if (const Control* child = ControlAtPos(Point{client.x, client.y}))
            menu = child->GetPopupMenu();
        if (menu == nullptr) menu = GetPopupMenu();
    }
    if (menu == nullptr) {
        DefaultHandler(message);
        return;
    }
    menu->Popup(screen.x, screen.y);
}

// Shift+F10 and the context-menu key open the menu of a control that has one. The framework
// makes the request itself, because Wine's default window procedure answers only Shift+F10,
// and keeps both keys from that procedure so that no platform opens the menu twice (nor, after
// Shift+F10, enters the window's menu mode when F10 is released).
bool WinControl::HandleContextMenuKey(Message& message) {
    if (GetPopupMenu() == nullptr || handle_ == nullptr) return false;
    const bool down = message.msg == WM_KEYDOWN || message.msg == WM_SYSKEYDOWN;
    const bool alt = (message.lParam & kAltKeyData) != 0;
    bool open = false;
    if (message.wParam == VK_F10 && !alt && GetKeyState(VK_SHIFT) < 0) {
        open = down;
    } else if (message.wParam == VK_APPS) {
        open = !down;  // the key opens the menu as it is released
    } else {
        return false;
    }
    if (open)
        SendMessageA(handle_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(handle_),
                     MAKELPARAM(-1, -1));
    return true;
}

}  // namespace zelkova
