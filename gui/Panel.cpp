#include "gui/Panel.h"

#include "gui/Menu.h"

#include <cstdlib>

#include "gui/Canvas.h"

namespace zelkova {

namespace {
UINT EdgeOf(Bevel bevel, bool outer) {
    switch (bevel) {
        case Bevel::Lowered: return outer ? BDR_SUNKENOUTER : BDR_SUNKENINNER;
        case Bevel::Raised: return outer ? BDR_RAISEDOUTER : BDR_RAISEDINNER;
        default: return 0;
    }
}
}  // namespace

// NOLINTNEXTLINE(bugprone-parent-virtual-call): no window yet
Panel::Panel(Component* owner) : WinControl(owner) { Control::SetBounds(0, 0, 185, 41); }

const PropertyTable& Panel::PublishedProperties() const {
    static const PropertyTable table(WinControl::PublishedProperties(),
                                     {
                                         {"BevelInner", Setter(&Panel::SetBevelInner)},
                                         {"BevelOuter", Setter(&Panel::SetBevelOuter)},
                                         {"Caption", Setter(&Panel::SetCaption)},
                                         {"Color", Setter(&Panel::SetColor)},
                                         {"Font", Setter(&Panel::SetFont)},
                                         {"ParentColor", Setter(&Panel::SetParentColor)},
                                         {"ParentFont", Setter(&Panel::SetParentFont)},
                                         {"Visible", Setter(&Panel::SetVisible)},
                                     });
    return table;
}

void Panel::CreateParams(struct CreateParams& params) {
    WinControl::CreateParams(params);
    params.style |= WS_CLIPCHILDREN;
}

void Panel::SetBevelOuter(Bevel bevel) {
    bevelOuter_ = bevel;
    Invalidate();
}

void Panel::SetBevelInner(Bevel bevel) {
    bevelInner_ = bevel;
    Invalidate();
}

void Panel::Paint(Canvas& canvas) {
    RECT area = ToRECT(ClientRect());
    const UINT edge = EdgeOf(bevelOuter_, true) | EdgeOf(bevelInner_, false);
    if (edge != 0) DrawEdge(canvas.Handle(), &area, edge, BF_RECT | BF_ADJUST);
    const std::string caption = Text();
    if (caption.empty()) return;
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetFont(GetFont());
    Rect text = FromRECT(area);
    canvas.DrawText(caption, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE, -1);
}

// NOLINTNEXTLINE(bugprone-parent-virtual-call): no window yet
GroupBox::GroupBox(Component* owner) : WinControl(owner) { Control::SetBounds(0, 0, 185, 105); }

const PropertyTable& GroupBox::PublishedProperties() const {
    static const PropertyTable table(WinControl::PublishedProperties(),
                                     {
                                         {"Caption", Setter(&GroupBox::SetCaption)},
                                         {"Color", Setter(&GroupBox::SetColor)},
                                         {"Font", Setter(&GroupBox::SetFont)},
                                         {"ParentColor", Setter(&GroupBox::SetParentColor)},
                                         {"ParentFont", Setter(&GroupBox::SetParentFont)},
                                         {"Visible", Setter(&GroupBox::SetVisible)},
                                     });
    return table;
}

void GroupBox::CreateParams(struct CreateParams& params) {
    WinControl::CreateParams(params);
    params.style |= WS_CLIPCHILDREN;
}

Rect GroupBox::AdjustClientRect() const {
    const Rect client = ClientRect();
    const int fontHeight = std::abs(GetFont().Height());
    return Rect{client.left + 2, client.top + fontHeight + 2, client.right - 2, client.bottom - 2};
}

void GroupBox::Paint(Canvas& canvas) {
    canvas.SetFont(GetFont());
    const int textHeight = canvas.TextHeight("0");
    RECT frame = ToRECT(ClientRect());
    frame.top += textHeight / 2;
    DrawEdge(canvas.Handle(), &frame, EDGE_ETCHED, BF_RECT);
    const std::string caption = Text();
    if (caption.empty()) return;
    // The caption sits on the top edge with the background behind it.
    Rect text{8, 0, 0, 0};
    canvas.DrawText(caption, text, DT_SINGLELINE | DT_CALCRECT, -1);
    canvas.SetBrushColor(Color());
    canvas.FillRect(Rect{text.left - 1, text.top, text.right + 1, text.bottom});
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.DrawText(caption, text, DT_SINGLELINE, -1);
}

}  // namespace zelkova
