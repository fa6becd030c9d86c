#include "skin/win/SUIControlStyle_win.h"

#include "gui/Form.h"

namespace zelkova {

TsuiUIStyle DefaultUIStyleFor(const Component* owner) {
    const auto* form = dynamic_cast<const Form*>(owner);
    if (form == nullptr) return kFallbackUIStyle;
    for (const Control* child : form->Controls()) {
        if (child->ClassName() != "TsuiForm") continue;
        if (const auto* frame = dynamic_cast<const ThemedControl*>(child)) return frame->UIStyle();
    }
    return kFallbackUIStyle;
}

void ApplyThemeToChildren(WinControl& container, TsuiUIStyle uiStyle,
                          FileThemeComponent* fileTheme) {
    // A child's setters may restyle its own children; the list itself does not change.
    // NOLINTNEXTLINE(performance-unnecessary-copy-initialization): the setters must not change it
    const std::vector<Control*> children = container.Controls();
    for (Control* child : children) {
        if (!HasPublishedProperty(*child, "FileTheme") ||
            !HasPublishedProperty(*child, "UIStyle")) {
            continue;
        }
        SetPublishedProperty(*child, "FileTheme", static_cast<Component*>(fileTheme));
        SetPublishedProperty(*child, "UIStyle", static_cast<std::int64_t>(uiStyle));
    }
}

}  // namespace zelkova
