// The push button's paint: the whole button is composed in an off-screen buffer (background,
// face, focus, caption) and copied to the window in one step, so a repaint never flickers.
#include <windows.h>

#include "skin/ButtonCaption.h"
#include "skin/win/SUIButton_win.h"
#include "skin/win/SUIPublic_win.h"

namespace zelkova {

namespace {

constexpr TColor kDisabledCaptionGrey = 0x808080;

// An image list of one size holding the bitmap's images; the source is not changed.
OwnedImageList MakeImageList(HBITMAP bitmap, Size imageSize, bool masked, COLORREF maskColor) {
    OwnedImageList list(ImageList_Create(imageSize.width, imageSize.height,
                                         ILC_COLOR24 | (masked ? ILC_MASK : 0), 2, 0));
    if (!list) throw GdiError("Cannot create image list");
    // ImageList_AddMasked blackens the masked pixels of the bitmap it is given: give it a copy.
    OwnedBitmap copy = CopyBitmap(bitmap);
    const int added = masked ? ImageList_AddMasked(list.get(), copy.get(), maskColor)
                             : ImageList_Add(list.get(), copy.get(), nullptr);
    if (added < 0) throw GdiError("Cannot add image");
    return list;
}

COLORREF TopLeftPixel(HDC reference, HBITMAP bitmap) {
    BitmapCanvas canvas(reference, bitmap);
    return GetPixel(canvas.dc(), 0, 0);
}

// The caption centred in area: measured with word breaks, then drawn centred.
void DrawCentredCaption(Canvas& canvas, const std::string& caption, const Rect& area) {
    Rect measured = area;
    canvas.DrawText(caption, measured, DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK,
                    static_cast<int>(caption.size()));
    Rect placed = CentreInRect(area, measured);
    canvas.DrawText(caption, placed, DT_CENTER, -1);
}

}  // namespace

OwnedBitmap CopyBitmap(HBITMAP source) {
    if (source == nullptr) return OwnedBitmap();
    OwnedBitmap copy(static_cast<HBITMAP>(CopyImage(source, IMAGE_BITMAP, 0, 0, 0)));
    if (!copy) throw GdiError("Cannot copy bitmap");
    return copy;
}

void DrawImageDisabled(HIMAGELIST list, int index, HDC dc, int x, int y) {
    int width = 0;
    int height = 0;
    if (!ImageList_GetIconSize(list, &width, &height) || width <= 0 || height <= 0) return;
    // The image on white: masked pixels come out white, so white and masked alike fall away.
    OwnedBitmap colour = CreateCompatibleBitmapOf(dc, width, height);
    BitmapCanvas colourCanvas(dc, colour.get());
    PatBlt(colourCanvas.dc(), 0, 0, width, height, WHITENESS);
    ImageList_Draw(list, index, colourCanvas.dc(), 0, 0, ILD_NORMAL);
    // Silhouette: black where the image has a pixel that is not white, white elsewhere.
    OwnedBitmap mono(CreateBitmap(width, height, 1, 1, nullptr));
    if (!mono) throw GdiError("Cannot create bitmap");
    BitmapCanvas monoCanvas(dc, mono.get());
    SetBkColor(colourCanvas.dc(), RGB(255, 255, 255));
    BitBlt(monoCanvas.dc(), 0, 0, width, height, colourCanvas.dc(), 0, 0, SRCCOPY);

    SavedDCState saved(dc);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    // PSDPxax: the brush where the silhouette is black, the destination where it is white.
    constexpr DWORD kBrushThroughBlack = 0x00B8074A;
    OwnedBrush highlight(CreateSolidBrush(GetSysColor(COLOR_BTNHIGHLIGHT)));
    OwnedBrush shadow(CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW)));
    ScopedSelectObject brush(dc, highlight.get());
    BitBlt(dc, x + 1, y + 1, width, height, monoCanvas.dc(), 0, 0, kBrushThroughBlack);
    brush.Reselect(shadow.get());
    BitBlt(dc, x, y, width, height, monoCanvas.dc(), 0, 0, kBrushThroughBlack);
}

