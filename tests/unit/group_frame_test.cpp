// The skinned group box's frame outline, left to right and right to left.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "skin/GroupFrame.h"

namespace zelkova {
namespace {

// The pixels the polyline sets, with the platform's rule: each line stops short of its end.
std::set<std::pair<int, int>> Rasterise(const GroupFrameOutline& outline) {
    std::set<std::pair<int, int>> pixels;
    Point at = outline.line[0];
    for (std::size_t i = 1; i < outline.line.size(); ++i) {
        const Point to = outline.line[i];
        const int dx = (to.x > at.x) - (to.x < at.x);
        const int dy = (to.y > at.y) - (to.y < at.y);
        EXPECT_TRUE(dx == 0 || dy == 0) << "frame lines are straight";
        for (Point p = at; p.x != to.x || p.y != to.y; p = Point{p.x + dx, p.y + dy}) {
            pixels.insert({p.x, p.y});
        }
        at = to;
    }
    return pixels;
}

TEST(GroupFrame, WithoutACaptionTheRectangleIsClosed) {
    // The key entry dialog's frame: 372 x 145, font height 11, so the top is at 11 / 2 + 1.
    const Rect frame{0, 6, 372, 145};
    const auto pixels = Rasterise(OutlineGroupFrame(frame, 372, false, 0, false));
    for (int x = 0; x <= 371; ++x) {
        EXPECT_TRUE(pixels.count({x, 6})) << x;
        EXPECT_TRUE(pixels.count({x, 144})) << x;
    }
    for (int y = 6; y <= 144; ++y) {
        EXPECT_TRUE(pixels.count({0, y})) << y;
        EXPECT_TRUE(pixels.count({371, y})) << y;
    }
    EXPECT_EQ(pixels.size(), 2u * 372 + 2u * (144 - 6 - 1));
}

TEST(GroupFrame, ACaptionOpensTheTopEdgeLeftToRight) {
    const Rect frame{0, 6, 200, 60};
    const GroupFrameOutline outline = OutlineGroupFrame(frame, 200, true, 20, false);
    const auto pixels = Rasterise(outline);
    for (int x = 0; x <= 2; ++x) EXPECT_TRUE(pixels.count({x, 6})) << x;
    for (int x = 3; x <= 26; ++x) EXPECT_FALSE(pixels.count({x, 6})) << x;
    for (int x = 27; x <= 199; ++x) EXPECT_TRUE(pixels.count({x, 6})) << x;
    EXPECT_EQ(outline.caption, (Point{5, 0}));
}

TEST(GroupFrame, RightToLeftMirrorsTheGapAndTheCaption) {
    const Rect frame{0, 6, 200, 60};
    const GroupFrameOutline outline = OutlineGroupFrame(frame, 200, true, 20, true);
    const auto pixels = Rasterise(outline);
    // The top edge: from 197 rightwards, and from 172 leftwards to the left side at x = 1;
    // the last line stops short of 200 - 20 - 7.
    EXPECT_TRUE(pixels.count({197, 6}));
    EXPECT_TRUE(pixels.count({198, 6}));
    EXPECT_TRUE(pixels.count({199, 6}));
    for (int x = 173; x <= 196; ++x) EXPECT_FALSE(pixels.count({x, 6})) << x;
    for (int x = 1; x <= 172; ++x) EXPECT_TRUE(pixels.count({x, 6})) << x;
    // The frame stands one pixel in from the left edge, flush with the right.
    EXPECT_TRUE(pixels.count({1, 30}));
    EXPECT_FALSE(pixels.count({0, 30}));
    EXPECT_TRUE(pixels.count({199, 30}));
    EXPECT_EQ(outline.caption, (Point{200 - 6 - 20, 0}));

    const auto closed = Rasterise(OutlineGroupFrame(frame, 200, false, 0, true));
    for (int x = 1; x <= 199; ++x) EXPECT_TRUE(closed.count({x, 6})) << x;
}

}  // namespace
}  // namespace zelkova
