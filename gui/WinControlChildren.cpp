// A windowed control as a container: the list of its children, their tab order, and the
// keyboard focus among them; dialog keys, dialog characters and focus changes are passed on to
// every child.
#include "gui/WinControl.h"

#include <algorithm>
#include <stdexcept>

#include "gui/Form.h"

namespace zelkova {

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
        for (const Control* c = this; c != form; c = c->Parent())
            ready = ready && c->Visible() && c->Enabled();
        if (ready) {
            form->SetActiveControl(this);
            return;
        }
    }
    if (!CanFocus()) throw std::runtime_error("Cannot focus a disabled or invisible window");
    ::SetFocus(Handle());
}

bool WinControl::DialogKey(const DialogKeyEvent& event) {
    const std::vector<Control*> children = controls_;
    for (Control* child : children) {
        if (child->Perform(notify::kDialogKey, event.key, ShiftParam(event.shift)) != 0)
            return true;
    }
    return false;
}

bool WinControl::DialogChar(const DialogCharEvent& event) {
    const std::vector<Control*> children = controls_;
    for (Control* child : children) {
        if (child->Perform(notify::kDialogChar, static_cast<unsigned char>(event.character),
                           ShiftParam(event.shift)) != 0) {
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

}  // namespace zelkova
