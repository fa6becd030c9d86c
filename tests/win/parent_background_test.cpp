// A parent painting itself into a child's off-screen buffer, as it lies under the child.
#include <gtest/gtest.h>

#include "gui/Gdi.h"
#include "skin/win/SUIPublic_win.h"
#include "support/PixelCanvas_win.h"

namespace zelkova {
namespace {

using testing::PixelCanvas;

constexpr COLORREF kParentColour = RGB(0x20, 0x90, 0x40);
constexpr COLORREF kMarkColour = RGB(200, 0, 0);
constexpr COLORREF kUntouched = RGB(255, 255, 255);
constexpr RECT kMark{50, 50, 60, 60};  // in the parent's client area

int g_paintsWithDC = 0;

// Erases with its colour and paints a mark, into the DC it is handed.
LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: {
            RECT client{};
            GetClientRect(window, &client);
            OwnedBrush brush(CreateSolidBrush(kParentColour));
            FillRect(reinterpret_cast<HDC>(wParam), &client, brush.get());
            return 1;
        }
        case WM_PAINT:
            if (wParam != 0) {
                ++g_paintsWithDC;
                OwnedBrush brush(CreateSolidBrush(kMarkColour));
                FillRect(reinterpret_cast<HDC>(wParam), &kMark, brush.get());
                return 0;
            }
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class ParentBackground : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = ParentProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "ZelkovaTestParent";
        RegisterClassA(&windowClass);  // fails harmlessly when already registered
        parent_ = CreateWindowExA(0, "ZelkovaTestParent", "", WS_POPUP, 0, 0, 200, 150, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(parent_, nullptr);
        g_paintsWithDC = 0;
    }
    void TearDown() override { DestroyWindow(parent_); }

    HWND MakeChild(int x, int y, int width, int height) {
        return CreateWindowExA(0, "STATIC", "", WS_CHILD, x, y, width, height, parent_, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    }

    HWND parent_ = nullptr;
};

TEST_F(ParentBackground, TheParentPaintsWhatLiesUnderTheChild) {
    HWND child = MakeChild(45, 45, 30, 30);
    PixelCanvas buffer(30, 30, kUntouched);

    PaintParentBackground(buffer.dc(), child);

    EXPECT_EQ(g_paintsWithDC, 1);
    EXPECT_EQ(buffer.Pixel(0, 0), kParentColour);
    EXPECT_EQ(buffer.Pixel(4, 4), kParentColour);
    EXPECT_EQ(buffer.Pixel(5, 5), kMarkColour);    // parent (50, 50)
    EXPECT_EQ(buffer.Pixel(14, 14), kMarkColour);  // parent (59, 59)
    EXPECT_EQ(buffer.Pixel(15, 15), kParentColour);
    EXPECT_EQ(buffer.Pixel(29, 29), kParentColour);
}

TEST_F(ParentBackground, NothingOutsideTheParentsClientAreaIsTouched) {
    HWND child = MakeChild(190, 140, 30, 30);  // hangs over the parent's right and bottom edges
    PixelCanvas buffer(30, 30, kUntouched);

    PaintParentBackground(buffer.dc(), child);

    EXPECT_EQ(buffer.Pixel(9, 9), kParentColour);
    EXPECT_EQ(buffer.Pixel(10, 5), kUntouched);
    EXPECT_EQ(buffer.Pixel(5, 10), kUntouched);
    EXPECT_EQ(buffer.Pixel(29, 29), kUntouched);
}

TEST_F(ParentBackground, TheCanvasStateIsRestored) {
    HWND child = MakeChild(45, 45, 30, 30);
    PixelCanvas buffer(30, 30, kUntouched);
    OwnedPen pen(CreatePen(PS_SOLID, 1, RGB(1, 2, 3)));
    ScopedSelectObject selected(buffer.dc(), pen.get());
    SetViewportOrgEx(buffer.dc(), 3, 4, nullptr);

    PaintParentBackground(buffer.dc(), child);

    POINT origin{};
    GetViewportOrgEx(buffer.dc(), &origin);
    EXPECT_EQ(origin.x, 3);
    EXPECT_EQ(origin.y, 4);
    EXPECT_EQ(GetCurrentObject(buffer.dc(), OBJ_PEN), pen.get());
    RECT clip{};
    EXPECT_EQ(GetClipBox(buffer.dc(), &clip), SIMPLEREGION);
    EXPECT_EQ(clip.right - clip.left, 30);
    // The caller's origin shift applies to the parent's painting too.
    EXPECT_EQ(buffer.Pixel(3 + 5, 4 + 5), kMarkColour);
    EXPECT_EQ(buffer.Pixel(3 + 4, 4 + 4), kParentColour);
    SetViewportOrgEx(buffer.dc(), 0, 0, nullptr);
}

TEST_F(ParentBackground, AWindowWithoutAParentPaintsNothing) {
    PixelCanvas buffer(30, 30, kUntouched);
    PaintParentBackground(buffer.dc(), parent_);  // a top-level window: its owner is no parent
    PaintParentBackground(buffer.dc(), nullptr);
    PaintParentBackground(buffer.dc(), nullptr, POINT{0, 0});
    EXPECT_EQ(g_paintsWithDC, 0);
    EXPECT_EQ(buffer.Pixel(15, 15), kUntouched);
}

TEST_F(ParentBackground, AControlWithoutAWindowGivesItsPositionInstead) {
    PixelCanvas buffer(20, 20, kUntouched);
    PaintParentBackground(buffer.dc(), parent_, POINT{55, 55});
    EXPECT_EQ(buffer.Pixel(0, 0), kMarkColour);  // parent (55, 55)
    EXPECT_EQ(buffer.Pixel(5, 5), kParentColour);
}

}  // namespace
}  // namespace zelkova
