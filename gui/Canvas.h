// Drawing on a borrowed device context with a current font, brush and pen, made into GDI
// objects only when an operation needs them. Whatever the canvas selected into the DC is put
// back when the canvas goes away.
#pragma once

#include <optional>
#include <string_view>

#include "gui/Font.h"
#include "gui/Gdi.h"
#include "base/Geometry.h"

namespace zelkova {

enum class BrushStyle { Solid, Clear };

class Canvas {
public:
    explicit Canvas(HDC dc);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // The DC with the current font, brush, pen and colours selected, ready for direct calls.
    HDC Handle();
    HDC RawHandle() const { return dc_; }

    const FontSpec& GetFont() const { return font_; }
    void SetFont(const Font& font) { SetFont(font.Attributes()); }
    void SetFont(const FontSpec& font);
    void SetFontColor(TColor color);
    void SetFontBold(bool bold);

    void SetBrushColor(TColor color);
    void SetBrushStyle(BrushStyle style);
    void SetPenColor(TColor color);

    void FillRect(const Rect& rect);
    void MoveTo(int x, int y);
    // A line from the current point up to, not including, (x, y).
    void LineTo(int x, int y);

    Size TextExtent(std::string_view text);
    int TextWidth(std::string_view text) { return TextExtent(text).width; }
    int TextHeight(std::string_view text) { return TextExtent(text).height; }
    void TextOut(int x, int y, std::string_view text);
    // DrawTextA on rect with the given flags; length -1 draws up to a terminating zero.
    int DrawText(std::string_view text, Rect& rect, UINT flags, int length);

    // The dotted focus rectangle, drawn by inversion (drawing it twice removes it).
    void DrawFocusRect(const Rect& rect);

    // Copies source's rectangle onto dest, stretching when the sizes differ.
    void CopyRect(const Rect& dest, HDC source, const Rect& sourceRect);

private:
    void RealizeFont();
    void RealizeBrush();
    void RealizePen();
    void Select(HGDIOBJ object, std::optional<ScopedSelectObject>& selection);

    HDC dc_;
    FontSpec font_;
    bool fontDirty_ = true;
    TColor brushColor_ = kWhite;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    bool brushDirty_ = true;
    TColor penColor_ = kBlack;
    bool penDirty_ = true;
    OwnedFont fontObject_;
    OwnedBrush brushObject_;
    OwnedPen penObject_;
    SavedDCState savedState_;
    // After the objects, so that none of ours is still selected when it is deleted; after the
    // saved state too, which then puts back colours and modes.
    std::optional<ScopedSelectObject> penSelection_;
    std::optional<ScopedSelectObject> brushSelection_;
    std::optional<ScopedSelectObject> fontSelection_;
};

inline RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
inline Rect FromRECT(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }

}  // namespace zelkova
