#include "skin/SUIPublic_win.h"

#include "gui/Gdi.h"
#include "skin/NinePart.h"
#include "skin/SUIThemes.h"

namespace zelkova {

namespace {

constexpr COLORREF kKeyColour = static_cast<COLORREF>(kThemeKeyColor);

// A corner goes through an image list of its own size, masked with fuchsia only when the face is
// transparent: an opaque face shows its fuchsia corners as they are.
void DrawCorner(HDC canvas, HDC face, const NinePartPiece& piece, bool transparent) {
    const int width = piece.source.Width();
    const int height = piece.source.Height();
    OwnedBitmap scratch = CreateCompatibleBitmapOf(canvas, width, height);
    {
        BitmapCanvas cut(canvas, scratch.get());
        BitBlt(cut.dc(), 0, 0, width, height, face, piece.source.left, piece.source.top, SRCCOPY);
    }
    OwnedImageList list(ImageList_Create(width, height, ILC_COLOR24 | (transparent ? ILC_MASK : 0), 1, 0));
    if (!list) throw GdiError("Cannot create an image list");
    const int added = transparent ? ImageList_AddMasked(list.get(), scratch.get(), kKeyColour)
                                  : ImageList_Add(list.get(), scratch.get(), nullptr);
    if (added < 0) throw GdiError("Cannot add an image to an image list");
    ImageList_Draw(list.get(), 0, canvas, piece.target.left, piece.target.top, ILD_NORMAL);
}

// Stretching the source into a target-sized scratch bitmap and then drawing that with the key
// colour gives the same pixels as one keyed stretching copy, which needs no scratch bitmap.
void DrawStretchedPiece(HDC canvas, HDC face, const NinePartPiece& piece) {
    const Rect& to = piece.target;
    const Rect& from = piece.source;
    TransparentBlt(canvas, to.left, to.top, to.Width(), to.Height(), face, from.left, from.top,
                   from.Width(), from.Height(), kKeyColour);
}

}  // namespace

void DrawStretchedFrame(HBITMAP face, HDC canvas, const RECT& destination, bool transparent) {
    const SIZE faceSize = BitmapSize(face);
    if (faceSize.cx <= 0 || faceSize.cy <= 0) return;
    const NinePartPlan plan =
        PlanNinePart({faceSize.cx, faceSize.cy},
                     {destination.left, destination.top, destination.right, destination.bottom});
    BitmapCanvas source(canvas, face);
    for (const NinePartPiece& piece : plan) {
        if (piece.source.IsEmpty() || piece.target.IsEmpty()) continue;
        if (piece.IsCorner()) {
            DrawCorner(canvas, source.dc(), piece, transparent);
        } else {
            DrawStretchedPiece(canvas, source.dc(), piece);
        }
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
