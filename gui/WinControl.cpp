#include "gui/WinControl.h"

#include <windowsx.h>

#include <algorithm>
#include <set>
#include <stdexcept>

#include "gui/Application.h"
#include "gui/Canvas.h"
#include "gui/Form.h"
#include "gui/Menu.h"

namespace zelkova {

namespace {

constexpr char kControlProperty[] = "Zelkova.Control";
constexpr UINT_PTR kSubclassId = 1;

void RegisterOwnClass(const std::string& name, UINT classStyle) {
    static std::set<std::string> registered;
    if (registered.count(name) != 0) return;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = name.c_str();
    if (RegisterClassExA(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw std::runtime_error("Cannot register window class " + name);
    }
    registered.insert(name);
}

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

LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        if (auto* control = static_cast<WinControl*>(create->lpCreateParams)) control->Bind(window);
    }
    WinControl* control = WinControl::FromHandle(window);
    if (control == nullptr) return DefWindowProcA(window, msg, wParam, lParam);
    return control->Dispatch(msg, wParam, lParam);
}

LRESULT CALLBACK SubclassProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                   DWORD_PTR) {
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
    if (window == nullptr) throw std::runtime_error("Cannot create window " + params.className);
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

// --- Children --------------------------------------------------------------------------------

void WinControl::InsertControl(Control* control) {
    controls_.push_back(control);
    control->parent_ = this;
    auto* windowed = dynamic_cast<WinControl*>(control);
    if (windowed != nullptr) tabList_.push_back(windowed);
    control->ParentFontChanged();
    control->ParentColorChanged();
    if (control->GetAlign() != Align::None) AlignControls();
    if (windowed == nullptr) {
        control->Invalidate();
    } else if (handle_ != nullptr) {
        if (windowed->handle_ != nullptr) {
            ::SetParent(windowed->handle_, handle_);
        } else {
            windowed->CreateHandle();
        }
    }
}

void WinControl::RemoveControl(Control* control) {
    if (auto* windowed = dynamic_cast<WinControl*>(control)) {
        windowed->DestroyHandle();
        tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), windowed), tabList_.end());
    } else {
        control->Invalidate();
    }
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    if (hoverChild_ == control) hoverChild_ = nullptr;
    if (pressedChild_ == control) pressedChild_ = nullptr;
    control->parent_ = nullptr;
}

void WinControl::AlignControls() {
    Rect area = AdjustClientRect();
    for (Control* child : controls_) {
        if (child->GetAlign() == Align::None || !child->Visible()) continue;
        Rect place = child->BoundsRect();
        const int width = child->Width();
        const int height = child->Height();
        switch (child->GetAlign()) {
            case Align::Top:
                place = Rect{area.left, area.top, area.right, area.top + height};
                area.top = place.bottom;
                break;
            case Align::Bottom:
                place = Rect{area.left, area.bottom - height, area.right, area.bottom};
                area.bottom = place.top;
                break;
            case Align::Left:
                place = Rect{area.left, area.top, area.left + width, area.bottom};
                area.left = place.right;
                break;
            case Align::Right:
                place = Rect{area.right - width, area.top, area.right, area.bottom};
                area.right = place.left;
                break;
            case Align::Client: place = area; break;
            case Align::None: break;
        }
        child->SetBounds(place.left, place.top, std::max(place.Width(), 0), std::max(place.Height(), 0));
    }
}

int WinControl::TabOrder() const {
    if (Parent() == nullptr) return -1;
    const auto& list = Parent()->tabList_;
    const auto found = std::find(list.begin(), list.end(), this);
    return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

void WinControl::SetTabOrder(int order) {
    if (Parent() == nullptr) return;
    auto& list = Parent()->tabList_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    const int clamped = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + clamped, this);
}

void WinControl::GetTabOrderList(std::vector<WinControl*>& list) const {
    for (WinControl* child : tabList_) {
        list.push_back(child);
        child->GetTabOrderList(list);
    }
}

