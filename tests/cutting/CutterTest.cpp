// The cutter: the same pieces as the plain pixel-by-pixel cut, ids, images, home positions, coverage
// of the picture, the transparent key, neighbour links, the shuffle, bad input and the loading screen.
#include "CutFixtures.h"
#include "Headless.h"
#include "ReferenceCutter.h"

#include "core/TDeltaTime.h"
#include "core/TZegar.h"
#include "cutting/TRozcinacz.h"
#include "platform/Graphics.h"
#include "platform/Headless.h"
#include "platform/Input.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct Cut {
    std::shared_ptr<TRozcinacz> cutter = std::make_shared<TRozcinacz>();
};

Cut cut(const platform::PixmapPtr& picture, const cutfix::Lines& lines, uint64_t shuffleSeed,
        bool pixelByPixel = false) {
    Cut c;
    c.cutter->pixelByPixel = pixelByPixel;
    c.cutter->setup(picture, lines.a, lines.b->copy());
    platform::seedRnd(shuffleSeed);
    c.cutter->potnij(picture->width(), picture->height(), 0, lines.pieceWidth, lines.pieceHeight);
    return c;
}

bool samePixels(const platform::Pixmap& a, const platform::Pixmap& b) {
    return a.width() == b.width() && a.height() == b.height() &&
           std::equal(a.data(), a.data() + static_cast<size_t>(a.width()) * a.height(), b.data());
}

const platform::Pixmap& pixmapOf(const TPuzelPtr& p) {
    return *p->image->pixmap();
}

// The alpha of piece p's image at picture pixel (x, y); 0 outside its image.
uint32_t alphaAt(const TPuzelPtr& p, int x, int y) {
    return platform::alphaOf(
        pixmapOf(p).read(x - static_cast<int>(p->homeX), y - static_cast<int>(p->homeY)));
}

TPuzelPtr pieceAt(const Cut& c, int x, int y) {
    for (const auto& p : c.cutter->piecesInOrder) {
        if (alphaAt(p, x, y) == 255) return p;
    }
    return nullptr;
}

TEST(Cutter, SameResultAsThePlainCut) {
    // The last picture is not a whole number of eight pixels wide: its rows end in part of a group.
    const struct {
        int columns, rows, style;
        uint64_t linesSeed;
        int width, height;
    } grids[] = {{4, 3, 1, 11, 640, 480},  {8, 6, 0, 12, 640, 480},  {6, 5, 2, 13, 640, 480},
                 {10, 8, 4, 14, 640, 480}, {8, 6, 10, 15, 640, 480}, {7, 5, 3, 16, 640, 480},
                 {9, 7, 4, 17, 637, 477}};
    for (const auto& g : grids) {
        const auto picture = cutfix::syntheticPicture(g.width, g.height);
        const auto lines = cutfix::gridLines(g.columns, g.rows, g.style, g.linesSeed, g.width, g.height);
        auto plainLines = lines.b->copy();
        platform::seedRnd(99);
        const auto want = reference::cut(*picture, *plainLines);
        // The row loops a group of pixels at a time, and pixel by pixel.
        for (const bool pixelByPixel : {false, true}) {
            SCOPED_TRACE(std::to_string(g.columns) + "x" + std::to_string(g.rows) + " style " +
                         std::to_string(g.style) + (pixelByPixel ? " pixel by pixel" : ""));
            const auto got = cut(picture, lines, 99, pixelByPixel);
            const auto& pieces = got.cutter->piecesInOrder;

            ASSERT_EQ(pieces.size(), want.inOrder.size());
            EXPECT_EQ(pieces.size(), static_cast<size_t>(g.columns * g.rows));
            for (size_t k = 0; k < pieces.size(); ++k) {
                const auto& p = pieces[k];
                const auto& w = want.inOrder[k];
                SCOPED_TRACE("piece " + std::to_string(k));
                EXPECT_EQ(p->id, w.id);
                EXPECT_EQ(p->homeX, w.homeX);
                EXPECT_EQ(p->homeY, w.homeY);
                EXPECT_EQ(p->x, w.homeX);
                EXPECT_EQ(p->y, w.homeY);
                EXPECT_TRUE(samePixels(pixmapOf(p), *w.image));
                ASSERT_EQ(p->edgePixels.size(), w.edge.size());
                EXPECT_TRUE(std::equal(w.edge.begin(), w.edge.end(), p->edgePixels.begin(),
                                       [](const TWsp& a, const TWsp& b) {
                                           return a.x == b.x && a.y == b.y && a.value == b.value;
                                       }));
                ASSERT_EQ(p->neighbours.size(), w.links.size());
                for (size_t n = 0; n < w.links.size(); ++n) {
                    const auto& link = p->neighbours[n];
                    ASSERT_NE(link->puzel(), nullptr);
                    EXPECT_EQ(link->puzel()->id, w.links[n].neighbourId);
                    EXPECT_EQ(link->dx, w.links[n].dx);
                    EXPECT_EQ(link->dy, w.links[n].dy);
                    EXPECT_EQ(link->signX, w.links[n].signX);
                    EXPECT_EQ(link->signY, w.links[n].signY);
                    EXPECT_EQ(link->distance, w.links[n].distance);
                    EXPECT_EQ(link->fitted, 0);
                }
            }
            std::vector<int> order;
            for (const auto& p : got.cutter->pieces) order.push_back(p->id);
            EXPECT_EQ(order, want.shuffled);
            EXPECT_TRUE(samePixels(*got.cutter->workLines, *plainLines)); // the same pixels marked as taken
            EXPECT_TRUE(samePixels(*got.cutter->linesCopy, *lines.a));
        }
    }
}

