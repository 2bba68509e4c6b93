// The piece on the board: hover and picking, shadow and hint animation, the selection test, the
// flight home, links, and how it draws.
#include "Headless.h"

#include "core/TDeltaTime.h"
#include "core/TMouse.h"
#include "cutting/TPuzel.h"
#include "cutting/TSasiad.h"
#include "platform/Draw.h"
#include "play/TPuzzelGame.h"
#include "play/TSpark.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

TPuzelPtr makePiece(float x, float y, int w, int h, uint32_t colour = 0xFFFFFFFFu) {
    auto p = std::make_shared<TPuzel>();
    p->image = platform::Image::fromPixmap(platform::Pixmap::create(w, h, colour));
    p->x = x;
    p->y = y;
    return p;
}

class PieceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        board = std::make_shared<TPuzzelGame>();
        mouse = std::make_shared<TPuzzelMouse>();
        delta = 1.0f;
        SparkList.clear();
    }
    void TearDown() override {
        board.reset();
        mouse.reset();
        SparkList.clear();
    }
    void place(int x, int y, bool hit = false) {
        mouse->x = x;
        mouse->y = y;
        mouse->leftHit = hit;
    }
    std::shared_ptr<TPuzzelGame> board;
};

TEST_F(PieceTest, HoverIsStrictInsideTheImage) {
    auto p = makePiece(100, 50, 40, 30);
    board->boardItems = {p};
    const struct {
        int x, y, over;
    } cases[] = {{100, 60, 0}, {101, 60, 1}, {139, 60, 1}, {140, 60, 0}, {120, 50, 0},
                 {120, 51, 1}, {120, 79, 1}, {120, 80, 0}, {99, 49, 0},  {200, 200, 0}};
    for (const auto& c : cases) {
        place(c.x, c.y);
        p->update(1, 0, 0);
        EXPECT_EQ(p->hover, c.over) << c.x << "," << c.y;
    }
}

TEST_F(PieceTest, OnlyThePieceDrawnOnTopHovers) {
    auto below = makePiece(100, 100, 50, 50);
    auto above = makePiece(120, 120, 50, 50);
    below->drawOrder = 0;
    above->drawOrder = 1;
    board->boardItems = {below, above};
    place(130, 130);
    below->update(1, 0, 0);
    above->update(1, 0, 0);
    EXPECT_EQ(below->hover, 0);
    EXPECT_EQ(above->hover, 1);
    // Where only the lower one lies, it hovers.
    place(110, 110);
    below->update(1, 0, 0);
    EXPECT_EQ(below->hover, 1);
}

TEST_F(PieceTest, PickingLiftsThePieceAndClearsEveryHint) {
    auto p = makePiece(10, 10, 20, 20);
    auto other = makePiece(300, 300, 20, 20);
    board->boardItems = {p, other};
    board->allPieces = {p, other};
    p->hint = 1;
    other->hint = 1;
    place(20, 20, true);
    p->update(1, 0, 0);
    EXPECT_EQ(p->picked, 1);
    EXPECT_EQ(board->held, p);
    EXPECT_EQ(p->targetAlpha, 1.0f);
    EXPECT_EQ(p->hint, 0);
    EXPECT_EQ(other->hint, 0);
    EXPECT_EQ(p->pulse, 255.0f);
    // A hit beside the piece picks nothing.
    board->held.reset();
    place(5, 5, true);
    p->update(1, 0, 0);
    EXPECT_EQ(p->picked, 0);
    EXPECT_EQ(board->held, nullptr);
}

TEST_F(PieceTest, ShadowMovesTowardItsTargetWithoutOvershoot) {
    for (float d : {0.3f, 1.0f, 2.5f, 16.0f, 40.0f, 1000.0f}) {
        auto p = makePiece(0, 0, 10, 10);
        delta = d;
        p->targetAlpha = 1.0f;
        for (int frame = 0; frame < 100; ++frame) {
            p->alphaUpdate();
            ASSERT_LE(p->shadowAlpha, 1.0f) << "delta " << d;
        }
        EXPECT_EQ(p->shadowAlpha, 1.0f);
        p->targetAlpha = 0.0f;
        for (int frame = 0; frame < 100; ++frame) {
            p->alphaUpdate();
            ASSERT_GE(p->shadowAlpha, 0.0f) << "delta " << d;
        }
        EXPECT_EQ(p->shadowAlpha, 0.0f);
    }
    // 0 to 1 takes about 17 frames at delta 1.
    auto p = makePiece(0, 0, 10, 10);
    delta = 1.0f;
    p->targetAlpha = 1.0f;
    int frames = 0;
    while (p->shadowAlpha < 1.0f && frames < 100) {
        p->alphaUpdate();
        ++frames;
    }
    EXPECT_EQ(frames, 17);
}

TEST_F(PieceTest, HintPulseStaysInRangeAndTurnsAtBothEnds) {
    auto p = makePiece(0, 0, 10, 10);
    p->hint = 1;
    int turnsUp = 0, turnsDown = 0;
    for (int frame = 0; frame < 600; ++frame) {
        delta = 0.5f + static_cast<float>(frame % 7) * 1.7f;
        const float dir = p->pulseDir;
        p->alphaUpdate();
        ASSERT_GE(p->pulse, 0.0f);
        ASSERT_LE(p->pulse, 255.0f);
        turnsUp += dir < 0 && p->pulseDir > 0;
        turnsDown += dir > 0 && p->pulseDir < 0;
    }
    EXPECT_GT(turnsUp, 2);
    EXPECT_GT(turnsDown, 2);
    p->hint = 0;
    p->alphaUpdate();
    EXPECT_EQ(p->pulse, 255.0f);
}

