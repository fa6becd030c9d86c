#pragma once
// Small symbols drawn on caption, scroll and check buttons, centred in a square box.
#include "resources/generator/Canvas.h"

namespace zelkova::art {

enum class Glyph { Close, Maximise, Minimise, Restore, Help, RollUp };
inline constexpr Glyph kTitleGlyphs[] = {Glyph::Close,   Glyph::Maximise, Glyph::Minimise,
                                         Glyph::Restore, Glyph::Help,     Glyph::RollUp};

// The symbol inside the box (left, top, size); stroke is the line width in pixels.
Region GlyphRegion(Glyph glyph, double left, double top, double size, double stroke);

enum class Arrow { Up, Down, Left, Right };
// A filled triangle pointing its way, inside the box.
Region ArrowRegion(Arrow arrow, double left, double top, double size);

// A tick inside the box.
Region CheckMark(double left, double top, double size, double stroke);

}  // namespace zelkova::art