// The fill and the two bevel passes called one at a time, then masked, give the cutter's pieces
// (which also hold the pixels where lines meet, added after the bevel).
TEST(Cutter, StepsOneAtATimeGiveThePieces) {
    const auto picture = cutfix::syntheticPicture(640, 480, 9);
    const auto lines = cutfix::gridLines(8, 6, 0, 8);
    const auto c = cut(picture, lines, 1);
    TRozcinacz steps;
    steps.setup(picture, lines.a, lines.b->copy());
    auto isLine = [&](int x, int y) {
        return x < 0 || y < 0 || x >= 640 || y >= 480 || (lines.a->read(x, y) & 0xFFFFFF) == 0xFFFFFF;
    };
    size_t made = 0;
    for (int i = 5; i <= 480 / 5 - 1; ++i) {
        for (int j = 5; j <= 640 / 5 - 1; ++j) {
            const int x = 5 * j - 2, y = 5 * i - 2;
            if (!TRozcinacz::col1(steps.workLines->read(x, y))) continue;
            auto pm = steps.stworzKrawedzieH(steps.stworzKrawedzieV(steps.wytnijObrazek(x, y)));
            pm->maskColour(0xFF00FF);
            ++steps.nextId;
            ASSERT_LT(made, c.cutter->piecesInOrder.size());
            const auto& piece = c.cutter->piecesInOrder[made++];
            EXPECT_EQ(piece->homeX, steps.boxLeft);
            EXPECT_EQ(piece->homeY, steps.boxTop);
            const auto& want = pixmapOf(piece);
            ASSERT_EQ(pm->width(), want.width());
            ASSERT_EQ(pm->height(), want.height());
            int differ = 0;
            for (int py = 0; py < pm->height(); ++py) {
                for (int px = 0; px < pm->width(); ++px) {
                    const uint32_t got = pm->read(px, py), full = want.read(px, py);
                    if (got == full) continue;
                    const int gx = px + static_cast<int>(steps.boxLeft),
                              gy = py + static_cast<int>(steps.boxTop);
                    const bool knot =
                        isLine(gx - 1, gy) && isLine(gx + 1, gy) && isLine(gx, gy - 1) && isLine(gx, gy + 1);
                    differ += !(knot && platform::alphaOf(got) == 0 &&
                                full == (picture->read(gx, gy) | 0xFF000000u));
                }
            }
            EXPECT_EQ(differ, 0) << "piece " << made - 1;
        }
    }
    EXPECT_EQ(made, c.cutter->piecesInOrder.size());
}

