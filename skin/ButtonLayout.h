#pragma once
// The size arithmetic of the skinned push button: where its glyph and caption stand, the size
// AutoSize gives it, where its caption goes when centred, its focus rectangle, and the press
// rule that decides whether the mouse has left it.
#include <cstdint>

#include "base/Geometry.h"

namespace zelkova {

enum class TButtonLayout : std::uint8_t {
    blGlyphLeft = 0,
    blGlyphRight = 1,
    blGlyphTop = 2,
    blGlyphBottom = 3,
};

// The face drawn when loading the face frame fails, and the AutoSize fallback of an empty strip.
inline constexpr Size kFallbackFaceSize{74, 21};
// A button face strip holds three frames: normal (also disabled), mouse over, pressed.
inline constexpr int kButtonFaceFrames = 3;

struct GlyphLayout {
    Point glyph;             // top-left of the glyph image, with the pressed shift applied
    Point caption;           // CaptionPos: the caption's drawing moves it itself when pressed
    Size image;              // the size of one glyph image
    bool twoImages = false;  // enabled image left, disabled image right
    friend constexpr bool operator==(const GlyphLayout&, const GlyphLayout&) = default;
};

// Places a glyph of glyphSize and a caption of textSize (measured with its ampersands) on a
// button of buttonSize. A glyph exactly twice as wide as high holds two square images.
GlyphLayout LayOutGlyph(TButtonLayout layout, Size buttonSize, Size glyphSize, Size textSize,
                        int spacing, bool pressed);

// The size AutoSize gives a button whose whole face strip is stripSize: one frame of it, with
// the fallback face size standing in for a missing width or height.
Size AutoSizeForStrip(Size stripSize);

// The measured caption rectangle moved to the middle of area (halves rounded toward zero).
Rect CentreInRect(const Rect& area, const Rect& measured);

// The dotted focus rectangle, margin pixels inside the client area.
Rect FocusRectangle(Size clientSize, int margin);

// A mouse at point has moved off a button of buttonSize. Points on x = width or y = height
// still count as inside.
bool IsOutsideButton(Point point, Size buttonSize);

}  // namespace zelkova
