#include "skin/NinePart.h"

#include <gtest/gtest.h>

#include <vector>

namespace zelkova {
namespace {

constexpr Size kMacFrame{84, 23};

struct Expected {
    NinePiece piece;
    Rect source;
    Rect target;
};

void ExpectPlan(const NinePartPlan& plan, const std::vector<Expected>& expected) {
    ASSERT_EQ(plan.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "piece " << i);
        EXPECT_EQ(plan[i].piece, expected[i].piece);
        EXPECT_EQ(plan[i].source, expected[i].source);
        EXPECT_EQ(plan[i].target, expected[i].target);
    }
}

TEST(NinePart, MacFrameOnASmallButton) {
    ExpectPlan(PlanNinePart(kMacFrame, {0, 0, 55, 27}),
               {
                   {NinePiece::TopLeft, {0, 0, 27, 11}, {0, 0, 27, 11}},
                   {NinePiece::BottomLeft, {0, 13, 27, 23}, {0, 17, 27, 27}},
                   {NinePiece::LeftEdge, {0, 11, 27, 12}, {0, 11, 27, 17}},
                   {NinePiece::TopRight, {58, 0, 84, 11}, {29, 0, 55, 11}},
                   {NinePiece::BottomRight, {58, 13, 84, 23}, {29, 17, 55, 27}},
                   {NinePiece::RightEdge, {58, 12, 84, 13}, {29, 11, 55, 17}},
                   {NinePiece::TopEdge, {42, 0, 43, 11}, {27, 0, 29, 11}},
                   {NinePiece::Centre, {42, 11, 43, 12}, {27, 11, 29, 16}},
                   {NinePiece::BottomEdge, {42, 12, 43, 23}, {26, 16, 29, 27}},
               });
}

TEST(NinePart, MacFrameOnAWideButtonKeepsWholeCorners) {
    ExpectPlan(PlanNinePart(kMacFrame, {0, 0, 158, 24}),
               {
                   {NinePiece::TopLeft, {0, 0, 42, 11}, {0, 0, 42, 11}},
                   {NinePiece::BottomLeft, {0, 13, 42, 23}, {0, 14, 42, 24}},
                   {NinePiece::LeftEdge, {0, 11, 42, 12}, {0, 11, 42, 14}},
                   {NinePiece::TopRight, {43, 0, 84, 11}, {117, 0, 158, 11}},
                   {NinePiece::BottomRight, {43, 13, 84, 23}, {117, 14, 158, 24}},
                   {NinePiece::RightEdge, {43, 12, 84, 13}, {117, 11, 158, 14}},
                   {NinePiece::TopEdge, {42, 0, 43, 11}, {42, 0, 117, 11}},
                   {NinePiece::Centre, {42, 11, 43, 12}, {42, 11, 117, 13}},
                   {NinePiece::BottomEdge, {42, 12, 43, 23}, {41, 13, 117, 24}},
               });
}

TEST(NinePart, OddWidthStretchesTwoColumns) {
    const NinePartPlan plan = PlanNinePart({77, 27}, {0, 0, 200, 40});
    EXPECT_EQ(plan.Find(NinePiece::TopEdge)->source, (Rect{38, 0, 40, 13}));
    EXPECT_EQ(plan.Find(NinePiece::Centre)->source, (Rect{38, 13, 40, 14}));
    EXPECT_EQ(plan.Find(NinePiece::RightEdge)->source, (Rect{40, 14, 77, 15}));
}

TEST(NinePart, OnlyCornersAreDrawnThroughTheImageList) {
    const NinePartPlan plan = PlanNinePart(kMacFrame, {0, 0, 80, 27});
    ASSERT_EQ(plan.size(), 9u);
    for (const NinePartPiece& p : plan) {
        const bool corner = p.piece == NinePiece::TopLeft || p.piece == NinePiece::TopRight ||
                            p.piece == NinePiece::BottomLeft || p.piece == NinePiece::BottomRight;
        EXPECT_EQ(p.IsCorner(), corner);
        if (corner) {
            EXPECT_EQ(p.source.Width(), p.target.Width());
            EXPECT_EQ(p.source.Height(), p.target.Height());
        }
    }
}

TEST(NinePart, DestinationAwayFromTheOriginIsTheSamePlanMoved) {
    const NinePartPlan atOrigin = PlanNinePart(kMacFrame, {0, 0, 55, 27});
    const NinePartPlan moved = PlanNinePart(kMacFrame, {10, 20, 65, 47});
    ASSERT_EQ(atOrigin.size(), moved.size());
    for (std::size_t i = 0; i < moved.size(); ++i) {
        EXPECT_EQ(moved[i].source, atOrigin[i].source);
        EXPECT_EQ(moved[i].target, atOrigin[i].target.Offset(10, 20));
    }
}

TEST(NinePart, EvenFaceHeightStillFillsTheCentre) {
    // A skin file may hold a face of even height: the documented source rows of the left edge
    // and the centre are then empty.
    const NinePartPlan plan = PlanNinePart({40, 20}, {0, 0, 100, 40});
    const NinePartPiece* centre = plan.Find(NinePiece::Centre);
    ASSERT_NE(centre, nullptr);
    EXPECT_EQ(centre->source, (Rect{20, 10, 21, 11}));
    ASSERT_NE(plan.Find(NinePiece::LeftEdge), nullptr);
    EXPECT_EQ(plan.Find(NinePiece::LeftEdge)->source, (Rect{0, 10, 20, 11}));
    EXPECT_EQ(plan.Find(NinePiece::RightEdge)->source, (Rect{21, 10, 40, 12}));
}

TEST(NinePart, NothingToDrawForEmptyFaceOrDestination) {
    EXPECT_EQ(PlanNinePart({0, 0}, {0, 0, 80, 27}).size(), 0u);
    EXPECT_EQ(PlanNinePart({84, 0}, {0, 0, 80, 27}).size(), 0u);
    EXPECT_EQ(PlanNinePart(kMacFrame, {0, 0, 0, 27}).size(), 0u);
    EXPECT_EQ(PlanNinePart(kMacFrame, {50, 0, 10, 27}).size(), 0u);
    EXPECT_EQ(PlanNinePart({-5, 10}, {0, 0, 80, 27}).size(), 0u);
}

// Every piece of every plan reads only inside the face and writes only inside the destination,
// and together the pieces leave no pixel of the destination unpainted, however small it is.
TEST(NinePart, PiecesStayInBoundsAndCoverTheDestination) {
    const std::vector<Size> faces{kMacFrame, {18, 21}, {74, 21}, {77, 27}, {3, 3},
                                  {1, 1},    {2, 2},   {40, 20}, {5, 1},   {1, 6}};
    for (Size face : faces) {
        for (int w = 1; w <= 100; ++w) {
            for (int h = 1; h <= 40; h += (h < 8 ? 1 : 3)) {
                SCOPED_TRACE(testing::Message() << "face " << face.width << "x" << face.height
                                                << " on " << w << "x" << h);
                const Rect d{3, 4, 3 + w, 4 + h};
                std::vector<int> covered(static_cast<std::size_t>(w * h), 0);
                for (const NinePartPiece& p : PlanNinePart(face, d)) {
                    ASSERT_FALSE(p.source.IsEmpty());
                    ASSERT_FALSE(p.target.IsEmpty());
                    ASSERT_GE(p.source.left, 0);
                    ASSERT_GE(p.source.top, 0);
                    ASSERT_LE(p.source.right, face.width);
                    ASSERT_LE(p.source.bottom, face.height);
                    ASSERT_GE(p.target.left, d.left);
                    ASSERT_GE(p.target.top, d.top);
                    ASSERT_LE(p.target.right, d.right);
                    ASSERT_LE(p.target.bottom, d.bottom);
                    for (int y = p.target.top; y < p.target.bottom; ++y) {
                        for (int x = p.target.left; x < p.target.right; ++x) {
                            ++covered[static_cast<std::size_t>((y - d.top) * w + x - d.left)];
                        }
                    }
                }
                for (std::size_t i = 0; i < covered.size(); ++i) {
                    ASSERT_GT(covered[i], 0) << "pixel " << i % w << "," << i / w;
                }
            }
        }
    }
}

}  // namespace
}  // namespace zelkova