TEST(Cutter, EightBySixGivesFortyEightNumberedPieces) {
    const auto c = cut(cutfix::syntheticPicture(), cutfix::gridLines(8, 6, 0, 3), 5);
    const auto& r = *c.cutter;
    ASSERT_EQ(r.piecesInOrder.size(), 48u);
    for (size_t k = 0; k < 48; ++k) EXPECT_EQ(r.piecesInOrder[k]->id, static_cast<int>(k));
    EXPECT_EQ(pieceAt(c, 23, 23), r.piecesInOrder[0]);
    EXPECT_EQ(r.scale, 1.0f);
    EXPECT_EQ(r.originX, 80);
    EXPECT_EQ(r.originY, 60);
    EXPECT_EQ(r.maxX, 639);
    EXPECT_EQ(r.maxY, 479);

    // The shuffle keeps every piece exactly once.
    ASSERT_EQ(r.pieces.size(), 48u);
    std::set<TPuzel*> shuffled, made;
    for (const auto& p : r.pieces) shuffled.insert(p.get());
    for (const auto& p : r.piecesInOrder) made.insert(p.get());
    EXPECT_EQ(shuffled, made);
    EXPECT_NE(r.pieces, r.piecesInOrder);
}

TEST(Cutter, CuttingAgainGivesTheSamePieces) {
    const auto picture = cutfix::syntheticPicture(640, 480, 77);
    const auto lines = cutfix::gridLines(10, 8, 4, 21);
    const auto first = cut(picture, lines, 1);
    const auto second = cut(picture, lines, 2);
    const auto& a = first.cutter->piecesInOrder;
    const auto& b = second.cutter->piecesInOrder;
    ASSERT_EQ(a.size(), 80u);
    ASSERT_EQ(a.size(), b.size());
    for (size_t k = 0; k < a.size(); ++k) {
        EXPECT_EQ(a[k]->id, b[k]->id);
        EXPECT_EQ(a[k]->homeX, b[k]->homeX);
        EXPECT_EQ(a[k]->homeY, b[k]->homeY);
        EXPECT_TRUE(samePixels(pixmapOf(a[k]), pixmapOf(b[k])));
    }
    EXPECT_NE(first.cutter->pieces, second.cutter->pieces); // only the drawing order differs
}

