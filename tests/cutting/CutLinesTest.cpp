// The cut-line generator: grid, edge counts per style, curve sampling, knob geometry and the pixels
// of the line pixmap.
#include "CutFixtures.h"

#include "cutting/LineRaster.h"
#include "cutting/TKreatorKlockow.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr uint32_t white = 0xFFFFFFFFu;
constexpr uint32_t black = 0xFF000000u;

TKreatorKlockow makeGrid(int columns, int rows, int style, uint64_t seed = 7) {
    return cutfix::grid(columns, rows, style, seed);
}

size_t lineCount(const TKreatorKlockow& k) {
    size_t n = 0;
    for (const auto& s : k.shapes) n += s->lines.size();
    return n;
}

struct GridCase {
    int columns, rows, style;
    size_t shapes, lines;
};

TEST(CutLines, ShapesAndLineRecordsPerStyle) {
    const GridCase cases[] = {
        {8, 6, 0, 82 * 4, 82 * 404},    // round knobs: four curves per edge
        {4, 3, 1, 17, 17 * 101},        // shallow arcs: one curve
        {6, 5, 2, 49 * 4, 49 * 4},      // arrows: four straight lines
        {6, 5, 3, 49 * 4, 49 * 4},      // spikes
        {10, 8, 4, 142 * 3, 142 * 103}, // bumps: line, line, curve
        {1, 1, 0, 0, 0},                // no inner edge at all
        {8, 6, 7, 0, 0},                // unknown style: nothing is cut
        {8, 6, -1, 0, 0},
        {0, 0, 0, 0, 0}, // no cells asked for: one cell, not a division by zero
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("grid " + std::to_string(c.columns) + "x" + std::to_string(c.rows) + " style " +
                     std::to_string(c.style));
        const auto k = makeGrid(c.columns, c.rows, c.style);
        EXPECT_EQ(k.shapes.size(), c.shapes);
        EXPECT_EQ(lineCount(k), c.lines);
        for (const auto& s : k.shapes) {
            for (const Tline& l : s->lines) EXPECT_TRUE(l.red == 255 && l.green == 255 && l.blue == 255);
        }
    }
}

TEST(CutLines, PieceSizeAndCorners) {
    const struct {
        int columns, rows, w, h;
    } sizes[] = {{8, 6, 80, 80}, {6, 5, 106, 96}, {10, 8, 64, 60}, {4, 3, 160, 160}};
    for (const auto& s : sizes) {
        const auto wh = makeGrid(s.columns, s.rows, 0).getWH();
        EXPECT_EQ(wh->x, s.w);
        EXPECT_EQ(wh->y, s.h);
        EXPECT_EQ(wh->value, 0);
    }
    // Inner corners move against each other when jittered: c * r odd goes the other way.
    TKreatorKlockow k;
    k.style = 99;
    k.createGrid(2, 2, 100, 100, 3, 5);
    ASSERT_EQ(k.gridPoints.size(), 4u);
    ASSERT_EQ(k.gridPoints[0].size(), 4u);
    EXPECT_EQ(k.gridPoints[1][1].x, 47);
    EXPECT_EQ(k.gridPoints[1][1].y, 45);
    EXPECT_EQ(k.gridPoints[1][2].x, 53);
    EXPECT_EQ(k.gridPoints[1][2].y, 105);
    EXPECT_EQ(k.gridPoints[3][1].x, 150); // the outer ring stays on the grid
    EXPECT_EQ(k.gridPoints[0][0].y, 0);
}

TEST(CutLines, RoundKnobTipPointsTheChosenWay) {
    // (xa, ya, xb, yb, vertical, d) and the expected knob tip (the end of the second curve).
    const struct {
        int xa, ya, xb, yb, vertical, d, tipX, tipY;
    } cases[] = {
        {80, 0, 80, 80, 1, +1, 103, 40}, // trunc(80 + 80 / 3.4), 0 + 80 div 2
        {80, 0, 80, 80, 1, -1, 56, 40},  // trunc(80 - 80 / 3.4): to the left
        {0, 80, 80, 80, 0, +1, 40, 103},
        {0, 80, 80, 80, 0, -1, 40, 56},
    };
    for (const auto& c : cases) {
        TKreatorKlockow k;
        k.drawShapedLine(c.xa, c.ya, c.xb, c.yb, 80, 80, c.vertical, c.d);
        ASSERT_EQ(k.shapes.size(), 4u);
        EXPECT_EQ(k.shapes[1]->endX, c.tipX);
        EXPECT_EQ(k.shapes[1]->endY, c.tipY);
        EXPECT_EQ(k.shapes[2]->startX, c.tipX);
        EXPECT_EQ(k.shapes[2]->startY, c.tipY);
        EXPECT_EQ(k.shapes[0]->startX, c.xa);
        EXPECT_EQ(k.shapes[3]->endX, c.xb);
        EXPECT_EQ(k.shapes[3]->endY, c.yb);
    }
}

TEST(CutLines, CurvesAreSampledIntoChainedRecords) {
    const auto k = makeGrid(8, 6, 0);
    for (const auto& s : k.shapes) {
        ASSERT_EQ(s->lines.size(), 101u);
        const auto& first = s->lines.front();
        EXPECT_TRUE(first.x1 == s->startX && first.y1 == s->startY && first.x2 == s->startX &&
                    first.y2 == s->startY);
        for (size_t i = 1; i < s->lines.size(); ++i) {
            EXPECT_EQ(s->lines[i].x1, s->lines[i - 1].x2);
            EXPECT_EQ(s->lines[i].y1, s->lines[i - 1].y2);
        }
        // The last record stops at t just below 1: on the end point or one pixel short of it.
        EXPECT_LE(std::abs(s->lines.back().x2 - s->endX), 1);
        EXPECT_LE(std::abs(s->lines.back().y2 - s->endY), 1);
    }
}

