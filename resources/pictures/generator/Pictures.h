#pragma once
// The application's own pictures: the title strip's texture, the About banner and donate
// button, the application and update icons, and the Jump button's folder glyph.
#include "resources/generator/Canvas.h"

namespace zelkova::art {

// 50 x 50; stretched across the main window's title strip, under white lettering.
Canvas TitleTexture();
// 360 x 50, with the maker's name.
Canvas AboutBanner();
// 62 x 31, on the window's button-face grey.
Canvas DonateButton();
// A zelkova tree; keyed outside it. size is 32 (or 16, for the small icon's shape).
Canvas ApplicationIcon(int size);
// 16 x 16: a green arrow turning round; keyed outside it.
Canvas UpdateIcon();
// 16 x 16: an open yellow folder on RGB (200, 200, 200), which the button masks out.
Canvas FolderGlyph();

}  // namespace zelkova::art
