#include "ui/Layout.h"

#include <algorithm>

#include "gui/Action.h"
#include "gui/Edit.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/ListView.h"
#include "gui/Menu.h"
#include "gui/Panel.h"
#include "skin/win/SUIButton_win.h"
#include "skin/win/SUIGroupBox_win.h"
#include "skin/win/SUIURLLabel_win.h"

namespace zelkova {

std::span<const LayoutClass> WindowClasses() {
    static const LayoutClass classes[] = {
        {"TActionList", MakeComponent<ActionList>},
        {"TAction", MakeComponent<Action>},
        {"TPopupMenu", MakeComponent<PopupMenu>},
        {"TMenuItem", MakeComponent<MenuItem>},
        {"TImage", MakeComponent<Image>},
        {"TLabel", MakeComponent<Label>},
        {"TEdit", MakeComponent<Edit>},
        {"TListView", MakeComponent<ListView>},
        {"TGroupBox", MakeComponent<GroupBox>},
        {"TPanel", MakeComponent<Panel>},
        {"TsuiButton", MakeComponent<TsuiButton>},
        {"TsuiGroupBox", MakeComponent<TsuiGroupBox>},
        {"TsuiURLLabel", MakeComponent<TsuiURLLabel>},
    };
    return classes;
}

std::vector<LayoutProperty> At(int left, int top, int width, int height,
                               std::vector<LayoutProperty> own) {
    std::vector<LayoutProperty> values{
        {"Left", left}, {"Top", top}, {"Width", width}, {"Height", height}};
    values.insert(values.end(), std::make_move_iterator(own.begin()),
                  std::make_move_iterator(own.end()));
    return values;
}

std::vector<LayoutProperty> ButtonLook(std::vector<LayoutProperty> own) {
    static const LayoutProperty shared[] = {
        {"UIStyle", "MacOS"},
        {"Font", FontSpec{.height = -11, .color = kBlack}},
        {"AutoSize", false},
        {"Cancel", false},
        {"Default", false},
        {"Transparent", true},
        {"ModalResult", kModalNone},
        {"FocusedRectMargin", 2},
        {"Layout", "blGlyphLeft"},
        {"Spacing", 4},
        {"MouseContinuouslyDownInterval", 100},
        {"ResHandle", 0},
    };
    std::vector<LayoutProperty> values = std::move(own);
    const std::size_t stated = values.size();
    for (const LayoutProperty& property : shared) {
        const auto end = values.begin() + static_cast<std::ptrdiff_t>(stated);
        if (std::none_of(values.begin(), end,
                         [&](const LayoutProperty& p) { return p.name == property.name; })) {
            values.push_back(property);
        }
    }
    return values;
}

}  // namespace zelkova
