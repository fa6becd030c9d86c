#include "ui/About.h"

#include "ui/Layout.h"
#include "gui/ResourcePictures.h"
#include "ui/Product.h"
#include "ui/ResourceNames.h"

namespace zelkova {

namespace {
constexpr int kAnsiCharset = 0;
}

// Positions are plain pixels: the window keeps this layout on every display, whatever its DPI.
TfrmAbout::TfrmAbout(Component* owner, UrlShell& shell) : Form(owner), shell_(shell) {
    SetName("frmAbout");
    SetCaption("About Velund Free Zelkova");
    SetBorderStyle(FormBorderStyle::Dialog);
    SetBorderIcons(true, false, false);
    SetClientSize(360, 243);
    SetPosition(FormPosition::OwnerFormCenter);
    SetFont(SansSerif(11, kWindowText, kAnsiCharset));

    Image2 = &Place<Image>(*this, *this, "Image2", 0, 0, 360, 50);
    Image2->SetAutoSize(true);
    Image2->SetBitmap(LoadJpegPicture(resource::kAboutBanner));

    Image1 = &Place<Image>(*this, *this, "Image1", 20, 61, 32, 32);
    Image1->SetIcon(LoadIconPicture(resource::kMainIcon, 32));
    Image1->SetBounds(20, 61, 32, 32);

    Label1 = &Place<Label>(*this, *this, "Label1", 80, 62, 125, 13);
    Label1->SetCaption(kProductLine);
    PoweredBy = &Place<Label>(*this, *this, "", 80, 108, 59, 13);
    PoweredBy->SetCaption("Powered by:");
    Label3 = &Place<Label>(*this, *this, "Label3", 80, 152, 131, 13);
    Label3->SetCaption(std::string("Email: ") + kSupportEmail);

    lbEAddress = &Place<Label>(*this, *this, "lbEAddress", 80, 188, 112, 13);
    FontSpec link = SansSerif(11, 0xFF0000, kAnsiCharset);
    link.underline = true;
    lbEAddress->SetFont(link);
    lbEAddress->SetCursor(kCursorHandPoint);
    lbEAddress->SetCaption(kMakerSiteShown);
    lbEAddress->SetOnClick([this](Component*) { lbEAddressClick(); });

    Label2 = &Place<Label>(*this, *this, "Label2", 80, 84, 139, 13);
    Label2->SetCaption(kVersionLine);

    Image3 = &Place<Image>(*this, *this, "Image3", 257, 65, 62, 31);
    Image3->SetAutoSize(true);
    Image3->SetBitmap(LoadJpegPicture(resource::kDonateButton));
    Image3->SetCursor(kCursorHandPoint);
    Image3->SetOnClick([this](Component*) { Image3Click(); });

    lCopywrite = &Place<Label>(*this, *this, "lCopywrite", 80, 130, 197, 13);
    lCopywrite->SetCaption(kCopyright);

    Panel2 = &Place<Panel>(*this, *this, "Panel2", 80, 176, 262, 2);
    Panel2->SetBevelOuter(Bevel::Lowered);
    Panel2->SetBevelInner(Bevel::None);
    Panel2->SetTabOrder(0);

    bOK = &PlaceButton(*this, *this, "bOK", 256, 202, 80, 27, "&OK", 1);
    bOK->SetModalResult(kModalOk);
}

// The label shows the maker's address but opens the home page.
void TfrmAbout::lbEAddressClick() {
    shell_.Execute(Handle(), "Open", LoadResourceText(resource::kHomePageString), SW_SHOW);
}

void TfrmAbout::Image3Click() {
    shell_.Execute(Handle(), "Open", LoadResourceText(resource::kDonationPageString), SW_SHOW);
}

}  // namespace zelkova
