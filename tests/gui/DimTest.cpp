// Rectangle edges and hit tests.
#include "gui/TDim.h"

#include <gtest/gtest.h>

namespace {

struct Point {
    int x, y;
};

struct HitCase {
    const char* name;
    float px, py;
    bool inside;
};

TEST(TDim, HitTestsAreStrictOnEveryEdgeInBothAnchorModes) {
    // The same 30 x 40 rectangle from (10, 20) to (40, 60), placed by its corner and by its centre.
    const TDim byCorner(10, 20, 30, 40, 0, 1, 1, 0);
    const TDim byCentre(25, 40, 30, 40, 0, 1, 1, 1);
    const HitCase cases[] = {
        {"left edge", 10, 40, false},
        {"right edge", 40, 40, false},
        {"top edge", 25, 20, false},
        {"bottom edge", 25, 60, false},
        {"top-left corner", 10, 20, false},
        {"just inside left", 10.01f, 40, true},
        {"just inside bottom right", 39.99f, 59.99f, true},
        {"centre", 25, 40, true},
        {"left of it", 5, 40, false},
        {"below it", 25, 61, false},
    };
    for (const auto& dim : {byCorner, byCentre}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (dim.anchorMode ? " (centre anchor)" : " (corner anchor)"));
            EXPECT_EQ(dim.InXY(c.px, c.py), c.inside);
            EXPECT_EQ(dim.InX(c.px) && dim.InY(c.py), c.inside);
        }
    }
    EXPECT_TRUE(byCorner.in(Point{25, 40}));
    EXPECT_FALSE(byCorner.in(Point{10, 40}));
}

TEST(TDim, AnEmptyRectangleContainsNothing) {
    const TDim noWidth(10, 10, 0, 20, 0, 1, 1, 0);
    const TDim noHeight(10, 10, 20, 0, 0, 1, 1, 0);
    for (float x : {9.0f, 10.0f, 10.5f, 11.0f}) {
        EXPECT_FALSE(noWidth.InX(x)) << x;
        EXPECT_FALSE(noWidth.InXY(x, 15)) << x;
        EXPECT_FALSE(noHeight.InXY(15, x)) << x;
    }
}

TEST(TDim, EdgesFollowAnchorScaleAndOffset) {
    struct EdgeCase {
        const char* name;
        TDim dim;
        float left, top, right, bottom;
    };
    TDim offset(100, 50, 40, 20, 0, 1, 1, 0);
    offset.offsetX = 3;
    offset.offsetY = -4;
    const EdgeCase cases[] = {
        {"corner anchor", TDim(100, 50, 40, 20, 0, 1, 1, 0), 100, 50, 140, 70},
        {"centre anchor", TDim(100, 50, 40, 20, 0, 1, 1, 1), 80, 40, 120, 60},
        // Scaling keeps the centre where it was.
        {"corner anchor grown", TDim(100, 50, 40, 20, 0, 1.5f, 2, 0), 90, 40, 150, 80},
        {"centre anchor shrunk", TDim(100, 50, 40, 20, 0, 0.5f, 0.5f, 1), 90, 45, 110, 55},
        {"offsets", offset, 103, 46, 143, 66},
        {"unknown anchor", TDim(100, 50, 40, 20, 0, 1, 1, 2), 0, 0, 40, 20},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FLOAT_EQ(c.dim.Left(), c.left);
        EXPECT_FLOAT_EQ(c.dim.Top(), c.top);
        EXPECT_FLOAT_EQ(c.dim.Right(), c.right);
        EXPECT_FLOAT_EQ(c.dim.Bottom(), c.bottom);
    }
}

TEST(TDim, CreateDimKeepsItsArgumentsWithoutOffsets) {
    const auto dim = CreateDim(1, 2, 3, 4, 5, 6, 7, 1);
    ASSERT_TRUE(dim);
    EXPECT_EQ(dim->x, 1);
    EXPECT_EQ(dim->y, 2);
    EXPECT_EQ(dim->width, 3);
    EXPECT_EQ(dim->height, 4);
    EXPECT_EQ(dim->spare, 5);
    EXPECT_EQ(dim->scaleX, 6);
    EXPECT_EQ(dim->scaleY, 7);
    EXPECT_EQ(dim->anchorMode, 1);
    EXPECT_EQ(dim->offsetX, 0);
    EXPECT_EQ(dim->offsetY, 0);
}

} // namespace