// Laid at their home positions the pieces cover every picture pixel once, and a cut-line pixel is part
// of every piece beside it (of the pieces around it where lines cross), so they overlap along the lines.
TEST(Cutter, PiecesAtHomeLeaveNoGap) {
    const auto picture = cutfix::syntheticPicture();
    for (const auto& [columns, rows, style] :
         {std::tuple{8, 6, 0}, std::tuple{10, 8, 4}, std::tuple{6, 5, 2}, std::tuple{4, 3, 1},
          std::tuple{7, 5, 3}, std::tuple{8, 6, 10}}) {
        SCOPED_TRACE(std::to_string(columns) + "x" + std::to_string(rows) + " style " +
                     std::to_string(style));
        const auto lines = cutfix::gridLines(columns, rows, style, 40 + style);
        const auto c = cut(picture, lines, 1);
        std::vector<int> cover(640 * 480, 0), owner(640 * 480, -1);
        for (const auto& p : c.cutter->piecesInOrder) {
            const auto& pm = pixmapOf(p);
            for (int y = 0; y < pm.height(); ++y) {
                for (int x = 0; x < pm.width(); ++x) {
                    if (platform::alphaOf(pm.read(x, y)) != 255) continue;
                    const int at = (y + static_cast<int>(p->homeY)) * 640 + x + static_cast<int>(p->homeX);
                    ++cover[at];
                    owner[at] = p->id;
                }
            }
        }
        auto isLine = [&](int x, int y) { return (lines.a->read(x, y) & 0xFFFFFF) == 0xFFFFFF; };
        auto inside = [](int x, int y) { return x >= 0 && y >= 0 && x < 640 && y < 480; };
        const std::pair<int, int> sides[] = {{0, -1}, {-1, 0}, {1, 0}, {0, 1}};
        const std::pair<int, int> corners[] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
        // A pixel with only line pixels beside it: no fill reaches it.
        auto enclosed = [&](int x, int y) {
            return std::all_of(std::begin(sides), std::end(sides), [&](const auto& d) {
                return !inside(x + d.first, y + d.second) || isLine(x + d.first, y + d.second);
            });
        };
        auto regionPixel = [&](int x, int y) { return inside(x, y) && !isLine(x, y) && !enclosed(x, y); };
        int gaps = 0, wrongInside = 0, wrongOnLine = 0;
        for (int y = 0; y < 480; ++y) {
            for (int x = 0; x < 640; ++x) {
                const int n = cover[y * 640 + x];
                gaps += n == 0;
                if (regionPixel(x, y)) {
                    wrongInside += n != 1;
                    continue;
                }
                std::set<int> beside;
                for (const auto& [dx, dy] : sides) {
                    if (regionPixel(x + dx, y + dy)) beside.insert(owner[(y + dy) * 640 + x + dx]);
                }
                if (enclosed(x, y)) {
                    for (const auto& [dx, dy] : corners) {
                        if (regionPixel(x + dx, y + dy)) beside.insert(owner[(y + dy) * 640 + x + dx]);
                    }
                }
                wrongOnLine += n != static_cast<int>(beside.size());
            }
        }
        EXPECT_EQ(gaps, 0);
        EXPECT_EQ(wrongInside, 0);
        EXPECT_EQ(wrongOnLine, 0);
    }
}

TEST(Cutter, MagentaBecomesTransparentUnlessTheBevelChangedIt) {
    auto picture = cutfix::syntheticPicture();
    const uint32_t magenta = platform::argb(255, 255, 0, 255);
    picture->write(280, 200, magenta); // deep inside a piece
    picture->write(1, 100, magenta);   // second pixel of a row: lightened by 30 on the way
    const auto c = cut(picture, cutfix::gridLines(8, 6, 0, 3), 5);
    const auto inner = pieceAt(c, 279, 200);
    ASSERT_NE(inner, nullptr);
    const uint32_t hole =
        pixmapOf(inner).read(280 - static_cast<int>(inner->homeX), 200 - static_cast<int>(inner->homeY));
    EXPECT_EQ(hole, 0x00FF00FFu);
    EXPECT_EQ(pieceAt(c, 280, 200), nullptr);
    const auto edge = pieceAt(c, 1, 100);
    ASSERT_NE(edge, nullptr);
    EXPECT_EQ(pixmapOf(edge).read(1 - static_cast<int>(edge->homeX), 100 - static_cast<int>(edge->homeY)),
              platform::argb(255, 255, 30, 255));
}

