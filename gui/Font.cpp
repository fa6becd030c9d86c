#include "gui/Font.h"

#include <algorithm>
#include <cstring>

namespace zelkova {

LOGFONTA ToLogFont(const FontSpec& spec) {
    LOGFONTA log{};
    log.lfHeight = spec.height;
    log.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
    log.lfItalic = spec.italic ? TRUE : FALSE;
    log.lfUnderline = spec.underline ? TRUE : FALSE;
    log.lfStrikeOut = spec.strikeOut ? TRUE : FALSE;
    log.lfCharSet = static_cast<BYTE>(spec.charset);
    log.lfOutPrecision = OUT_DEFAULT_PRECIS;
    log.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    log.lfQuality = DEFAULT_QUALITY;
    log.lfPitchAndFamily = DEFAULT_PITCH;
    const std::size_t length = std::min(spec.name.size(), sizeof(log.lfFaceName) - 1);
    std::memcpy(log.lfFaceName, spec.name.data(), length);
    return log;
}

void Font::Assign(const FontSpec& spec) {
    const bool shapeChanged = spec.name != spec_.name || spec.height != spec_.height ||
                              spec.bold != spec_.bold || spec.italic != spec_.italic ||
                              spec.underline != spec_.underline ||
                              spec.strikeOut != spec_.strikeOut || spec.charset != spec_.charset;
    spec_ = spec;
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

void Font::SetBold(bool bold) {
    if (bold == spec_.bold) return;
    spec_.bold = bold;
    Changed(true);
}

void Font::SetItalic(bool italic) {
    if (italic == spec_.italic) return;
    spec_.italic = italic;
    Changed(true);
}

void Font::SetUnderline(bool underline) {
    if (underline == spec_.underline) return;
    spec_.underline = underline;
    Changed(true);
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
