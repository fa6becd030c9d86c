// A control's font: what a layout states (FontSpec) plus the GDI font made from it on demand.
// Changing any attribute tells the owner through OnChange, which is how controls learn that
// their font changed.
#pragma once

#include <functional>
#include <string>

#include "gui/Gdi.h"
#include "gui/Properties.h"

namespace zelkova {

class Font {
public:
    Font() = default;
    explicit Font(FontSpec attributes) : spec_(std::move(attributes)) {}
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    const FontSpec& Attributes() const { return spec_; }
    // Takes every attribute of attributes at once (one change notification).
    void Assign(const FontSpec& attributes);
    void Assign(const Font& other) { Assign(other.spec_); }

    const std::string& Name() const { return spec_.name; }
    int Height() const { return spec_.height; }
    TColor Color() const { return spec_.color; }
    bool Bold() const { return spec_.bold; }
    bool Underline() const { return spec_.underline; }

    void SetName(std::string name);
    void SetHeight(int height);
    void SetColor(TColor color);

    // The GDI font of the current attributes (colour aside), made on first use and kept until
    // an attribute changes. Throws GdiError if none can be made.
    HFONT Handle() const;

    std::function<void()> OnChange;

private:
    void Changed(bool shapeChanged);

    FontSpec spec_;
    mutable OwnedFont handle_;
};

// LOGFONT of a attributes (the face name is cut to fit).
LOGFONTA ToLogFont(const FontSpec& attributes);

}  // namespace zelkova
