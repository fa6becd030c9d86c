// The file theme as the skinned controls hold it: a component, so that when it is destroyed
// every control that refers to it hears of it (removal notification) and falls back to
// DeepBlue, and a source of the theme's flags, colours, integers and bitmap frames.
// TsuiFileTheme, which loads the skin file, is the one concrete kind.
#pragma once

#include "gui/Component.h"
#include "gui/Gdi.h"
#include "skin/ThemeSource.h"

namespace zelkova {

class FileThemeComponent : public Component, public FileThemeBitmapSource<OwnedBitmap> {
public:
    using Component::Component;
    std::string_view ClassName() const override { return "TsuiFileTheme"; }
};

}  // namespace zelkova
