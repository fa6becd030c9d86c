// The main window's layout: the action list, the two pop-up menus, then the controls, in
// creation order (later pictures and labels paint over earlier ones).
#include "gui/Control.h"
#include "ui/Layout.h"
#include "ui/Product.h"
#include "ui/ResourceNames.h"

namespace zelkova {

namespace {

constexpr int kAnsiCharset = 0;
constexpr TColor kRed = 0x0000FF;
constexpr TColor kBlue = 0xFF0000;

// Every button of the main window also opens the window's context menu.
std::vector<LayoutProperty> MainButton(std::vector<LayoutProperty> own) {
    own.push_back({"PopupMenu", Ref("PopupMenu1")});
    return ButtonLook(std::move(own));
}

LayoutRow Command(const char* name, const char* caption, const char* update = nullptr) {
    LayoutRow row{"TAction",
                  name,
                  "ActionList1",
                  {{"Caption", caption}, {"OnExecute", Named(std::string(name) + "Execute")}}};
    if (update != nullptr) row.properties.push_back({"OnUpdate", Named(update)});
    return row;
}

LayoutRow BoundItem(const char* menu, const char* name, const char* action) {
    return {"TMenuItem", name, menu, {{"Action", Ref(action)}}};
}

LayoutRow Separator(const char* menu, const char* name) {
    return {"TMenuItem", name, menu, {{"Caption", "-"}}};
}

LayoutRow ClickItem(const char* name, const char* caption, const char* click) {
    return {"TMenuItem", name, "pmSelf", {{"Caption", caption}, {"OnClick", Named(click)}}};
}

}  // namespace

std::span<const LayoutRow> MainWindowLayout() {
    static const LayoutRow rows[] = {
        {"TfrmMain",
         "frmMain",
         "",
         {{"Caption", kAppTitle},
          {"BorderStyle", "bsSingle"},
          {"BorderIcons", "[biSystemMenu, biMinimize]"},
          {"ClientWidth", 513},
          {"ClientHeight", 397},
          {"Position", "poScreenCenter"},
          {"Font", FontSpec{.height = -11, .color = kWindowText}}}},

        {"TActionList", "ActionList1", "", {}},
        Command("aJumpFromList", "&Jump", "aJumpFromListUpdate"),
        Command("aMoveUp", "&Up", "aMoveUpUpdate"),
        Command("aMoveDown", "&Down", "aMoveDownUpdate"),
        Command("aRemove", "&Remove", "aJumpFromListUpdate"),
        Command("aAddList", "&Add to List", "aAddListUpdate"),
        Command("aJumpFromClipboard", "Jump from &Clipboard"),
        Command("aCopyToClipboard", "C&opy to Clipboard", "aJumpFromListUpdate"),
        Command("aEdit", "&Edit", "aJumpFromListUpdate"),

        {"TPopupMenu", "PopupMenu1", "", {}},
        BoundItem("PopupMenu1", "JumpfromClipboard2", "aJumpFromClipboard"),
        Separator("PopupMenu1", "N4"),
        BoundItem("PopupMenu1", "AddtoList1", "aAddList"),
        BoundItem("PopupMenu1", "JumpfromList1", "aJumpFromList"),
        Separator("PopupMenu1", "N5"),
        BoundItem("PopupMenu1", "Up1", "aMoveUp"),
        BoundItem("PopupMenu1", "Down1", "aMoveDown"),
        BoundItem("PopupMenu1", "Remove1", "aRemove"),
        Separator("PopupMenu1", "N6"),
        BoundItem("PopupMenu1", "miCopytoClipboard", "aCopyToClipboard"),

        {"TPopupMenu", "pmSelf", "", {}},
        ClickItem("miOpen", "&Open", "miOpenClick"),
        Separator("pmSelf", "N1"),
        BoundItem("pmSelf", "JumpfromClipboard1", "aJumpFromClipboard"),
        Separator("pmSelf", "N3"),
        ClickItem("miHomepage", "&Hompage", "miHomepageClick"),
        ClickItem("miCheckforUpdate", "&Check for Update", "miCheckforUpdateClick"),
        Separator("pmSelf", "N2"),
        ClickItem("miExit", "&Exit", "bExitClick"),

        {"TImage", "imgTitle", "frmMain",
         At(8, 0, 117, 53,
            {{"Picture", PictureSpec::Jpeg(resource::kTitleTexture)},
             {"Stretch", true},
             {"PopupMenu", Ref("PopupMenu1")}})},
        {"TLabel", "lTitle", "frmMain",
         At(49, 8, 81, 16,
            {{"Caption", kMakerName},
             {"Font", FontSpec{.height = -15, .bold = true, .color = kWhite}},
             {"Transparent", true},
             {"Cursor", kCursorHandPoint},
             {"PopupMenu", Ref("PopupMenu1")},
             {"OnClick", Named("lTitleClick")}})},
        {"TsuiURLLabel", "lUpdate", "frmMain",
         At(306, 24, 96, 13,
            {{"Caption", "Check for updates..."},
             {"URL", kUpdatePage},
             {"FontLinkColor", kWhite},
             {"FontHoverColor", kRed},
             {"Font",
              FontSpec{.height = -12, .underline = true, .color = kBlue, .charset = kAnsiCharset}},
             {"Transparent", true},
             {"Cursor", kCursorHandPoint},
             {"AutoSize", true},
             {"PopupMenu", Ref("PopupMenu1")}})},
        {"TLabel", "lTitleHint", "frmMain",
         At(50, 27, 266, 13,
            {{"Caption", "Jump to a registry key directly"},
             {"Font", FontSpec{.height = -11, .color = kWhite}},
             {"AutoSize", false},
             {"Transparent", true},
             {"PopupMenu", Ref("PopupMenu1")}})},
        {"TImage", "Image1", "frmMain",
         At(8, 8, 32, 32,
            {{"Picture", PictureSpec::Icon(resource::kMainIcon, 32)},
             {"Transparent", true},
             {"Cursor", kCursorHandPoint},
             {"OnClick", Named("Image1Click")}})},
        // Sized to its 16 x 16 picture (an icon reports the system's large-icon size).
        {"TImage", "iUpdate", "frmMain",
         At(282, 24, 16, 16, {{"Picture", PictureSpec::Icon(resource::kUpdateIcon, 16)}})},
        {"TsuiButton", "bExit", "frmMain",
         MainButton(At(450, 360, 55, 27,
                       {{"TabOrder", 0}, {"Caption", "E&xit"}, {"OnClick", Named("bExitClick")}}))},
        {"TGroupBox", "GroupBox2", "frmMain", At(8, 53, 496, 53, {{"TabOrder", 1}})},
        {"TEdit", "eRegKey", "GroupBox2", At(8, 18, 394, 21, {{"TabOrder", 0}})},
        {"TsuiButton", "bOpen", "GroupBox2",
         MainButton(At(413, 16, 72, 27,
                       {{"TabOrder", 1},
                        {"Caption", "&Jump"},
                        {"Glyph", resource::kFolderGlyph},
                        {"OnClick", Named("bOpenClick")}}))},
        {"TsuiButton", "bAbout", "frmMain",
         MainButton(
             At(389, 360, 55, 27,
                {{"TabOrder", 2}, {"Caption", "A&bout"}, {"OnClick", Named("bAboutClick")}}))},
        {"TListView", "ListView1", "frmMain",
         At(8, 120, 497, 225,
            {{"TabOrder", 3},
             {"Columns", ColumnSpecs{{"Registry Key", 380}, {"Comment", 105}}},
             {"PopupMenu", Ref("PopupMenu1")},
             {"OnDblClick", Named("ListView1DblClick")}})},
        // Bound to an action: caption, enabled state and click come from it.
        {"TsuiButton", "suiButton1", "frmMain",
         MainButton(At(8, 360, 68, 27, {{"TabOrder", 4}, {"Action", Ref("aAddList")}}))},
        {"TsuiButton", "bJumpFromList", "frmMain",
         MainButton(At(84, 360, 55, 27, {{"TabOrder", 5}, {"Action", Ref("aJumpFromList")}}))},
        {"TsuiButton", "suiButton3", "frmMain",
         MainButton(At(328, 360, 55, 27, {{"TabOrder", 6}, {"Action", Ref("aRemove")}}))},
        {"TsuiButton", "suiButton4", "frmMain",
         MainButton(At(267, 360, 55, 27, {{"TabOrder", 7}, {"Action", Ref("aMoveDown")}}))},
        {"TsuiButton", "suiButton5", "frmMain",
         MainButton(At(206, 360, 55, 27, {{"TabOrder", 8}, {"Action", Ref("aMoveUp")}}))},
        {"TsuiButton", "bEdit", "frmMain",
         MainButton(At(145, 360, 55, 27, {{"TabOrder", 9}, {"Action", Ref("aEdit")}}))},
    };
    return rows;
}

}  // namespace zelkova
