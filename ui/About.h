// The About window: the product's name, version and contact lines beside the banner, the icon
// and the donate picture. The web address and the donate picture open pages.
#pragma once

#include "gui/Form.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/Panel.h"
#include "skin/win/SUIButton_win.h"
#include "skin/win/SUIURLLabel_win.h"

namespace zelkova {

class TfrmAbout : public Form {
public:
    // owner: the main window. shell opens the web pages.
    TfrmAbout(Component* owner, UrlShell& shell);

    std::string_view ClassName() const override { return "TfrmAbout"; }

    Image* Image2;
    Image* Image1;
    Label* Label1;
    Label* PoweredBy;
    Label* Label3;
    Label* lbEAddress;
    Label* Label2;
    Image* Image3;
    Label* lCopywrite;
    Panel* Panel2;
    TsuiButton* bOK;

private:
    void lbEAddressClick();
    void Image3Click();

    UrlShell& shell_;
};

}  // namespace zelkova
