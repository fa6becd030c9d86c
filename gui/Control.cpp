#include "gui/Control.h"

#include <unordered_set>

#include "gui/Action.h"
#include "gui/Canvas.h"
#include "gui/Form.h"
#include "gui/Menu.h"
#include "gui/WinControl.h"

namespace zelkova {

Shift ShiftFromKeyData(LPARAM keyData) {
    Shift shift = Shift::None;
    if (GetKeyState(VK_SHIFT) < 0) shift = shift | Shift::Shift;
    if (GetKeyState(VK_CONTROL) < 0) shift = shift | Shift::Ctrl;
    if ((keyData & kAltKeyData) != 0) shift = shift | Shift::Alt;
    return shift;
}

LPARAM ShiftParam(Shift shift) { return static_cast<LPARAM>(shift); }

// Only the flags of the set: the notification may come from anyone with any value.
Shift ShiftFromParam(LPARAM param) { return static_cast<Shift>(param & 0x7F); }

namespace {
std::unordered_set<const Control*>& LiveControls() {
    static std::unordered_set<const Control*> live;
    return live;
}
}  // namespace

Control* LiveControl(LPARAM pointer) {
    auto* candidate = reinterpret_cast<Control*>(pointer);
    return LiveControls().contains(candidate) ? candidate : nullptr;
}

Control::Control(Component* owner) : Component(owner) {
    LiveControls().insert(this);
    font_.OnChange = [this] {
        if (!applyingParentFont_) parentFont_ = false;
        Perform(notify::kFontChanged);
    };
}

Control::~Control() {
    LiveControls().erase(this);
    if (Form* form = ParentForm()) form->ForgetControl(this);
    if (action_ != nullptr) action_->RemoveClient(this);
    if (parent_ != nullptr) parent_->RemoveControl(this);
}

const PropertyTable& Control::PublishedProperties() const {
    static const PropertyTable table(Component::PublishedProperties(),
                                     {
                                         {"Left", Setter(&Control::SetLeft)},
                                         {"Top", Setter(&Control::SetTop)},
                                         {"Width", Setter(&Control::SetWidth)},
                                         {"Height", Setter(&Control::SetHeight)},
                                     });
    return table;
}

void Control::SetParent(WinControl* parent) {
    if (parent == parent_) return;
    for (const Control* ancestor = parent; ancestor != nullptr; ancestor = ancestor->parent_) {
        if (ancestor == this) throw std::invalid_argument("A control cannot be its own parent");
    }
    if (parent_ != nullptr) parent_->RemoveControl(this);
    if (parent != nullptr) parent->InsertControl(this);
}

Form* Control::ParentForm() const {
    const Control* top = this;
    while (top->parent_ != nullptr) top = top->parent_;
    return dynamic_cast<Form*>(const_cast<Control*>(top));
}

void Control::SetBounds(int left, int top, int width, int height) {
    const Rect next{left, top, left + width, top + height};
    if (next == bounds_) return;
    const Rect old = bounds_;
    bounds_ = next;
    if (!IsWindowed() && parent_ != nullptr && parent_->HandleAllocated() && visible_) {
        const RECT before = ToRECT(old);
        const RECT after = ToRECT(next);
        InvalidateRect(parent_->Handle(), &before, TRUE);
        InvalidateRect(parent_->Handle(), &after, TRUE);
    }
}

void Control::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    if (!IsWindowed() && parent_ != nullptr && parent_->HandleAllocated()) {
        const RECT area = ToRECT(bounds_);
        InvalidateRect(parent_->Handle(), &area, TRUE);
    }
}

void Control::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    EnabledChanged();
}

void Control::SetText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    Perform(notify::kTextChanged);
}

void Control::SetFont(const FontSpec& font) { font_.Assign(font); }

void Control::SetParentFont(bool parentFont) {
    parentFont_ = parentFont;
    if (parentFont) ParentFontChanged();
}

void Control::ParentFontChanged() {
    if (!parentFont_ || parent_ == nullptr) return;
    applyingParentFont_ = true;
    font_.Assign(parent_->GetFont());
    applyingParentFont_ = false;
}

