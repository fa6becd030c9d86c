// The GDI ownership wrappers: handles released exactly once, selections and DC state undone,
// off-screen buffers presented whole.
#include <gtest/gtest.h>

#include <utility>

#include "gui/Gdi.h"
#include "support/PixelCanvas_win.h"

namespace zelkova {
namespace {

using testing::PixelCanvas;

bool IsLiveGdiObject(HGDIOBJ object) { return GetObjectType(object) != 0; }

TEST(UniqueHandle, ReleasesOnceAndMovesOwnership) {
    HBRUSH raw = CreateSolidBrush(RGB(1, 2, 3));
    {
        OwnedBrush first(raw);
        OwnedBrush second(std::move(first));
        EXPECT_FALSE(first);  // NOLINT(bugprone-use-after-move): moved-from must be empty
        EXPECT_EQ(second.get(), raw);
        OwnedBrush third;
        third = std::move(second);
        EXPECT_EQ(third.get(), raw);
        EXPECT_TRUE(IsLiveGdiObject(raw));
    }
    EXPECT_FALSE(IsLiveGdiObject(raw));
}

TEST(UniqueHandle, ResetDeletesTheOldHandleAndReleaseGivesItUp) {
    HPEN a = CreatePen(PS_SOLID, 1, 0);
    HPEN b = CreatePen(PS_SOLID, 1, 0);
    OwnedPen pen(a);
    pen.reset(b);
    EXPECT_FALSE(IsLiveGdiObject(a));
    HPEN released = pen.release();
    EXPECT_EQ(released, b);
    EXPECT_FALSE(pen);
    EXPECT_TRUE(IsLiveGdiObject(b));
    DeleteObject(b);
}

TEST(UniqueHandle, SelfMoveAssignmentKeepsTheHandle) {
    OwnedBrush brush(CreateSolidBrush(0));
    OwnedBrush& alias = brush;
    brush = std::move(alias);
    EXPECT_TRUE(IsLiveGdiObject(brush.get()));
}

TEST(ScopedSelectObject, PutsThePreviousObjectBack) {
    PixelCanvas canvas(4, 4);
    const HGDIOBJ before = GetCurrentObject(canvas.dc(), OBJ_BRUSH);
    OwnedBrush brush(CreateSolidBrush(RGB(9, 9, 9)));
    {
        ScopedSelectObject selected(canvas.dc(), brush.get());
        EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_BRUSH), brush.get());
    }
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_BRUSH), before);
}

TEST(SavedDCState, RestoresOriginAndClip) {
    PixelCanvas canvas(10, 10);
    {
        SavedDCState saved(canvas.dc());
        SetViewportOrgEx(canvas.dc(), 5, 6, nullptr);
        IntersectClipRect(canvas.dc(), 0, 0, 1, 1);
    }
    POINT origin{};
    GetViewportOrgEx(canvas.dc(), &origin);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
    RECT clip{};
    GetClipBox(canvas.dc(), &clip);
    EXPECT_EQ(clip.right, 10);
}

TEST(CreateCompatibleBitmapOf, AFreshMemoryDCStillGivesAColourBitmap) {
    OwnedMemoryDC memory(CreateCompatibleDC(nullptr));
    OwnedBitmap bitmap = CreateCompatibleBitmapOf(memory.get(), 8, 8);
    BITMAP info{};
    ASSERT_EQ(GetObjectA(bitmap.get(), sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_GT(info.bmBitsPixel, 1);
    EXPECT_EQ(info.bmWidth, 8);
}

TEST(OffscreenBuffer, PresentCopiesTheWholeBufferAtTheOffset) {
    PixelCanvas target(20, 20, RGB(255, 255, 255));
    OffscreenBuffer buffer(target.dc(), 5, 4);
    OwnedBrush red(CreateSolidBrush(RGB(255, 0, 0)));
    RECT all{0, 0, 5, 4};
    FillRect(buffer.dc(), &all, red.get());

    buffer.Present(target.dc(), 10, 10);

    EXPECT_EQ(target.Pixel(10, 10), RGB(255, 0, 0));
    EXPECT_EQ(target.Pixel(14, 13), RGB(255, 0, 0));
    EXPECT_EQ(target.Pixel(15, 13), RGB(255, 255, 255));
    EXPECT_EQ(target.Pixel(14, 14), RGB(255, 255, 255));
    EXPECT_EQ(target.Pixel(9, 10), RGB(255, 255, 255));
}

TEST(OffscreenBuffer, AnEmptyBufferPresentsNothing) {
    PixelCanvas target(4, 4, RGB(255, 255, 255));
    OffscreenBuffer buffer(target.dc(), 0, -3);
    EXPECT_EQ(buffer.width(), 0);
    EXPECT_EQ(buffer.height(), 0);
    buffer.Present(target.dc());
    EXPECT_EQ(target.Pixel(0, 0), RGB(255, 255, 255));
}

TEST(BitmapSize, IsZeroForNoBitmap) {
    const SIZE size = BitmapSize(nullptr);
    EXPECT_EQ(size.cx, 0);
    EXPECT_EQ(size.cy, 0);
}

}  // namespace
}  // namespace zelkova
