#include "skin/ButtonLayout.h"

namespace zelkova {

GlyphLayout LayOutGlyph(TButtonLayout layout, Size buttonSize, Size glyphSize, Size textSize,
                        int spacing, bool pressed) {
    const int w = buttonSize.width;
    const int h = buttonSize.height;
    const int tw = textSize.width;
    const int th = textSize.height;
    const bool twoImages = glyphSize.width == 2 * glyphSize.height;
    const int gw = twoImages ? glyphSize.height : glyphSize.width;
    const int gh = glyphSize.height;

    GlyphLayout result;
    result.image = {gw, gh};
    result.twoImages = twoImages;
    Point& g = result.glyph;
    Point& c = result.caption;
    switch (layout) {
        case TButtonLayout::blGlyphRight:
            g = {Halve(w + tw + spacing - gw), Halve(h - gh)};
            c = {g.x - tw - spacing, Halve(h - th)};
            break;
        case TButtonLayout::blGlyphTop:
            g = {Halve(w - gw), Halve(h - (th + gh + spacing))};
            c = {Halve(w - tw), g.y + gh + spacing};
            break;
        case TButtonLayout::blGlyphBottom:
            g = {Halve(w - gw), Halve(h + th + spacing - gh)};
            c = {Halve(w - tw), g.y - th - spacing};
            break;
        case TButtonLayout::blGlyphLeft:
        default:  // a layout byte out of range (from a stored form) reads as the default
            g = {Halve(w - (tw + gw + spacing)), Halve(h - gh)};
            c = {g.x + gw + spacing, Halve(h - th)};
            break;
    }
    // Only the glyph moves here; the caption's drawing moves CaptionPos itself.
    if (pressed) g = {g.x + 1, g.y + 1};
    return result;
}

Size AutoSizeForStrip(Size stripSize) {
    const int width = stripSize.width > 0 ? stripSize.width : kFallbackFaceSize.width;
    const int height = stripSize.height > 0 ? stripSize.height : kFallbackFaceSize.height;
    return {width / kButtonFaceFrames, height};
}

Rect CentreInRect(const Rect& area, const Rect& measured) {
    return measured.Offset(Halve(area.Width() - measured.Width()),
                           Halve(area.Height() - measured.Height()));
}

Rect FocusRectangle(Size clientSize, int margin) {
    return {margin, margin, clientSize.width - margin, clientSize.height - margin};
}

bool IsOutsideButton(Point point, Size buttonSize) {
    return point.x < 0 || point.y < 0 || point.x > buttonSize.width || point.y > buttonSize.height;
}

}  // namespace zelkova
