// The built-in theme bitmaps as Win32 bitmaps: loading a table entry's resource and cutting one
// frame out of a multi-state strip.
#pragma once

#include <windows.h>

#include <stdexcept>

#include "gui/Gdi.h"
#include "skin/SUIThemes.h"

namespace zelkova {

// A theme entry names a bitmap resource the program does not hold.
class ThemeResourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// When the entry is a bitmap, replaces bitmap with the named BITMAP resource of the program's
// own module; any other entry (or a style outside 1 to 5) leaves it alone. Throws
// ThemeResourceError when the resource is missing.
void LoadThemeBitmap(TsuiUIStyle style, int index, OwnedBitmap* bitmap);

// Frame frameIndex (from 1) of frameCount of the entry's strip into graphic, or the whole
// bitmap when frameCount is 0. Does nothing without a graphic, and leaves graphic alone when the
// entry holds no bitmap.
void GetThemeBitmap(TsuiUIStyle style, int index, OwnedBitmap* graphic, int frameCount,
                    int frameIndex);

// Replaces target with a copy of frame frameIndex (from 1) of the frameCount frames side by side
// in source; the last frame is taken flush with the right edge. Leaves target alone when there is
// no such frame; a frame of no width or height makes target empty.
void ExtractBitmapFrame(HBITMAP source, OwnedBitmap& target, int frameCount, int frameIndex);

}  // namespace zelkova