TEST(CutLines, RandomStyleDrawsSideThenStyleAndNeverBumpsAcross) {
    const auto k = makeGrid(10, 8, 10, 12345);
    // Replaying the generator: per edge the side first, then the style (bumps only on vertical edges).
    platform::Random replay(12345);
    const size_t shapesOf[] = {4, 1, 4, 4, 3};
    size_t expected = 0;
    int bumps = 0;
    for (int e = 0; e < 9 * 8; ++e) {
        replay.range(0, 1);
        const int style = replay.range(0, 4);
        bumps += style == 4;
        expected += shapesOf[style];
    }
    for (int e = 0; e < 7 * 10; ++e) {
        replay.range(0, 1);
        expected += shapesOf[replay.range(0, 3)];
    }
    EXPECT_GT(bumps, 0);
    EXPECT_EQ(k.shapes.size(), expected);
}

// One pixel per step of the major axis, 8-connected, both ends, never more than half a pixel off the
// ideal line.
TEST(CutLines, RasterisedLinesFollowTheIdealLine) {
    std::vector<std::array<int, 4>> lines = {{0, 0, 0, 0},   {0, 0, 10, 0}, {0, 0, 0, -7}, {3, 4, 17, 9},
                                             {17, 9, 3, 4},  {0, 0, 5, 13}, {5, 13, 0, 0}, {-4, 6, 9, -3},
                                             {2, 2, -9, -8}, {0, 0, 7, 7},  {0, 0, -6, 6}, {10, 0, 0, 3}};
    const auto k = makeGrid(8, 6, 0);
    for (size_t i = 0; i < k.shapes.size(); i += 7) {
        for (const Tline& l : k.shapes[i]->lines) lines.push_back({l.x1, l.y1, l.x2, l.y2});
    }
    for (const auto& [x1, y1, x2, y2] : lines) {
        SCOPED_TRACE(std::to_string(x1) + "," + std::to_string(y1) + " -> " + std::to_string(x2) + "," +
                     std::to_string(y2));
        std::vector<std::pair<int, int>> px;
        forEachLinePixel(x1, y1, x2, y2, [&](int x, int y) { px.emplace_back(x, y); });
        const int dx = x2 - x1, dy = y2 - y1;
        ASSERT_EQ(px.size(), static_cast<size_t>(std::max(std::abs(dx), std::abs(dy)) + 1));
        EXPECT_EQ(px.front(), std::make_pair(x1, y1));
        EXPECT_EQ(px.back(), std::make_pair(x2, y2));
        const bool xMajor = std::abs(dx) >= std::abs(dy);
        for (size_t j = 0; j < px.size(); ++j) {
            const auto [x, y] = px[j];
            if (j > 0) {
                EXPECT_LE(std::abs(x - px[j - 1].first), 1);
                EXPECT_LE(std::abs(y - px[j - 1].second), 1);
                EXPECT_EQ(xMajor ? std::abs(x - px[j - 1].first) : std::abs(y - px[j - 1].second), 1);
            }
            if (dx == 0 && dy == 0) continue;
            const double off = xMajor ? y - (y1 + static_cast<double>(dy) * (x - x1) / dx)
                                      : x - (x1 + static_cast<double>(dx) * (y - y1) / dy);
            EXPECT_LE(std::fabs(off), 0.5 + 1e-9);
        }
    }
}

TEST(CutLines, LinePixmapHoldsExactlyTheLinePixels) {
    for (int style : {0, 4, 10}) {
        SCOPED_TRACE("style " + std::to_string(style));
        const auto k = makeGrid(8, 6, style);
        const auto a = k.drawOn(640, 480);
        const auto b = k.drawOn(640, 480);
        ASSERT_EQ(a->width(), 640);
        ASSERT_EQ(a->height(), 480);
        EXPECT_TRUE(std::equal(a->data(), a->data() + 640 * 480, b->data()));

        std::set<std::pair<int, int>> expected;
        auto add = [&](int x1, int y1, int x2, int y2) {
            forEachLinePixel(x1, y1, x2, y2, [&](int x, int y) {
                if (x >= 0 && y >= 0 && x < 640 && y < 480) expected.emplace(x, y);
            });
        };
        for (const auto& s : k.shapes) {
            for (const Tline& l : s->lines) add(l.x1, l.y1, l.x2, l.y2);
        }
        add(0, 0, 640, 0);
        add(0, 0, 0, 480);
        int wrong = 0;
        for (int y = 0; y < 480; ++y) {
            for (int x = 0; x < 640; ++x) {
                const uint32_t want = expected.count({x, y}) ? white : black;
                wrong += a->read(x, y) != want;
            }
        }
        EXPECT_EQ(wrong, 0);
    }
}

TEST(CutLines, SingleCellGivesOnlyTheBorder) {
    const auto k = makeGrid(1, 1, 0);
    EXPECT_TRUE(k.shapes.empty());
    const auto p = k.drawOn(640, 480);
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            // The right and bottom sides of the border fall just outside the picture.
            ASSERT_EQ(p->read(x, y), x == 0 || y == 0 ? white : black) << x << "," << y;
        }
    }
}

} // namespace
