#include "ui/Layout.h"

namespace zelkova {

FontSpec SansSerif(int height, TColor color, int charset) {
    FontSpec font;
    font.name = "MS Sans Serif";
    font.height = -height;
    font.color = color;
    font.charset = charset;
    return font;
}

TsuiButton& PlaceButton(Form& form, WinControl& parent, const char* name, int left, int top,
                        int width, int height, const std::string& caption, int tabOrder) {
    auto& button = Place<TsuiButton>(form, parent, name, left, top, width, height);
    // The style first: it sets Transparent and the font colour, which the layout then overrides.
    button.SetUIStyle(TsuiUIStyle::MacOS);
    button.SetFont(SansSerif(11, kBlack));
    button.SetCaption(caption);
    button.SetAutoSize(false);
    button.SetCancel(false);
    button.SetDefault(false);
    button.SetTransparent(true);
    button.SetModalResult(kModalNone);
    button.SetFocusedRectMargin(2);
    button.SetLayout(TButtonLayout::blGlyphLeft);
    button.SetSpacing(4);
    button.SetMouseContinuouslyDownInterval(100);
    button.SetTabOrder(tabOrder);
    return button;
}

}  // namespace zelkova