TEST_F(PieceTest, SelectionRectangleTestsTheImageCentre) {
    auto p = makePiece(100, 100, 41, 30); // centre (120, 115)
    const struct {
        int x, y, w, h, inside;
    } cases[] = {{110, 110, 20, 20, 1}, {120, 110, 20, 20, 0}, {100, 100, 20, 15, 0},
                 {100, 100, 21, 16, 1}, {0, 0, 800, 600, 1},   {121, 0, 10, 600, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(p->wObszarze(c.x, c.y, c.w, c.h), c.inside)
            << c.x << "," << c.y << " " << c.w << "x" << c.h;
        // Dragged up and to the left from the opposite corner: the same rectangle.
        EXPECT_EQ(p->wObszarze(c.x + c.w, c.y + c.h, -c.w, -c.h), c.inside);
        EXPECT_EQ(p->wObszarze(c.x + c.w, c.y, -c.w, c.h), c.inside);
    }
}

TEST_F(PieceTest, FlightEndsExactlyHomeAndStopsThere) {
    auto p = makePiece(500.9f, 400.2f, 30, 30);
    p->homeX = 123.7f;
    p->homeY = 45.3f;
    p->controlX = 333.3f;
    p->controlY = -71.9f;
    p->curveT = 0;
    delta = 0.9f;
    int frames = 0;
    while (p->curveT < 1.0f && frames < 1000) {
        p->updateCurve();
        ++frames;
    }
    EXPECT_EQ(frames, 223); // 0.005 * 0.9 per frame
    EXPECT_EQ(p->x, 123.0f);
    EXPECT_EQ(p->y, 45.0f);
    EXPECT_EQ(p->curveX, 123.0f);
    EXPECT_EQ(p->curveY, 45.0f);
    EXPECT_EQ(SparkList.size(), static_cast<size_t>(frames)); // one spark a frame at delta below 1

    const size_t sparks = SparkList.size();
    p->updateCurve();
    EXPECT_EQ(SparkList.size(), sparks);
    EXPECT_EQ(p->x, 123.0f);
    EXPECT_EQ(p->curveT, 1.0f);

    // Sparks appear over the piece at the flight position, drifting at most half a pixel.
    for (const auto& s : SparkList) {
        EXPECT_LE(std::fabs(s->vx), 0.5f);
        EXPECT_GE(s->life, 50.0f);
        EXPECT_LE(s->life, 100.0f);
        EXPECT_EQ(s->red, 100);
        EXPECT_EQ(s->blendKind, 1);
    }
}

TEST_F(PieceTest, LinksAreFoundByNeighbour) {
    auto a = makePiece(0, 0, 10, 10), b = makePiece(10, 0, 10, 10), c = makePiece(0, 10, 10, 10);
    auto ab = std::make_shared<TSasiad>();
    ab->piece = b;
    auto ab2 = std::make_shared<TSasiad>();
    ab2->piece = b;
    a->neighbours = {ab, ab2};
    EXPECT_EQ(TSasiad::getByPuzel(b, a), ab);
    EXPECT_EQ(TSasiad::getByPuzel(c, a), nullptr);
    EXPECT_EQ(TSasiad::getByPuzel(a, b), nullptr);
    EXPECT_EQ(a->_nieSasiad(b), 0);
    EXPECT_EQ(a->_nieSasiad(c), 1);
    a->edgePixels = {TWsp(3, 4, 0), TWsp(5, 6, 9)};
    EXPECT_EQ(a->_zgadzaSie(TWsp(5, 6, 0)), 1);
    EXPECT_EQ(a->_zgadzaSie(TWsp(6, 5, 0)), 0);
}

class PieceDrawingTest : public testing_support::HeadlessTest {};

TEST_F(PieceDrawingTest, ShadowHintAndHoverColours) {
    platform::setClearColour(255, 255, 255);
    platform::cls();
    platform::setClearColour(0, 0, 0);
    auto p = makePiece(100, 100, 20, 20);

    p->shadowAlpha = 0;
    p->drawShadow(1, 0, 0);
    EXPECT_EQ(pixel(115, 124) & 0xFFFFFF, 0xFFFFFFu); // a lying piece casts no shadow

    p->shadowAlpha = 1;
    p->drawShadow(1, 0, 0);
    const uint32_t below = pixel(115, 124); // under the piece, inside the grown layers
    EXPECT_LT(platform::redOf(below), 230u);
    EXPECT_GT(platform::redOf(below), 120u);
    EXPECT_EQ(pixel(100, 140) & 0xFFFFFF, 0xFFFFFFu); // left of the shadow, which is offset right
    platform::setScale(1, 1);

    p->hint = 1;
    p->pulse = 0;
    p->draw(1, 0, 0);
    EXPECT_TRUE(testing_support::closeColour(pixel(110, 110), 0xFFFF0000u, 1));
    p->hint = 0;
    p->hover = 1;
    p->draw(1, 0, 0);
    EXPECT_TRUE(testing_support::closeColour(pixel(110, 110), 0xFFE6E6E6u, 1));
    p->hover = 0;
    platform::cls();
    p->curveX = 300;
    p->curveY = 300;
    p->drawCurve(1, 5, 0);
    EXPECT_TRUE(testing_support::closeColour(pixel(310, 310), 0xFFFFFFFFu, 0));
    EXPECT_TRUE(testing_support::closeColour(pixel(303, 310), 0xFF000000u, 0));
    int r, g, b;
    platform::getColour(r, g, b);
    EXPECT_EQ(r + g + b, 3 * 255);
    EXPECT_EQ(platform::getScaleX(), 1.0f);
}

} // namespace
