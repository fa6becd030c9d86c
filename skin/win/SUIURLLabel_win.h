// The hyperlink label: an underlined label with a hand pointer whose colour changes while the
// mouse is over it, and whose click asks the shell to open its address.
#pragma once

#include <string>

#include "gui/Label.h"

namespace zelkova {

// The shell operation the label needs, so that tests can put a fake in its place.
class UrlShell {
public:
    virtual ~UrlShell() = default;
    // ShellExecuteA (owner, verb, file, no parameters, no directory, show); the result is not
    // looked at.
    virtual void Execute(HWND owner, const char* verb, const std::string& file, int show) = 0;
};

// Opens through ShellExecuteA.
class SystemUrlShell : public UrlShell {
public:
    void Execute(HWND owner, const char* verb, const std::string& file, int show) override;
};

class TsuiURLLabel : public Label {
public:
    explicit TsuiURLLabel(Component* owner);

    std::string_view ClassName() const override { return "TsuiURLLabel"; }
    const PropertyTable& PublishedProperties() const override;

    // Reads back the cursor recorded at construction (the hand pointer), whatever was assigned.
    CursorId SavedCursor() const { return savedCursor_; }
    const std::string& URL() const { return url_; }
    void SetURL(std::string url);
    TColor FontHoverColor() const { return fontHoverColor_; }
    void SetFontHoverColor(TColor color) { fontHoverColor_ = color; }
    TColor FontLinkColor() const { return fontLinkColor_; }
    // Stores the colour and shows it at once, wherever the mouse is.
    void SetFontLinkColor(TColor color);

    // Where clicks go; the system shell unless replaced (the shell must outlive the label).
    void SetShell(UrlShell* shell) { shell_ = shell; }

    // Opens the address (when it is not blank), then the ordinary click.
    void Click() override;

protected:
    void MouseEnter() override;
    void MouseLeave() override;

private:
    CursorId savedCursor_ = kCursorHandPoint;
    std::string url_;
    TColor fontHoverColor_ = 0x0000FF;
    TColor fontLinkColor_ = 0xFF0000;
    UrlShell* shell_;
};

}  // namespace zelkova
