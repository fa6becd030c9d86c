#include "ui/About.h"

#include "gui/ResourcePictures.h"
#include "ui/Layout.h"
#include "ui/ResourceNames.h"

namespace zelkova {

TfrmAbout::TfrmAbout(Component* owner, UrlShell& shell) : Form(owner), shell_(shell) {
    const NamedValue handlers[] = {
        {"lbEAddressClick", Handler([this] { lbEAddressClick(); })},
        {"Image3Click", Handler([this] { Image3Click(); })},
    };
    BuildLayout(*this, AboutLayout(), {WindowClasses(), handlers});
    BindOwned(*this, "Image2", Image2);
    BindOwned(*this, "Image1", Image1);
    BindOwned(*this, "Label1", Label1);
    BindOwned(*this, "", PoweredBy);  // the one component without a name
    BindOwned(*this, "Label3", Label3);
    BindOwned(*this, "lbEAddress", lbEAddress);
    BindOwned(*this, "Label2", Label2);
    BindOwned(*this, "Image3", Image3);
    BindOwned(*this, "lCopywrite", lCopywrite);
    BindOwned(*this, "Panel2", Panel2);
    BindOwned(*this, "bOK", bOK);
}

// The label shows the maker's address but opens the home page.
void TfrmAbout::lbEAddressClick() {
    shell_.Execute(Handle(), "Open", LoadResourceText(resource::kHomePageString), SW_SHOW);
}

void TfrmAbout::Image3Click() {
    shell_.Execute(Handle(), "Open", LoadResourceText(resource::kDonationPageString), SW_SHOW);
}

}  // namespace zelkova
