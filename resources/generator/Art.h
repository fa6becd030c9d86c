#pragma once
// Painters of the built-in artwork, one per kind of bitmap; each returns the whole bitmap.
#include "resources/generator/Canvas.h"
#include "resources/generator/Styles.h"

namespace zelkova::art {

// Places frames side by side: frame i is painter(i) and must be frameWidth x height.
template <typename Painter>
Canvas SideBySide(int frameWidth, int height, int frames, Painter painter) {
    Canvas strip(frameWidth * frames, height, {0, 0, 0});
    for (int i = 0; i < frames; ++i) strip.Draw(painter(i), i * frameWidth, 0);
    return strip;
}

// Push button faces: normal, mouse over, pressed.
Canvas ButtonStrip(Look look, int frameWidth, int height);

// Title bar: the caption buttons (six glyphs in three states each), and the three bar pieces.
Canvas TitleButtonStrip(Look look, int size, int titleTop, int titleHeight);
Canvas TitleLeft(Look look, int width, int height);
Canvas TitleClient(Look look, int width, int height);
Canvas TitleRight(Look look, int width, int height);

// Check boxes and radio buttons: unchecked, checked, and both disabled.
Canvas CheckBoxStrip(Look look, int frameWidth, int height, bool flat);
Canvas RadioButtonStrip(Look look, int frameWidth, int height);
Canvas ProgressBarTile(Look look, int width, int height);

Canvas TrackBarGroove(Look look, int width, int height);
Canvas TrackBarThumbs(Look look, int frameWidth, int height, bool vertical);
Canvas ScrollBarButtons(Look look, int size);
Canvas ScrollBarTrack(Look look, int size);
Canvas MenuScrollButtons(Look look, int frameWidth, int height);
Canvas TabStrip(Look look, int frameWidth, int height);
Canvas TabLine(Look look, int width, int height);
Canvas SideChannelHandle(Look look, int frameWidth, int height);
Canvas SideChannelBar(Look look, int width, int height);

// Shared helpers of the painters.
// The colour mix of the canvas pixel toward white, stronger at the top of a highlight.
void Highlight(Canvas& canvas, const Region& region, double top, double bottom, double strengthTop,
               double strengthBottom);

}  // namespace zelkova::art