TEST(Cutter, LinksCarryTheSideAndOffsetOfTheNeighbour) {
    const auto c = cut(cutfix::syntheticPicture(), cutfix::gridLines(8, 6, 0, 3), 5);
    const auto left = pieceAt(c, 200, 200), right = pieceAt(c, 280, 200), below = pieceAt(c, 200, 280);
    ASSERT_TRUE(left && right && below);
    const auto rightToLeft = TSasiad::getByPuzel(left, right);
    const auto leftToRight = TSasiad::getByPuzel(right, left);
    ASSERT_TRUE(rightToLeft && leftToRight);
    EXPECT_EQ(rightToLeft->signX, 1);
    EXPECT_EQ(rightToLeft->dx, static_cast<int>(right->homeX - left->homeX));
    EXPECT_EQ(leftToRight->signX, -1);
    EXPECT_EQ(leftToRight->dx, rightToLeft->dx);
    EXPECT_EQ(rightToLeft->dy, static_cast<int>(std::fabs(right->homeY - left->homeY)));
    // The neighbour belongs at owner position - (signX * dx, signY * dy).
    EXPECT_EQ(right->homeX - rightToLeft->signX * rightToLeft->dx, left->homeX);
    EXPECT_EQ(right->homeY - rightToLeft->signY * rightToLeft->dy, left->homeY);
    const auto belowToAbove = TSasiad::getByPuzel(left, below);
    ASSERT_TRUE(belowToAbove);
    EXPECT_EQ(belowToAbove->signY, 1);
    EXPECT_EQ(belowToAbove->dy, static_cast<int>(below->homeY - left->homeY));
    EXPECT_FLOAT_EQ(belowToAbove->distance,
                    std::sqrt(static_cast<float>(belowToAbove->dx * belowToAbove->dx +
                                                 belowToAbove->dy * belowToAbove->dy)));
    EXPECT_EQ(TSasiad::getByPuzel(below, right), nullptr); // diagonal pieces share no edge
}

TEST(Cutter, UnknownStyleLeavesOnePiece) {
    const auto picture = cutfix::syntheticPicture();
    const auto c = cut(picture, cutfix::gridLines(8, 6, 7, 1), 1);
    ASSERT_EQ(c.cutter->piecesInOrder.size(), 1u);
    const auto& p = c.cutter->piecesInOrder[0];
    EXPECT_EQ(p->id, 0);
    EXPECT_EQ(p->homeX, 0.0f);
    EXPECT_EQ(p->homeY, 0.0f);
    EXPECT_EQ(p->image->width(), 640);
    EXPECT_EQ(p->image->height(), 480);
    EXPECT_TRUE(p->neighbours.empty());
    EXPECT_EQ(c.cutter->pieces.size(), 1u);
}

TEST(Cutter, BadInputIsReportedAndCutsNothing) {
    const auto picture = cutfix::syntheticPicture();
    const auto lines = cutfix::gridLines(8, 6, 0, 3);
    const auto big = cutfix::gridLines(8, 6, 0, 3, 801, 600);
    const struct {
        const char* what;
        platform::PixmapPtr picture, lines;
        const char* message;
    } cases[] = {
        {"no picture", nullptr, lines.b, "Cannot cut the puzzle: the picture or its cut lines are missing."},
        {"no lines", picture, nullptr, "Cannot cut the puzzle: the picture or its cut lines are missing."},
        {"lines of another size", picture, cutfix::gridLines(8, 6, 0, 3, 320, 240).b,
         "Cannot cut the puzzle: the cut lines are 320 x 240 pixels but the picture is 640 x 480."},
        {"too large", cutfix::syntheticPicture(801, 600), big.b,
         "Cannot cut the puzzle: the picture is 801 x 600 pixels (asked to cut 801 x 600); pictures up to "
         "800 x "
         "600 can be cut."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testing_support::MessageRecorder messages;
        TRozcinacz r;
        r.setup(c.picture, lines.a, c.lines ? c.lines->copy() : nullptr);
        const int w = c.picture ? c.picture->width() : 0, h = c.picture ? c.picture->height() : 0;
        r.potnij(w, h, 0, 80, 80);
        EXPECT_TRUE(r.pieces.empty());
        EXPECT_TRUE(r.piecesInOrder.empty());
        ASSERT_EQ(messages.texts().size(), 1u);
        EXPECT_EQ(messages.texts()[0], c.message);
    }

    testing_support::MessageRecorder messages;
    TRozcinacz r;
    EXPECT_EQ(r.setup("gfx/puzzle/no-such-picture.jpg", lines.a, lines.b->copy()), nullptr);
    ASSERT_EQ(messages.texts().size(), 1u);
    EXPECT_EQ(messages.texts()[0], "Nie mozna zaladowac obrazka: gfx/puzzle/no-such-picture.jpg");
    // The single steps, called directly, refuse what they cannot cut.
    EXPECT_EQ(r.wytnijObrazek(30, 30)->width(), 0);
    r.setup(picture, lines.a, lines.b->copy());
    const auto piece = r.stworzPuzel(700, 10);
    ASSERT_NE(piece, nullptr);
    EXPECT_EQ(piece->image->width(), 0);
    ASSERT_EQ(messages.texts().size(), 3u);
    EXPECT_EQ(messages.texts()[1], "Cannot cut the puzzle: the picture or its cut lines are missing.");
    EXPECT_EQ(messages.texts()[2], "Cannot cut a piece at 700, 10: outside the picture.");
}

class LoadingScreenTest : public testing_support::HeadlessTest {
  protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        savedFrames = TZegar::img;
        savedClock = zegar;
        for (int i = 0; i < 10; ++i) {
            TZegar::img[i] = platform::Image::fromPixmap(
                platform::Pixmap::create(20, 20, platform::argb(255, 0, 20 * i, 200)));
            TZegar::img[i]->midHandle();
        }
        zegar = stworzZegar(400, 380);
        deltatime = TDeltaTime::Create(60);
    }
    void TearDown() override {
        TZegar::img = savedFrames;
        zegar = savedClock;
        deltatime.reset();
        HeadlessTest::TearDown();
    }
    std::array<platform::ImagePtr, 10> savedFrames;
    std::shared_ptr<TZegar> savedClock;
};

