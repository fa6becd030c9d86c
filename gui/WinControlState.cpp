// What a windowed control keeps in its window rather than in itself: bounds, visibility, the
// enabled state, the text, and the repainting that font and colour changes ask for.
#include "gui/WinControl.h"

#include <algorithm>

#include "gui/Canvas.h"

namespace zelkova {

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

}  // namespace zelkova
