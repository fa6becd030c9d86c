#include "gui/Label.h"

#include "gui/Menu.h"

#include "gui/Canvas.h"
#include "gui/WinControl.h"

namespace zelkova {

Label::Label(Component* owner) : Control(owner) {
    SetParentColor(true);
    Control::SetBounds(0, 0, 65, 17);
}

const PropertyTable& Label::PublishedProperties() const {
    static const PropertyTable table(Control::PublishedProperties(),
                                     {
                                         {"Cursor", Setter(&Label::SetCursor)},
                                         // Before Caption and Font, so a label of fixed size
                                         // keeps its bounds when they arrive.
                                         {"AutoSize", Setter(&Label::SetAutoSize)},
                                         {"Caption", Setter(&Label::SetCaption)},
                                         {"Color", Setter(&Label::SetColor)},
                                         {"Enabled", Setter(&Label::SetEnabled)},
                                         {"Font", Setter(&Label::SetFont)},
                                         {"ParentColor", Setter(&Label::SetParentColor)},
                                         {"ParentFont", Setter(&Label::SetParentFont)},
                                         {"PopupMenu", Setter(&Label::SetPopupMenu)},
                                         {"Transparent", Setter(&Label::SetTransparent)},
                                         {"Visible", Setter(&Label::SetVisible)},
                                         {"WordWrap", Setter(&Label::SetWordWrap)},
                                         {"OnClick", Setter(&Label::SetOnClick)},
                                         {"OnMouseDown", Setter(&Label::SetOnMouseDown)},
                                         {"OnMouseMove", Setter(&Label::SetOnMouseMove)},
                                         {"OnMouseUp", Setter(&Label::SetOnMouseUp)},
                                     });
    return table;
}

void Label::SetText(std::string text) {
    if (text == caption_) return;
    caption_ = std::move(text);
    Perform(notify::kTextChanged);
}

void Label::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustBounds();
}

void Label::SetTransparent(bool transparent) {
    if (transparent == transparent_) return;
    transparent_ = transparent;
    Invalidate();
}

void Label::SetWordWrap(bool wordWrap) {
    if (wordWrap == wordWrap_) return;
    wordWrap_ = wordWrap;
    AdjustBounds();
    Invalidate();
}

void Label::FontChanged() {
    AdjustBounds();
    Invalidate();
}

void Label::TextChanged() {
    AdjustBounds();
    Invalidate();
}

UINT Label::DrawFlags() const {
    return DT_LEFT | DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE);
}

void Label::AdjustBounds() {
    if (!autoSize_) return;
    WindowDC screen(nullptr);
    Canvas canvas(screen.get());
    canvas.SetFont(GetFont());
    // An empty caption still takes one line, so the label can be found and clicked.
    const std::string measured = caption_.empty() ? std::string(" ") : caption_;
    Rect area{0, 0, wordWrap_ ? Width() : 0, 0};
    canvas.DrawText(measured, area, DrawFlags() | DT_CALCRECT, -1);
    Control::SetBounds(Left(), Top(), area.Width(), area.Height());
    Invalidate();
}

void Label::Paint(Canvas& canvas) {
    const Rect area = ClientRect();
    if (!transparent_) {
        canvas.SetBrushColor(Color());
        canvas.FillRect(area);
    }
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetFont(GetFont());
    Rect text = area;
    if (!Enabled()) {
        // The engraved look of disabled text: a light copy one pixel down and right.
        Rect shadow = area.Offset(1, 1);
        canvas.SetFontColor(kBtnHighlight);
        canvas.DrawText(caption_, shadow, DrawFlags(), -1);
        canvas.SetFontColor(kBtnShadow);
    }
    canvas.DrawText(caption_, text, DrawFlags(), -1);
}

}  // namespace zelkova
