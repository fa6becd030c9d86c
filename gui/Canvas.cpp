#include "gui/Canvas.h"

#include <climits>

namespace zelkova {

namespace {
int ClampedLength(std::string_view text) {
    return text.size() > static_cast<std::size_t>(INT_MAX) ? INT_MAX
                                                           : static_cast<int>(text.size());
}
}  // namespace

Canvas::Canvas(HDC dc) : dc_(dc), savedState_(dc) {}

Canvas::~Canvas() = default;

HDC Canvas::Handle() {
    RealizeFont();
    RealizeBrush();
    RealizePen();
    return dc_;
}

void Canvas::SetFont(const FontSpec& font) {
    font_ = font;
    fontDirty_ = true;
}

void Canvas::SetFontColor(TColor color) {
    font_.color = color;
    fontDirty_ = true;
}

void Canvas::SetFontBold(bool bold) {
    font_.bold = bold;
    fontDirty_ = true;
}

void Canvas::SetBrushColor(TColor color) {
    brushColor_ = color;
    brushStyle_ = BrushStyle::Solid;
    brushDirty_ = true;
}

void Canvas::SetBrushStyle(BrushStyle style) {
    brushStyle_ = style;
    brushDirty_ = true;
}

void Canvas::SetPenColor(TColor color) {
    penColor_ = color;
    penDirty_ = true;
}

void Canvas::Select(HGDIOBJ object, std::optional<ScopedSelectObject>& selection) {
    if (selection)
        selection->Reselect(object);
    else
        selection.emplace(dc_, object);
}

void Canvas::RealizeFont() {
    if (!fontDirty_) return;
    const LOGFONTA log = ToLogFont(font_);
    OwnedFont next(CreateFontIndirectA(&log));
    if (!next) throw GdiError("Cannot create font");
    Select(next.get(), fontSelection_);
    fontObject_ = std::move(next);  // the previous font is no longer selected
    SetTextColor(dc_, ColorToRgb(font_.color));
    fontDirty_ = false;
}

void Canvas::RealizeBrush() {
    if (!brushDirty_) return;
    if (brushStyle_ == BrushStyle::Clear) {
        Select(GetStockObject(NULL_BRUSH), brushSelection_);
        brushObject_.reset();
        SetBkMode(dc_, TRANSPARENT);
    } else {
        OwnedBrush next(CreateSolidBrush(ColorToRgb(brushColor_)));
        if (!next) throw GdiError("Cannot create brush");
        Select(next.get(), brushSelection_);
        brushObject_ = std::move(next);
        SetBkMode(dc_, OPAQUE);
        SetBkColor(dc_, ColorToRgb(brushColor_));
    }
    brushDirty_ = false;
}

void Canvas::RealizePen() {
    if (!penDirty_) return;
    OwnedPen next(CreatePen(PS_SOLID, 1, ColorToRgb(penColor_)));
    if (!next) throw GdiError("Cannot create pen");
    Select(next.get(), penSelection_);
    penObject_ = std::move(next);
    penDirty_ = false;
}

void Canvas::FillRect(const Rect& rect) {
    RealizeBrush();
    if (brushStyle_ == BrushStyle::Clear) return;
    const RECT r = ToRECT(rect);
    ::FillRect(dc_, &r, brushObject_.get());
}

void Canvas::MoveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }

void Canvas::LineTo(int x, int y) {
    RealizePen();
    ::LineTo(dc_, x, y);
}

Size Canvas::TextExtent(std::string_view text) {
    RealizeFont();
    SIZE size{};
    GetTextExtentPoint32A(dc_, text.data(), ClampedLength(text), &size);
    return Size{size.cx, size.cy};
}

void Canvas::TextOut(int x, int y, std::string_view text) {
    Handle();
    ::TextOutA(dc_, x, y, text.data(), ClampedLength(text));
}

int Canvas::DrawText(std::string_view text, Rect& rect, UINT flags, int length) {
    Handle();
    RECT r = ToRECT(rect);
    // DrawTextA with -1 reads to a terminating zero, which a string_view need not have.
    const std::string terminated(text);
    const int count = length < 0 ? -1 : std::min(length, ClampedLength(terminated));
    const int height = ::DrawTextA(dc_, terminated.c_str(), count, &r, flags);
    rect = FromRECT(r);
    return height;
}

void Canvas::DrawFocusRect(const Rect& rect) {
    RealizeBrush();
    const RECT r = ToRECT(rect);
    // The dotted rectangle inverts; text and background colours must be the plain ones.
    const COLORREF oldText = SetTextColor(dc_, RGB(0, 0, 0));
    const COLORREF oldBack = SetBkColor(dc_, RGB(255, 255, 255));
    ::DrawFocusRect(dc_, &r);
    SetTextColor(dc_, oldText);
    SetBkColor(dc_, oldBack);
}

void Canvas::CopyRect(const Rect& dest, HDC source, const Rect& sourceRect) {
    const int oldMode = SetStretchBltMode(dc_, COLORONCOLOR);
    StretchBlt(dc_, dest.left, dest.top, dest.Width(), dest.Height(), source, sourceRect.left,
               sourceRect.top, sourceRect.Width(), sourceRect.Height(), SRCCOPY);
    SetStretchBltMode(dc_, oldMode);
}

}  // namespace zelkova
