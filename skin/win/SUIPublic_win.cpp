// The nine pieces are drawn by our own pixel loop whenever both the face and the canvas are
// 32-bit DIB sections and the canvas has no transform or irregular clip: that is every button
// paint. It gives the pixels GDI would (nearest-neighbour stretching, fuchsia keyed out) at a
// small fraction of the cost: under Wine one keyed TransparentBlt or one image-list round trip
// of a corner costs hundreds of microseconds, a plain blit well under one. Anything else takes
// the GDI road: corners through image lists, edges and centre through keyed stretching copies.
#include "skin/win/SUIPublic_win.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "gui/Gdi.h"
#include "skin/NinePart.h"
#include "skin/SUIThemes.h"

namespace zelkova {

namespace {

constexpr COLORREF kKeyColour = static_cast<COLORREF>(kThemeKeyColor);
constexpr std::uint32_t kKeyPixel = 0xFF00FF;  // fuchsia as a DIB pixel (same either way round)

// Where drawing on a DC lands in its bitmap's pixels.
struct PixelTarget {
    DibPixels pixels;
    POINT offset;  // device point of logical (0, 0)
    RECT clip;     // in device pixels, inside the bitmap
};

// The canvas as pixels, when drawing on it is a plain translation clipped to a rectangle.
std::optional<PixelTarget> AsPixelTarget(HDC canvas) {
    if (GetObjectType(canvas) != OBJ_MEMDC || GetMapMode(canvas) != MM_TEXT ||
        GetGraphicsMode(canvas) != GM_COMPATIBLE) {
        return std::nullopt;
    }
    const auto pixels = Dib32Pixels(static_cast<HBITMAP>(GetCurrentObject(canvas, OBJ_BITMAP)));
    if (!pixels) return std::nullopt;
    POINT window{}, viewport{};
    GetWindowOrgEx(canvas, &window);
    GetViewportOrgEx(canvas, &viewport);
    PixelTarget target{*pixels, {viewport.x - window.x, viewport.y - window.y}, {}};
    RECT box{};
    const int kind = GetClipBox(canvas, &box);
    if (kind == COMPLEXREGION || kind == ERROR) return std::nullopt;
    if (kind == NULLREGION) box = RECT{0, 0, 0, 0};
    OffsetRect(&box, target.offset.x, target.offset.y);
    const RECT bitmap{0, 0, pixels->width, pixels->height};
    IntersectRect(&target.clip, &box, &bitmap);
    return target;
}

// Nearest-neighbour stretch of source onto target (logical), optionally skipping key pixels.
void CopyPixels(const PixelTarget& to, const DibPixels& face, const Rect& source,
                const Rect& target, bool keyed) {
    const int left = std::max<int>(target.left + to.offset.x, to.clip.left);
    const int right = std::min<int>(target.right + to.offset.x, to.clip.right);
    const int top = std::max<int>(target.top + to.offset.y, to.clip.top);
    const int bottom = std::min<int>(target.bottom + to.offset.y, to.clip.bottom);
    const int tw = target.Width();
    const int th = target.Height();
    const int sw = source.Width();
    const int sh = source.Height();
    for (int y = top; y < bottom; ++y) {
        const int sy = source.top + (y - to.offset.y - target.top) * sh / th;
        const std::uint32_t* from = face.Row(sy);
        std::uint32_t* row = to.pixels.Row(y);
        for (int x = left; x < right; ++x) {
            const std::uint32_t pixel =
                from[source.left + (x - to.offset.x - target.left) * sw / tw] & 0xFFFFFF;
            if (keyed && pixel == kKeyPixel) continue;
            row[x] = pixel;
        }
    }
}

// A piece whose source lies outside the face is not drawn (a plan never asks for one).
bool InsideFace(const Rect& source, const DibPixels& face) {
    return source.left >= 0 && source.top >= 0 && source.right <= face.width &&
           source.bottom <= face.height;
}

void DrawPiecesAsPixels(const NinePartPlan& plan, const DibPixels& face, const PixelTarget& to,
                        bool transparent) {
    GdiFlush();
    for (const NinePartPiece& piece : plan) {
        if (piece.source.IsEmpty() || piece.target.IsEmpty() || !InsideFace(piece.source, face)) {
            continue;
        }
        CopyPixels(to, face, piece.source, piece.target, !piece.IsCorner() || transparent);
    }
}

// A corner goes through an image list of its own size, masked with fuchsia only when the face is
// transparent: an opaque face shows its fuchsia corners as they are.
void DrawCornerWithGdi(HDC canvas, HDC face, const NinePartPiece& piece, bool transparent) {
    const int width = piece.source.Width();
    const int height = piece.source.Height();
    OwnedBitmap scratch = CreateCompatibleBitmapOf(canvas, width, height);
    {
        BitmapCanvas cut(face, scratch.get());
        BitBlt(cut.dc(), 0, 0, width, height, face, piece.source.left, piece.source.top, SRCCOPY);
    }
    OwnedImageList list(
        ImageList_Create(width, height, ILC_COLOR24 | (transparent ? ILC_MASK : 0), 1, 0));
    if (!list) throw GdiError("Cannot create an image list");
    const int added = transparent ? ImageList_AddMasked(list.get(), scratch.get(), kKeyColour)
                                  : ImageList_Add(list.get(), scratch.get(), nullptr);
    if (added < 0) throw GdiError("Cannot add an image to an image list");
    ImageList_Draw(list.get(), 0, canvas, piece.target.left, piece.target.top, ILD_NORMAL);
}

// One keyed stretching copy gives the pixels of stretching into a scratch bitmap and drawing
// that with the key colour.
void DrawStretchedWithGdi(HDC canvas, HDC face, const NinePartPiece& piece) {
    const Rect& to = piece.target;
    const Rect& from = piece.source;
    TransparentBlt(canvas, to.left, to.top, to.Width(), to.Height(), face, from.left, from.top,
                   from.Width(), from.Height(), kKeyColour);
}

void DrawPiecesWithGdi(const NinePartPlan& plan, HBITMAP face, HDC canvas, bool transparent) {
    BitmapCanvas source(canvas, face);
    for (const NinePartPiece& piece : plan) {
        if (piece.source.IsEmpty() || piece.target.IsEmpty()) continue;
        if (piece.IsCorner()) {
            DrawCornerWithGdi(canvas, source.dc(), piece, transparent);
        } else {
            DrawStretchedWithGdi(canvas, source.dc(), piece);
        }
    }
}

}  // namespace

void DrawStretchedFrame(HBITMAP face, HDC canvas, const RECT& destination, bool transparent) {
    const SIZE faceSize = BitmapSize(face);
    if (faceSize.cx <= 0 || faceSize.cy <= 0) return;
    const NinePartPlan plan =
        PlanNinePart({faceSize.cx, faceSize.cy},
                     {destination.left, destination.top, destination.right, destination.bottom});
    const auto facePixels = Dib32Pixels(face);
    const auto target = facePixels ? AsPixelTarget(canvas) : std::nullopt;
    if (target) {
        DrawPiecesAsPixels(plan, *facePixels, *target, transparent);
    } else {
        DrawPiecesWithGdi(plan, face, canvas, transparent);
    }
}

void PaintParentBackground(HDC canvas, HWND control) {
    if (control == nullptr || (GetWindowLongA(control, GWL_STYLE) & WS_CHILD) == 0) return;
    HWND parent = GetParent(control);
    if (parent == nullptr) return;
    RECT bounds{};
    GetWindowRect(control, &bounds);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&bounds), 2);
    PaintParentBackground(canvas, parent, POINT{bounds.left, bounds.top});
}

void PaintParentBackground(HDC canvas, HWND parent, POINT controlTopLeft) {
    if (parent == nullptr) return;
    SavedDCState state(canvas);
    POINT origin{};
    GetViewportOrgEx(canvas, &origin);
    SetViewportOrgEx(canvas, origin.x - controlTopLeft.x, origin.y - controlTopLeft.y, nullptr);
    RECT client{};
    GetClientRect(parent, &client);
    IntersectClipRect(canvas, 0, 0, client.right, client.bottom);
    SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas), 0);
    SendMessageA(parent, WM_PAINT, reinterpret_cast<WPARAM>(canvas), 0);
}

}  // namespace zelkova
