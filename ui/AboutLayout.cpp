// The About window's layout, in creation order (later pictures and labels paint over earlier
// ones). Positions are plain pixels: the window keeps them on every display, whatever its DPI.
#include "gui/Color.h"
#include "gui/Control.h"
#include "ui/Layout.h"
#include "ui/Product.h"
#include "ui/ResourceNames.h"

namespace zelkova {

std::span<const LayoutRow> AboutLayout() {
    constexpr int kAnsiCharset = 0;
    constexpr TColor kBlue = 0xFF0000;
    static const LayoutRow rows[] = {
        {"TfrmAbout",
         "frmAbout",
         "",
         {{"Caption", "About Velund Free Zelkova"},
          {"BorderStyle", "bsDialog"},
          {"BorderIcons", "[biSystemMenu]"},
          {"ClientWidth", 360},
          {"ClientHeight", 243},
          {"Position", "poOwnerFormCenter"},
          {"Font", FontSpec{.height = -11, .color = kWindowText, .charset = kAnsiCharset}}}},

        {"TImage", "Image2", "frmAbout",
         At(0, 0, 360, 50,
            {{"AutoSize", true}, {"Picture", PictureSpec::Jpeg(resource::kAboutBanner)}})},
        {"TImage", "Image1", "frmAbout",
         At(20, 61, 32, 32, {{"Picture", PictureSpec::Icon(resource::kMainIcon, 32)}})},
        {"TLabel", "Label1", "frmAbout", At(80, 62, 125, 13, {{"Caption", kProductLine}})},
        {"TLabel", "", "frmAbout", At(80, 108, 59, 13, {{"Caption", "Powered by:"}})},
        {"TLabel", "Label3", "frmAbout",
         At(80, 152, 131, 13, {{"Caption", std::string("Email: ") + kSupportEmail}})},
        {"TLabel", "lbEAddress", "frmAbout",
         At(80, 188, 112, 13,
            {{"Caption", kMakerSiteShown},
             {"Font",
              FontSpec{.height = -11, .underline = true, .color = kBlue, .charset = kAnsiCharset}},
             {"Cursor", kCursorHandPoint},
             {"OnClick", Named("lbEAddressClick")}})},
        {"TLabel", "Label2", "frmAbout", At(80, 84, 139, 13, {{"Caption", kVersionLine}})},
        {"TImage", "Image3", "frmAbout",
         At(257, 65, 62, 31,
            {{"AutoSize", true},
             {"Picture", PictureSpec::Jpeg(resource::kDonateButton)},
             {"Cursor", kCursorHandPoint},
             {"OnClick", Named("Image3Click")}})},
        {"TLabel", "lCopywrite", "frmAbout", At(80, 130, 197, 13, {{"Caption", kCopyright}})},
        {"TPanel", "Panel2", "frmAbout",
         At(80, 176, 262, 2,
            {{"TabOrder", 0}, {"BevelOuter", "bvLowered"}, {"BevelInner", "bvNone"}})},
        {"TsuiButton", "bOK", "frmAbout",
         ButtonLook(At(256, 202, 80, 27,
                       {{"TabOrder", 1}, {"Caption", "&OK"}, {"ModalResult", kModalOk}}))},
    };
    return rows;
}

}  // namespace zelkova
