// The kit's two free-standing drawing operations: a face frame drawn in nine parts onto a
// rectangle of any size, and a parent painting itself under a child.
#pragma once

#include <windows.h>

namespace zelkova {

// Draws face onto destination of canvas: corners at natural size, edges and centre stretched,
// fuchsia (0xFF00FF) keyed out of the edges and centre always and out of the corners only when
// transparent is set. face must not be selected into another DC. Raises GdiError when GDI runs
// out of resources.
void DrawStretchedFrame(HBITMAP face, HDC canvas, const RECT& destination, bool transparent);

// Paints the parent of control, as it lies under control, into canvas (whose origin is the
// control's top-left): the parent gets WM_ERASEBKGND and WM_PAINT with canvas as wParam. Nothing
// happens for a window that is not a child. The canvas's state is left as it was. The parent must
// paint into the DC it is given: one that leaves WM_PAINT to DefWindowProc would begin a paint of
// its own instead and so lose its pending update.
void PaintParentBackground(HDC canvas, HWND control);

// The same for a control that has no window of its own: its top-left in parent's client area.
void PaintParentBackground(HDC canvas, HWND parent, POINT controlTopLeft);

}  // namespace zelkova
