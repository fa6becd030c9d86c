// The nine-part drawing of a face frame, checked pixel by pixel against the rectangles the
// artwork was made for, on the two button sizes of the program's windows.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "skin/win/SUIPublic_win.h"
#include "support/PixelCanvas_win.h"

namespace zelkova {
namespace {

using testing::DescribeColour;
using testing::MakeBitmap;
using testing::PixelCanvas;

constexpr COLORREF kFuchsia = RGB(255, 0, 255);
constexpr COLORREF kBackground = RGB(0x10, 0x20, 0x30);
constexpr int kFaceWidth = 84;
constexpr int kFaceHeight = 23;

// Every face pixel tells where it came from; blue 0x40 keeps it clear of fuchsia.
COLORREF FacePixel(int x, int y) {
    return RGB(x * 3, y * 11, 0x40);
}

// The four outermost corner pixels and one pixel of the top edge's source column are fuchsia.
bool IsKeyedInFace(int x, int y) {
    const bool corner = (x == 0 || x == kFaceWidth - 1) && (y == 0 || y == kFaceHeight - 1);
    return corner || (x == 42 && y == 0);
}

// The face as a 32-bit DIB section (as the theme layer loads it) or as a display-format bitmap
// (as a skin file's may be): the two are drawn by different code.
enum class FaceKind { Dib, DeviceBitmap };

OwnedBitmap MakeFace(FaceKind kind = FaceKind::Dib) {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < kFaceHeight; ++y) {
        for (int x = 0; x < kFaceWidth; ++x) {
            pixels.push_back(IsKeyedInFace(x, y) ? kFuchsia : FacePixel(x, y));
        }
    }
    return kind == FaceKind::Dib ? testing::MakeDib(kFaceWidth, kFaceHeight, pixels)
                                 : MakeBitmap(kFaceWidth, kFaceHeight, pixels);
}

// One expected piece: its target, where each target pixel comes from, and whether fuchsia is
// keyed out there.
struct ExpectedPiece {
    const char* name;
    RECT target;
    std::function<POINT(int x, int y)> source;
    bool corner;
};

// What the canvas must show, painting the expected pieces in drawing order over the background.
std::vector<COLORREF> ExpectedImage(int width, int height, const std::vector<ExpectedPiece>& pieces,
                                    bool transparent) {
    std::vector<COLORREF> image(static_cast<size_t>(width) * height, kBackground);
    for (const ExpectedPiece& piece : pieces) {
        for (int y = piece.target.top; y < piece.target.bottom; ++y) {
            for (int x = piece.target.left; x < piece.target.right; ++x) {
                const POINT from = piece.source(x, y);
                if (IsKeyedInFace(from.x, from.y)) {
                    if (piece.corner && !transparent)
                        image[y * width + x] = kFuchsia;
                    continue;
                }
                image[y * width + x] = FacePixel(from.x, from.y);
            }
        }
    }
    return image;
}

void ExpectCanvasShows(const PixelCanvas& canvas, const std::vector<COLORREF>& expected) {
    int mismatches = 0;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const COLORREF want = expected[y * canvas.width() + x];
            const COLORREF got = canvas.Pixel(x, y);
            if (want != got && ++mismatches <= 10) {
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << DescribeColour(got)
                              << ", expected " << DescribeColour(want);
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
    if (mismatches > 0)
        canvas.SaveBmp("nine_part_failure.bmp");
}

// The worked example: the 84 x 23 face on a 55 x 27 button.
std::vector<ExpectedPiece> PiecesOn55x27() {
    return {
        {"top-left",
         {0, 0, 27, 11},
         [](int x, int y) {
             return POINT{x, y};
         },
         true},
        {"bottom-left",
         {0, 17, 27, 27},
         [](int x, int y) {
             return POINT{x, y - 4};
         },
         true},
        {"left edge",
         {0, 11, 27, 17},
         [](int x, int) {
             return POINT{x, 11};
         },
         false},
        {"top-right",
         {29, 0, 55, 11},
         [](int x, int y) {
             return POINT{x + 29, y};
         },
         true},
        {"bottom-right",
         {29, 17, 55, 27},
         [](int x, int y) {
             return POINT{x + 29, y - 4};
         },
         true},
        {"right edge",
         {29, 11, 55, 17},
         [](int x, int) {
             return POINT{x + 29, 12};
         },
         false},
        {"top edge",
         {27, 0, 29, 11},
         [](int, int y) {
             return POINT{42, y};
         },
         false},
        {"centre",
         {27, 11, 29, 16},
         [](int, int) {
             return POINT{42, 11};
         },
         false},
        {"bottom edge",
         {26, 16, 29, 27},
         [](int, int y) {
             return POINT{42, y - 4};
         },
         false},
    };
}

// The same face on 158 x 24: every corner keeps its whole source.
std::vector<ExpectedPiece> PiecesOn158x24() {
    return {
        {"top-left",
         {0, 0, 42, 11},
         [](int x, int y) {
             return POINT{x, y};
         },
         true},
        {"bottom-left",
         {0, 14, 42, 24},
         [](int x, int y) {
             return POINT{x, y - 1};
         },
         true},
        {"left edge",
         {0, 11, 42, 14},
         [](int x, int) {
             return POINT{x, 11};
         },
         false},
        {"top-right",
         {117, 0, 158, 11},
         [](int x, int y) {
             return POINT{x - 74, y};
         },
         true},
        {"bottom-right",
         {117, 14, 158, 24},
         [](int x, int y) {
             return POINT{x - 74, y - 1};
         },
         true},
        {"right edge",
         {117, 11, 158, 14},
         [](int x, int) {
             return POINT{x - 74, 12};
         },
         false},
        {"top edge",
         {42, 0, 117, 11},
         [](int, int y) {
             return POINT{42, y};
         },
         false},
        {"centre",
         {42, 11, 117, 13},
         [](int, int) {
             return POINT{42, 11};
         },
         false},
        {"bottom edge",
         {41, 13, 117, 24},
         [](int, int y) {
             return POINT{42, y - 1};
         },
         false},
    };
}

struct Case {
    int width;
    int height;
    bool transparent;
    FaceKind face;
};

class NinePartDrawing : public ::testing::TestWithParam<Case> {};

TEST_P(NinePartDrawing, EveryPixelComesFromItsPieceWithFuchsiaKeyed) {
    const Case c = GetParam();
    const auto pieces = c.width == 55 ? PiecesOn55x27() : PiecesOn158x24();
    OwnedBitmap face = MakeFace(c.face);
    PixelCanvas canvas(c.width, c.height, kBackground);

    DrawStretchedFrame(face.get(), canvas.dc(), RECT{0, 0, c.width, c.height}, c.transparent);

    ExpectCanvasShows(canvas, ExpectedImage(c.width, c.height, pieces, c.transparent));
}

INSTANTIATE_TEST_SUITE_P(ButtonSizes, NinePartDrawing,
                         ::testing::Values(Case{55, 27, true, FaceKind::Dib},
                                           Case{55, 27, false, FaceKind::Dib},
                                           Case{158, 24, true, FaceKind::Dib},
                                           Case{158, 24, false, FaceKind::Dib},
                                           Case{55, 27, true, FaceKind::DeviceBitmap},
                                           Case{55, 27, false, FaceKind::DeviceBitmap},
                                           Case{158, 24, true, FaceKind::DeviceBitmap},
                                           Case{158, 24, false, FaceKind::DeviceBitmap}),
                         [](const ::testing::TestParamInfo<Case>& param) {
                             return std::to_string(param.param.width) + "x" +
                                    std::to_string(param.param.height) +
                                    (param.param.transparent ? "Transparent" : "Opaque") +
                                    (param.param.face == FaceKind::Dib ? "Dib" : "DeviceBitmap");
                         });

TEST(NinePartDrawingCorners, TransparentCornersShowTheBackgroundAndOpaqueOnesShowFuchsia) {
    OwnedBitmap face = MakeFace();
    PixelCanvas keyed(55, 27, kBackground);
    DrawStretchedFrame(face.get(), keyed.dc(), RECT{0, 0, 55, 27}, true);
    PixelCanvas plain(55, 27, kBackground);
    DrawStretchedFrame(face.get(), plain.dc(), RECT{0, 0, 55, 27}, false);

    for (POINT corner : {POINT{0, 0}, POINT{54, 0}, POINT{0, 26}, POINT{54, 26}}) {
        EXPECT_EQ(keyed.Pixel(corner.x, corner.y), kBackground) << corner.x << "," << corner.y;
        EXPECT_EQ(plain.Pixel(corner.x, corner.y), kFuchsia) << corner.x << "," << corner.y;
    }
    // The fuchsia pixel of the top edge's source is keyed out whatever the flag says.
    EXPECT_EQ(plain.Pixel(27, 0), kBackground);
    EXPECT_EQ(plain.Pixel(28, 0), kBackground);
}

TEST(NinePartDrawingEdges, TinyAndEmptyDestinationsDrawOnlyInsideThemselves) {
    OwnedBitmap face = MakeFace();
    for (RECT destination : {RECT{0, 0, 1, 1}, RECT{0, 0, 0, 0}, RECT{0, 0, 1, 27},
                             RECT{0, 0, 55, 1}, RECT{0, 0, 2, 2}}) {
        PixelCanvas canvas(60, 30, kBackground);
        DrawStretchedFrame(face.get(), canvas.dc(), destination, true);
        for (int y = 0; y < canvas.height(); ++y) {
            for (int x = 0; x < canvas.width(); ++x) {
                if (x < destination.right && y < destination.bottom)
                    continue;
                ASSERT_EQ(canvas.Pixel(x, y), kBackground)
                    << "outside " << destination.right << "x" << destination.bottom << " at " << x
                    << "," << y;
            }
        }
    }
}

TEST(NinePartDrawingCanvas, AShiftedAndClippedCanvasIsHonoured) {
    for (FaceKind kind : {FaceKind::Dib, FaceKind::DeviceBitmap}) {
        OwnedBitmap face = MakeFace(kind);
        PixelCanvas shifted(70, 40, kBackground);
        SetViewportOrgEx(shifted.dc(), 7, 5, nullptr);
        IntersectClipRect(shifted.dc(), 0, 0, 30, 40);  // logical: only the left 30 columns
        DrawStretchedFrame(face.get(), shifted.dc(), RECT{0, 0, 55, 27}, true);

        PixelCanvas plain(55, 27, kBackground);
        DrawStretchedFrame(face.get(), plain.dc(), RECT{0, 0, 55, 27}, true);

        for (int y = 0; y < shifted.height(); ++y) {
            for (int x = 0; x < shifted.width(); ++x) {
                const int lx = x - 7;
                const int ly = y - 5;
                const bool drawn = lx >= 0 && lx < 30 && ly >= 0 && ly < 27;
                const COLORREF want = drawn ? plain.Pixel(lx, ly) : kBackground;
                ASSERT_EQ(shifted.Pixel(x, y), want)
                    << "at " << x << "," << y << (kind == FaceKind::Dib ? " (DIB)" : " (DDB)");
            }
        }
    }
}

TEST(NinePartDrawingCanvas, PixelAndGdiDrawingAgreeOnAnyDestination) {
    OwnedBitmap dib = MakeFace(FaceKind::Dib);
    OwnedBitmap ddb = MakeFace(FaceKind::DeviceBitmap);
    for (SIZE size : {SIZE{84, 23}, SIZE{80, 27}, SIZE{41, 13}, SIZE{300, 60}, SIZE{3, 3},
                      SIZE{9, 40}, SIZE{100, 7}}) {
        for (bool transparent : {true, false}) {
            PixelCanvas byPixels(size.cx, size.cy, kBackground);
            PixelCanvas byGdi(size.cx, size.cy, kBackground);
            const RECT all{0, 0, size.cx, size.cy};
            DrawStretchedFrame(dib.get(), byPixels.dc(), all, transparent);
            DrawStretchedFrame(ddb.get(), byGdi.dc(), all, transparent);
            for (int y = 0; y < size.cy; ++y) {
                for (int x = 0; x < size.cx; ++x) {
                    ASSERT_EQ(byPixels.Pixel(x, y), byGdi.Pixel(x, y))
                        << size.cx << "x" << size.cy << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST(NinePartDrawingEdges, AnEmptyFaceDrawsNothing) {
    PixelCanvas canvas(20, 20, kBackground);
    DrawStretchedFrame(nullptr, canvas.dc(), RECT{0, 0, 20, 20}, true);
    EXPECT_EQ(canvas.Pixel(10, 10), kBackground);
}

TEST(NinePartDrawingEdges, TheFaceBitmapIsLeftUnchanged) {
    OwnedBitmap face = MakeFace();
    const auto before = testing::ReadBitmap(face.get());
    PixelCanvas canvas(55, 27, kBackground);
    DrawStretchedFrame(face.get(), canvas.dc(), RECT{0, 0, 55, 27}, true);
    EXPECT_EQ(testing::ReadBitmap(face.get()), before);
}

}  // namespace
}  // namespace zelkova
