// How a skinned control comes by its style: the style a new control takes from the form that
// owns it, and the pass that hands a container's style and file theme down to its children.
#pragma once

#include "gui/Properties.h"
#include "skin/ButtonLayout.h"
#include "skin/SUIThemes.h"
#include "skin/win/SUIMgr_win.h"

namespace zelkova {

class WinControl;

// What every themed control of the kit answers: its current style.
class ThemedControl {
public:
    virtual TsuiUIStyle UIStyle() const = 0;

protected:
    ~ThemedControl() = default;
};

// The UIStyle of the first skinned form frame ("TsuiForm") among the owning form's child
// controls; DeepBlue when the owner is not a form or holds none.
TsuiUIStyle DefaultUIStyleFor(const Component* owner);

// For each direct child control publishing both "FileTheme" and "UIStyle": FileTheme is set
// first, then UIStyle, through the child's own setters.
void ApplyThemeToChildren(WinControl& container, TsuiUIStyle uiStyle,
                          FileThemeComponent* fileTheme);

template <>
struct EnumNames<TsuiUIStyle> {
    static constexpr const char* kNames[] = {"FromThemeFile", "MacOS",   "WinXP",
                                             "DeepBlue",      "Protein", "BlueGlass"};
};

template <>
struct EnumNames<TButtonLayout> {
    static constexpr const char* kNames[] = {"blGlyphLeft", "blGlyphRight", "blGlyphTop",
                                             "blGlyphBottom"};
};

}  // namespace zelkova
