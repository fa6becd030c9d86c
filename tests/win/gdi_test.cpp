// The GDI ownership wrappers: handles released exactly once, selections and DC state undone,
// off-screen buffers presented whole.
#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

#include "gui/Gdi.h"
#include "support/PixelCanvas_win.h"

namespace zelkova {
namespace {

using testing::PixelCanvas;

bool IsLiveGdiObject(HGDIOBJ object) {
    return GetObjectType(object) != 0;
}

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

TEST(ScopedSelectObject, ReselectingStillPutsTheFirstPreviousObjectBack) {
    PixelCanvas canvas(4, 4);
    const HGDIOBJ before = GetCurrentObject(canvas.dc(), OBJ_BRUSH);
    OwnedBrush first(CreateSolidBrush(RGB(1, 1, 1)));
    OwnedBrush second(CreateSolidBrush(RGB(2, 2, 2)));
    {
        ScopedSelectObject selected(canvas.dc(), first.get());
        selected.Reselect(second.get());
        EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_BRUSH), second.get());
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

TEST(OffscreenBuffer, ItsPixelsAreWhatGdiDrew) {
    PixelCanvas target(4, 4);
    OffscreenBuffer buffer(target.dc(), 6, 3);
    SetPixelV(buffer.dc(), 5, 2, RGB(10, 20, 30));
    GdiFlush();
    const DibPixels& pixels = buffer.Pixels();
    EXPECT_EQ(pixels.width, 6);
    EXPECT_EQ(pixels.height, 3);
    EXPECT_EQ(pixels.Row(2)[5] & 0xFFFFFF, 0x0A141Eu);
    EXPECT_EQ(pixels.Row(0)[0] & 0xFFFFFF, 0u);
}

TEST(BitmapCanvas, ABitmapHeldByAnotherCanvasIsRefused) {
    OwnedBitmap bitmap = CreateDib32(4, 4);
    BitmapCanvas first(nullptr, bitmap.get());
    EXPECT_THROW(BitmapCanvas(nullptr, bitmap.get()), GdiError);
}

TEST(OffscreenBuffer, AnEmptyBufferPresentsNothing) {
    PixelCanvas target(4, 4, RGB(255, 255, 255));
    OffscreenBuffer buffer(target.dc(), 0, -3);
    EXPECT_EQ(buffer.width(), 0);
    EXPECT_EQ(buffer.height(), 0);
    buffer.Present(target.dc());
    EXPECT_EQ(target.Pixel(0, 0), RGB(255, 255, 255));
}

// A 32-bit DIB section stored either way up, with row y filled with colour y + 1.
OwnedBitmap MakeRowsDib(int width, int height, bool topDown) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = topDown ? -height : height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    OwnedBitmap dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    auto* stored = static_cast<std::uint32_t*>(bits);
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row;
        for (int x = 0; x < width; ++x) stored[row * width + x] = static_cast<std::uint32_t>(y + 1);
    }
    return dib;
}

TEST(Dib32Pixels, FindsTheTopRowWhicheverWayUpTheRowsAreStored) {
    for (bool topDown : {true, false}) {
        OwnedBitmap dib = MakeRowsDib(3, 4, topDown);
        const auto pixels = Dib32Pixels(dib.get());
        ASSERT_TRUE(pixels) << topDown;
        EXPECT_EQ(pixels->width, 3);
        EXPECT_EQ(pixels->height, 4);
        for (int y = 0; y < 4; ++y) EXPECT_EQ(pixels->Row(y)[2], std::uint32_t(y + 1)) << topDown;
    }
}

TEST(Dib32Pixels, UniformBitmapsAndSingleRowsAreReadToo) {
    for (int height : {1, 5}) {
        OwnedBitmap dib = CreateDib32(4, height);
        const auto pixels = Dib32Pixels(dib.get());
        ASSERT_TRUE(pixels);
        EXPECT_EQ(pixels->Row(height - 1)[3], 0u);  // and the probe left no mark behind
        EXPECT_EQ(pixels->Row(0)[0], 0u);
    }
}

TEST(Dib32Pixels, OtherBitmapsHaveNoPixelView) {
    EXPECT_FALSE(Dib32Pixels(nullptr));
    OwnedBitmap device = testing::MakeBitmap(2, 2, {0, 0, 0, 0});
    EXPECT_FALSE(Dib32Pixels(device.get()));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 2;
    info.bmiHeader.biHeight = 2;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    OwnedBitmap rgb24(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    EXPECT_FALSE(Dib32Pixels(rgb24.get()));
}

TEST(BitmapSize, IsZeroForNoBitmap) {
    const SIZE size = BitmapSize(nullptr);
    EXPECT_EQ(size.cx, 0);
    EXPECT_EQ(size.cy, 0);
}

}  // namespace
}  // namespace zelkova
