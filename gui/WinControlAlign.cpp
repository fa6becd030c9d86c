// Laying out the children that have an alignment within the parent's child area.
#include "gui/WinControl.h"

#include <algorithm>

namespace zelkova {

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
        child->SetBounds(place.left, place.top, std::max(place.Width(), 0),
                         std::max(place.Height(), 0));
    }
}

}  // namespace zelkova