void TsuiCustomButton::Paint(Canvas& canvas) {
    HDC target = canvas.RawHandle();
    const int width = Width();
    const int height = Height();
    OwnedBitmap face;
    try {
        if (!Enabled()) {
            LoadDisabledFace(face);
        } else if (pressed_) {
            LoadPressedFace(face);
        } else if (mouseOver_) {
            LoadHotFace(face);
        } else {
            LoadNormalFace(face);
        }
    } catch (...) {
        // A face that cannot be had must not stop the paint (nor be reported).
        face = CreateCompatibleBitmapOf(target, kFallbackFaceSize.width, kFallbackFaceSize.height);
    }
    OffscreenBuffer buffer(target, width, height);
    if (transparent_) {
        PaintParentBackground(buffer.dc(), Handle());
    } else {
        Canvas background(buffer.dc());
        background.SetBrushColor(Color());
        background.FillRect(Rect{0, 0, width, height});
    }
    {
        Canvas composed(buffer.dc());
        DrawFace(composed, face.get());
        face.reset();
        if (Focused() && TabStop()) DrawFocus(composed);
        composed.SetFont(GetFont());
        canvas.SetFont(GetFont());
        if (HasVisibleCaption(caption_)) DrawCaption(composed, caption_);
    }
    buffer.Present(target);
}

void TsuiCustomButton::DrawFace(Canvas& canvas, HBITMAP face) {
    const SIZE size = BitmapSize(face);
    if (size.cx <= 0 || size.cy <= 0) return;
    HDC dc = canvas.Handle();
    OwnedImageList list = MakeImageList(face, Size{size.cx, size.cy}, faceTransparent_,
                                        faceTransparent_ ? TopLeftPixel(dc, face) : 0);
    if (Enabled()) {
        ImageList_Draw(list.get(), 0, dc, 0, 0, ILD_NORMAL);
    } else {
        DrawImageDisabled(list.get(), 0, dc, 0, 0);
    }
}

void TsuiCustomButton::DrawCaption(Canvas& canvas, const std::string& caption) {
    canvas.SetBrushStyle(BrushStyle::Clear);
    Rect area = ClientRect();
    canvas.SetFont(GetFont());
    if (boldCaption_) canvas.SetFontBold(true);
    if (!Enabled()) {
        canvas.SetFontColor(kWhite);
        DrawCentredCaption(canvas, caption, area.Offset(1, 1));
        area = ClientRect();
        canvas.SetFontColor(kDisabledCaptionGrey);
    } else if (pressed_) {
        area = area.Offset(1, 1);
    }
    DrawCentredCaption(canvas, caption, area);
    boldCaption_ = false;
}

void TsuiCustomButton::DrawFocus(Canvas& canvas) {
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.DrawFocusRect(FocusRectangle(Size{Width(), Height()}, focusedRectMargin_));
}

void TsuiButton::DrawFace(Canvas& canvas, HBITMAP face) {
    canvas.SetFont(GetFont());
    const SIZE faceSize = BitmapSize(face);
    HDC dc = canvas.Handle();
    if (faceSize.cx > 0 && faceSize.cy > 0) {
        const RECT client{0, 0, Width(), Height()};
        DrawStretchedFrame(face, dc, client, FaceTransparent());
    }
    if (!glyph_) return;
    const Size text = canvas.TextExtent(Caption());  // ampersands and all
    const SIZE glyphSize = BitmapSize(glyph_.get());
    const GlyphLayout layout =
        LayOutGlyph(Layout(), Size{Width(), Height()}, Size{glyphSize.cx, glyphSize.cy}, text,
                    Spacing(), Pressed());
    captionPos_ = layout.caption;
    if (layout.image.width <= 0 || layout.image.height <= 0) return;
    OwnedImageList list =
        MakeImageList(glyph_.get(), layout.image, true, TopLeftPixel(dc, glyph_.get()));
    if (layout.twoImages) {
        ImageList_Draw(list.get(), Enabled() ? 0 : 1, dc, layout.glyph.x, layout.glyph.y,
                       ILD_NORMAL);
    } else if (Enabled()) {
        ImageList_Draw(list.get(), 0, dc, layout.glyph.x, layout.glyph.y, ILD_NORMAL);
    } else {
        DrawImageDisabled(list.get(), 0, dc, layout.glyph.x, layout.glyph.y);
    }
}

void TsuiButton::DrawCaption(Canvas& canvas, const std::string& caption) {
    if (!glyph_) {
        TsuiCustomButton::DrawCaption(canvas, caption);
        return;
    }
    // With a glyph the caption goes where the layout put it, on one line.
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetFont(GetFont());
    if (!Enabled()) {
        canvas.SetFontColor(kWhite);
        Rect shadow{captionPos_.x + 1, captionPos_.y + 1, Width(), Height()};
        canvas.DrawText(Caption(), shadow, DT_SINGLELINE, -1);
        canvas.SetFontColor(kDisabledCaptionGrey);
    } else if (Pressed()) {
        captionPos_ = Point{captionPos_.x + 1, captionPos_.y + 1};
    }
    Rect area{captionPos_.x, captionPos_.y, Width(), Height()};
    canvas.DrawText(Caption(), area, DT_SINGLELINE, -1);
}

}  // namespace zelkova