Control* WinControl::ControlAtPos(Point point) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        Control* child = *it;
        if (!child->IsWindowed() && child->Visible() && Contains(child->BoundsRect(), point)) {
            return child;
        }
    }
    return nullptr;
}

// --- Focus -----------------------------------------------------------------------------------

bool WinControl::Focused() const { return handle_ != nullptr && GetFocus() == handle_; }

bool WinControl::CanFocus() const {
    for (const Control* control = this; control != nullptr; control = control->Parent()) {
        if (!control->Visible() || !control->Enabled()) return false;
    }
    return true;
}

void WinControl::SetFocus() {
    // On a form not shown yet, the control becomes the one focused when it shows.
    Form* form = ParentForm();
    if (form != nullptr && form != this && !form->Visible()) {
        bool ready = true;
        for (const Control* c = this; c != form; c = c->Parent()) ready = ready && c->Visible() && c->Enabled();
        if (ready) {
            form->SetActiveControl(this);
            return;
        }
    }
    if (!CanFocus()) throw std::runtime_error("Cannot focus a disabled or invisible window");
    ::SetFocus(Handle());
}

// --- State reaching the window ------------------------------------------------------------

void WinControl::SetBounds(int left, int top, int width, int height) {
    const bool resized = width != Width() || height != Height();
    Control::SetBounds(left, top, width, height);
    if (handle_ != nullptr) {
        SetWindowPos(handle_, nullptr, left, top, width, height,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    }
    if (resized) {
        AlignControls();
        Resized();
    }
}

Rect WinControl::ClientRect() const {
    if (handle_ == nullptr) return Control::ClientRect();
    RECT client{};
    GetClientRect(handle_, &client);
    return FromRECT(client);
}

void WinControl::SetVisible(bool visible) {
    Control::SetVisible(visible);
    if (handle_ != nullptr) ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
}

void WinControl::SetEnabled(bool enabled) {
    if (enabled == Enabled()) return;
    if (handle_ != nullptr) EnableWindow(handle_, enabled ? TRUE : FALSE);
    Control::SetEnabled(enabled);
}

std::string WinControl::Text() const {
    if (handle_ == nullptr) return Control::Text();
    const int length = GetWindowTextLengthA(handle_);
    std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    const int copied = GetWindowTextA(handle_, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

void WinControl::SetText(std::string text) {
    if (handle_ == nullptr) {
        Control::SetText(std::move(text));
        return;
    }
    // WM_SETTEXT keeps the stored text and sends the text-changed notification.
    SetWindowTextA(handle_, text.c_str());
}

void WinControl::Invalidate() {
    if (handle_ != nullptr) InvalidateRect(handle_, nullptr, TRUE);
}

void WinControl::Repaint() {
    if (handle_ == nullptr) return;
    InvalidateRect(handle_, nullptr, TRUE);
    UpdateWindow(handle_);
}

void WinControl::FontChanged() {
    ApplyFontToWindow();
    Invalidate();
    for (Control* child : controls_) child->ParentFontChanged();
}

void WinControl::ColorChanged() {
    Invalidate();
    for (Control* child : controls_) child->ParentColorChanged();
}

// --- Painting --------------------------------------------------------------------------------

bool WinControl::EraseBackground(HDC dc) {
    Canvas canvas(dc);
    canvas.SetBrushColor(Color());
    canvas.FillRect(ClientRect());
    return true;
}

void WinControl::PaintWindow(HDC dc) {
    {
        Canvas canvas(dc);
        Paint(canvas);
    }
    PaintControls(dc);
}

void WinControl::PaintControls(HDC dc) {
    for (Control* child : controls_) {
        if (child->IsWindowed() || !child->Visible() || child->BoundsRect().IsEmpty()) continue;
        SavedDCState saved(dc);
        POINT origin{};
        GetViewportOrgEx(dc, &origin);
        SetViewportOrgEx(dc, origin.x + child->Left(), origin.y + child->Top(), nullptr);
        IntersectClipRect(dc, 0, 0, child->Width(), child->Height());
        Canvas canvas(dc);
        child->Paint(canvas);
    }
}

// --- Dispatch --------------------------------------------------------------------------------

LRESULT WinControl::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
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

bool WinControl::DialogKey(unsigned key, LPARAM keyData) {
    const std::vector<Control*> children = controls_;
    for (Control* child : children) {
        if (child->Perform(notify::kDialogKey, key, keyData) != 0) return true;
    }
    return false;
}

bool WinControl::DialogChar(char character, LPARAM keyData) {
    const std::vector<Control*> children = controls_;
    for (Control* child : children) {
        if (child->Perform(notify::kDialogChar, static_cast<unsigned char>(character), keyData) !=
            0) {
            return true;
        }
    }
    return false;
}

void WinControl::FocusChanged(Control* focused) {
    const std::vector<Control*> children = controls_;
    for (Control* child : children) {
        child->Perform(notify::kFocusChanged, 0, reinterpret_cast<LPARAM>(focused));
    }
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
            if ((position->flags & SWP_NOMOVE) == 0) bounds = bounds.Offset(position->x - bounds.left, position->y - bounds.top);
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
            if (Form* form = ParentForm(); form != nullptr && form != this) form->FocusedControlChanged(this);
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
            KeyEvent event{static_cast<unsigned>(message.wParam), ShiftFromKeyData(message.lParam), system};
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
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(message.lParam) != handle_) {
                clickPending_ = false;
                pressedChild_ = nullptr;
            }
            break;
        case WM_MOUSELEAVE:
            mouseInside_ = false;
            if (Control* child = std::exchange(hoverChild_, nullptr)) {
                child->Perform(notify::kMouseLeave);
            }
            Perform(notify::kMouseLeave);
            return;
        case WM_CONTEXTMENU:
            ShowPopupMenu(message);
            return;
        case WM_SETCURSOR:
            if (LOWORD(message.lParam) == HTCLIENT && reinterpret_cast<HWND>(message.wParam) == handle_) {
                POINT cursor{};
                GetCursorPos(&cursor);
                ScreenToClient(handle_, &cursor);
                const Control* child = ControlAtPos(Point{cursor.x, cursor.y});
                if (LPCSTR shape = SystemCursorFor(child != nullptr ? child->Cursor() : Cursor())) {
                    ::SetCursor(LoadCursorA(nullptr, shape));
                    message.result = TRUE;
                    return;
                }
            }
            break;
        case WM_COMMAND:
            if (message.lParam != 0) {
                WinControl* child = FromHandle(reinterpret_cast<HWND>(message.lParam));
                if (child != nullptr && child != this && child->CommandNotification(HIWORD(message.wParam))) return;
            }
            break;
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(message.lParam);
            WinControl* child = header != nullptr ? FromHandle(header->hwndFrom) : nullptr;
            if (child != nullptr && child != this && child->NotifyNotification(*header, message.result)) return;
            break;
        }
        default:
            if (message.msg >= WM_MOUSEFIRST && message.msg <= WM_MOUSELAST && HandleMouseMessage(message)) return;
            Control::WndProc(message);
            return;
    }
    DefaultHandler(message);
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
                target->DispatchMouseMove(shift, Point{point.x - target->Left(), point.y - target->Top()});
            } else {
                MouseMove(shift, point);
            }
            if (!OwnClass()) DefaultHandler(message);
            return true;
        }
        case WM_LBUTTONDBLCLK: doubleClick = true; [[fallthrough]];
        case WM_LBUTTONDOWN: down = true; break;
        case WM_RBUTTONDBLCLK: doubleClick = true; [[fallthrough]];
        case WM_RBUTTONDOWN: down = true; button = MouseButton::Right; break;
        case WM_MBUTTONDBLCLK: doubleClick = true; [[fallthrough]];
        case WM_MBUTTONDOWN: down = true; button = MouseButton::Middle; break;
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
        if (const Control* child = ControlAtPos(Point{client.x, client.y})) menu = child->GetPopupMenu();
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
    if (open) SendMessageA(handle_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(handle_), MAKELPARAM(-1, -1));
    return true;
}

}  // namespace zelkova
