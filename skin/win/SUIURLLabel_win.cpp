#include "skin/win/SUIURLLabel_win.h"

#include <shellapi.h>

#include "gui/Menu.h"
#include "skin/ButtonCaption.h"

namespace zelkova {

namespace {
constexpr TColor kLinkBlue = 0xFF0000;
constexpr TColor kHoverRed = 0x0000FF;

SystemUrlShell& DefaultShell() {
    static SystemUrlShell shell;
    return shell;
}
}  // namespace

void SystemUrlShell::Execute(HWND owner, const char* verb, const std::string& file, int show) {
    ShellExecuteA(owner, verb, file.c_str(), nullptr, nullptr, show);
}

TsuiURLLabel::TsuiURLLabel(Component* owner) : Label(owner), shell_(&DefaultShell()) {
    FontSpec font = GetFont().Attributes();
    font.bold = false;
    font.italic = false;
    font.strikeOut = false;
    font.underline = true;
    font.color = kLinkBlue;
    SetFont(font);
    SetCursor(kCursorHandPoint);
    savedCursor_ = kCursorHandPoint;
    SetAutoSize(true);
    fontHoverColor_ = kHoverRed;
    fontLinkColor_ = kLinkBlue;
    SetCaption("Hyperlink");
    url_.clear();
}

const PropertyTable& TsuiURLLabel::PublishedProperties() const {
    using L = TsuiURLLabel;
    static const PropertyTable table{
        {"Name", Setter(&L::SetName)},
        {"Left", Setter(&L::SetLeft)},
        {"Top", Setter(&L::SetTop)},
        {"Width", Setter(&L::SetWidth)},
        {"Height", Setter(&L::SetHeight)},
        {"Cursor", Setter(&L::SetCursor)},
        {"BiDiMode", Setter(&L::SetBiDiMode)},
        {"Caption", Setter(&L::SetCaption)},
        {"AutoSize", Setter(&L::SetAutoSize)},
        {"Color", Setter(&L::SetColor)},
        {"Enabled", Setter(&L::SetEnabled)},
        {"Transparent", Setter(&L::SetTransparent)},
        {"Visible", Setter(&L::SetVisible)},
        {"WordWrap", Setter(&L::SetWordWrap)},
        {"PopupMenu", Setter(&L::SetPopupMenu)},
        {"URL", Setter(&L::SetURL)},
        {"FontHoverColor", Setter(&L::SetFontHoverColor)},
        {"FontLinkColor", Setter(&L::SetFontLinkColor)},
        {"Font", Setter(&L::SetFont)},
        {"OnClick", Setter(&L::SetOnClick)},
        {"OnMouseDown", Setter(&L::SetOnMouseDown)},
        {"OnMouseMove", Setter(&L::SetOnMouseMove)},
        {"OnMouseUp", Setter(&L::SetOnMouseUp)},
    };
    return table;
}

void TsuiURLLabel::SetURL(std::string url) {
    if (url != url_) url_ = std::move(url);
}

void TsuiURLLabel::SetFontLinkColor(TColor color) {
    fontLinkColor_ = color;
    GetFont().SetColor(color);
}

void TsuiURLLabel::MouseEnter() { GetFont().SetColor(IsDesigning() ? kLinkBlue : fontHoverColor_); }

void TsuiURLLabel::MouseLeave() { GetFont().SetColor(fontLinkColor_); }

void TsuiURLLabel::Click() {
    // The blank test uses the trimmed address; the shell gets it as stored.
    if (HasVisibleCaption(url_)) shell_->Execute(nullptr, "open", url_, SW_SHOW);
    Label::Click();
}

}  // namespace zelkova
