// A windowed control paints itself and then, into the same device context, its children that
// have no window of their own.
#include "gui/WinControl.h"

#include "gui/Canvas.h"

namespace zelkova {

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

}  // namespace zelkova
