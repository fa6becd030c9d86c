#include "gui/Font.h"

#include <algorithm>
#include <cstring>

namespace zelkova {

LOGFONTA ToLogFont(const FontSpec& attributes) {
    LOGFONTA log{};
    log.lfHeight = attributes.height;
    log.lfWeight = attributes.bold ? FW_BOLD : FW_NORMAL;
    log.lfItalic = attributes.italic ? TRUE : FALSE;
    log.lfUnderline = attributes.underline ? TRUE : FALSE;
    log.lfStrikeOut = attributes.strikeOut ? TRUE : FALSE;
    log.lfCharSet = static_cast<BYTE>(attributes.charset);
    log.lfOutPrecision = OUT_DEFAULT_PRECIS;
    log.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    log.lfQuality = DEFAULT_QUALITY;
    log.lfPitchAndFamily = DEFAULT_PITCH;
    const std::size_t length = std::min(attributes.name.size(), sizeof(log.lfFaceName) - 1);
    std::memcpy(log.lfFaceName, attributes.name.data(), length);
    return log;
}

void Font::Assign(const FontSpec& attributes) {
    const bool shapeChanged = attributes.name != spec_.name || attributes.height != spec_.height ||
                              attributes.bold != spec_.bold || attributes.italic != spec_.italic ||
                              attributes.underline != spec_.underline ||
                              attributes.strikeOut != spec_.strikeOut ||
                              attributes.charset != spec_.charset;
    spec_ = attributes;
    Changed(shapeChanged);
}

void Font::SetName(std::string name) {
    if (name == spec_.name) return;
    spec_.name = std::move(name);
    Changed(true);
}

void Font::SetHeight(int height) {
    if (height == spec_.height) return;
    spec_.height = height;
    Changed(true);
}

void Font::SetColor(TColor color) {
    if (color == spec_.color) return;
    spec_.color = color;
    Changed(false);
}

HFONT Font::Handle() const {
    if (!handle_) {
        const LOGFONTA log = ToLogFont(spec_);
        handle_.reset(CreateFontIndirectA(&log));
        if (!handle_) throw GdiError("Cannot create font");
    }
    return handle_.get();
}

void Font::Changed(bool shapeChanged) {
    if (shapeChanged) handle_.reset();
    if (OnChange) OnChange();
}

}  // namespace zelkova