TEST_F(LoadingScreenTest, ShowsBackgroundAndClockAtMostSixtyTimesASecond) {
    TRozcinacz r;
    r.loadingPicture =
        platform::Image::fromPixmap(platform::Pixmap::create(800, 600, platform::argb(255, 200, 40, 10)));
    uint32_t background = 0, clock = 0;
    platform::headless::setFrameHook([&](long) {
        background = pixel(10, 10);
        clock = pixel(400, 380);
    });
    const long before = platform::framesPresented();
    r.update();
    r.draw();
    EXPECT_EQ(platform::framesPresented(), before + 1);
    EXPECT_EQ(background & 0xFFFFFF, 0xC8280Au);
    EXPECT_EQ(clock & 0xFFFFFF, 0x0000C8u); // frame 0
    r.draw();                               // the next frame is not due yet
    EXPECT_EQ(platform::framesPresented(), before + 1);
    platform::headless::advanceClock(20);
    r.draw();
    EXPECT_EQ(platform::framesPresented(), before + 2);

    // The clock turns with real time while the cutter works.
    platform::headless::advanceClock(700);
    r.update();
    EXPECT_EQ(zegar->frame, 1);
    EXPECT_GT(delta, 40.0f); // the frame clock saw the 700 ms
}

TEST_F(LoadingScreenTest, CutKeepsTheSystemAndMusicGoingWithoutWaitingForFrames) {
    const auto picture = cutfix::syntheticPicture();
    const auto lines = cutfix::gridLines(8, 6, 0, 3);
    platform::headless::advanceClock(50);
    platform::headless::queueMouseMove(123, 45);
    const long before = platform::framesPresented();
    TRozcinacz r;
    r.setup(picture, lines.a, lines.b->copy());
    r.potnij(640, 480, 0, 80, 80);
    EXPECT_EQ(r.piecesInOrder.size(), 48u);
    EXPECT_EQ(platform::mouseX(), 123); // the system events were pumped during the cut
    // No time passes on the virtual clock during the cut, so no frame was due.
    EXPECT_EQ(platform::framesPresented(), before);
    EXPECT_EQ(zegar->frame, 0);
}

} // namespace
