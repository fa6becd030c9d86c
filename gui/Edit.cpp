#include "gui/Edit.h"

#include "gui/Menu.h"

namespace zelkova {

Edit::Edit(Component* owner) : WinControl(owner) {
    Control::SetBounds(0, 0, 121, 21);  // NOLINT(bugprone-parent-virtual-call): no window yet
    SetTabStop(true);
    SetColor(kWindowColor);
    SetParentColor(false);
    SetCapturesMouse(false);
}

const PropertyTable& Edit::PublishedProperties() const {
    static const PropertyTable table(WinControl::PublishedProperties(),
                                     {
                                         {"Enabled", Setter(&Edit::SetEnabled)},
                                         {"Font", Setter(&Edit::SetFont)},
                                         {"MaxLength", Setter(&Edit::SetMaxLength)},
                                         {"ParentFont", Setter(&Edit::SetParentFont)},
                                         {"PopupMenu", Setter(&Edit::SetPopupMenu)},
                                         {"Text", Setter(&Edit::SetText)},
                                         {"Visible", Setter(&Edit::SetVisible)},
                                         {"OnChange", Setter(&Edit::SetOnChange)},
                                     });
    return table;
}

void Edit::CreateParams(struct CreateParams& params) {
    WinControl::CreateParams(params);
    params.className = "EDIT";
    params.systemClass = true;
    params.style |= ES_AUTOHSCROLL | ES_LEFT;
    params.exStyle |= WS_EX_CLIENTEDGE;
}

void Edit::HandleCreated() {
    SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void Edit::SetMaxLength(int length) {
    maxLength_ = length < 0 ? 0 : length;
    if (HandleAllocated()) SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void Edit::TextChanged() {
    WinControl::TextChanged();
    // With a window, EN_CHANGE reports every change, typed or set.
    if (!HandleAllocated() && OnChange) OnChange(this);
}

bool Edit::CommandNotification(UINT code) {
    if (code != EN_CHANGE) return false;
    if (OnChange) OnChange(this);
    return true;
}

}  // namespace zelkova
