// The program's own pictures and texts, loaded from its resources.
#pragma once

#include <windows.h>

#include <string>

#include "gui/Gdi.h"
#include "gui/Image.h"

namespace zelkova {

// A JPEG picture resource decoded to a bitmap; an empty bitmap when it is missing or damaged,
// so that a window never fails to open over a picture.
OwnedBitmap LoadJpegPicture(const char* name);
// An icon resource at the given size; empty when missing.
OwnedIcon LoadIconPicture(const char* name, int size);
// A bitmap resource as a DIB section; empty when missing.
OwnedBitmap LoadBitmapPicture(const char* name);
// A string-table entry; empty when missing.
std::string LoadResourceText(unsigned id);

}  // namespace zelkova