void Control::SetColor(TColor color) {
    parentColor_ = false;
    if (color == color_) return;
    color_ = color;
    ColorChanged();
}

void Control::SetParentColor(bool parentColor) {
    parentColor_ = parentColor;
    if (parentColor) ParentColorChanged();
}

void Control::ParentColorChanged() {
    if (!parentColor_ || parent_ == nullptr || parent_->Color() == color_) return;
    color_ = parent_->Color();
    ColorChanged();
}

void Control::SetAlign(Align align) {
    if (align == align_) return;
    align_ = align;
    if (parent_ != nullptr) parent_->AlignControls();
}

void Control::SetBiDiMode(BiDiMode mode) {
    if (mode == biDiMode_) return;
    biDiMode_ = mode;
    Invalidate();
}

void Control::SetPopupMenu(PopupMenu* menu) {
    if (popupMenu_ != nullptr) RemoveFreeNotification(popupMenu_);
    popupMenu_ = menu;
    if (menu != nullptr) FreeNotification(menu);
}

void Control::SetAction(Action* action) {
    if (action == action_) return;
    if (action_ != nullptr) action_->RemoveClient(this);
    action_ = action;
    if (action != nullptr) {
        action->AddClient(this);
        ActionChange(action, true);
    }
}

void Control::ActionChange(Action* sender, bool) {
    if (sender == nullptr) return;
    SetText(sender->Caption());
    SetEnabled(sender->Enabled());
    SetVisible(sender->Visible());
}

void Control::Click() {
    if (OnClick) {
        OnClick(this);
    } else if (action_ != nullptr && !IsDesigning()) {
        action_->Execute();
    }
}

LRESULT Control::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    Message message{msg, wParam, lParam, 0};
    WndProc(message);
    return message.result;
}

void Control::Invalidate() {
    if (parent_ == nullptr || !parent_->HandleAllocated()) return;
    const RECT area = ToRECT(bounds_);
    InvalidateRect(parent_->Handle(), &area, TRUE);
}

void Control::Repaint() {
    Invalidate();
    if (parent_ != nullptr && parent_->HandleAllocated()) UpdateWindow(parent_->Handle());
}

void Control::Paint(Canvas&) {}

void Control::MouseDown(const MouseEvent& event) {
    if (OnMouseDown) OnMouseDown(this, event);
}

void Control::MouseUp(const MouseEvent& event) {
    if (OnMouseUp) OnMouseUp(this, event);
}

void Control::MouseMove(Shift shift, Point point) {
    if (OnMouseMove) OnMouseMove(this, shift, point);
}

void Control::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

bool Control::DialogKey(const DialogKeyEvent&) { return false; }
bool Control::DialogChar(const DialogCharEvent&) { return false; }
void Control::FocusChanged(Control*) {}

bool Control::HandleMessage(Message&) { return false; }
void Control::DefaultHandler(Message&) {}

void Control::Notification(Component* component, Operation operation) {
    Component::Notification(component, operation);
    if (operation != Operation::Remove) return;
    if (component == popupMenu_) popupMenu_ = nullptr;
    if (component == action_) action_ = nullptr;
}

void Control::WndProc(Message& message) {
    switch (message.msg) {
        case notify::kMouseEnter: MouseEnter(); return;
        case notify::kMouseLeave: MouseLeave(); return;
        case notify::kDialogKey:
            message.result = DialogKey(DialogKeyEvent{static_cast<unsigned>(message.wParam),
                                                      ShiftFromParam(message.lParam)});
            return;
        case notify::kDialogChar:
            message.result = DialogChar(
                DialogCharEvent{static_cast<char>(message.wParam), ShiftFromParam(message.lParam)});
            return;
        case notify::kFocusChanged:
            // Anyone may send this message; only a live control is taken as the sender.
            FocusChanged(LiveControl(message.lParam));
            return;
        case notify::kCancelMode: CancelMode(); return;
        case notify::kFontChanged: FontChanged(); return;
        case notify::kTextChanged: TextChanged(); return;
        default:
            if (!HandleMessage(message)) DefaultHandler(message);
            return;
    }
}

}  // namespace zelkova
