// The frame clock and the mouse.
#include "Headless.h"

#include "core/TDeltaTime.h"
#include "core/TMouse.h"
#include "platform/Draw.h"
#include "platform/Headless.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

// A 60 frames a second clock on the virtual millisecond counter.
class FrameClock : public ::testing::Test {
  protected:
    void SetUp() override {
        headless::reset();
        headless::useVirtualClock(true);
        clock.SetFPS(60.0f);
    }
    void TearDown() override { headless::reset(); }
    TDeltaTime clock;
};

} // namespace

TEST_F(FrameClock, DeltaCountsIdealFramesWithoutClamping) {
    clock.Update();
    clock.Update();
    EXPECT_FLOAT_EQ(clock.CurrDelta(), 0.0f); // same millisecond
    const struct {
        int ms;
        float delta;
    } cases[] = {{16, 0.96f}, {17, 1.02f}, {33, 1.98f}, {500, 30.0f}};
    for (const auto& c : cases) {
        headless::advanceClock(c.ms);
        clock.Update();
        EXPECT_NEAR(clock.CurrDelta(), c.delta, 1e-4) << c.ms << " ms";
    }
}

TEST_F(FrameClock, CountsFramesPerSecond) {
    headless::advanceClock(1);
    for (int i = 0; i < 70; ++i) {
        clock.Update();
        headless::advanceClock(16);
    }
    EXPECT_GE(clock.FPS(), 60);
    EXPECT_LE(clock.FPS(), 64);
}

TEST(Mouse, HitLastsOneFrameAndHeldLastsWhileDown) {
    headless::reset();
    TPuzzelMouse m;
    headless::queueMouseMove(10, 20);
    headless::queueMouseDown();
    headless::queueMouseUp(); // pressed and released between two polls
    m.fetchState();
    EXPECT_TRUE(m.leftHit);
    EXPECT_FALSE(m.leftDown);
    EXPECT_EQ(m.x, 10);
    EXPECT_EQ(m.y, 20);
    m.fetchState();
    EXPECT_FALSE(m.leftHit);

    headless::queueMouseDown();
    m.fetchState();
    EXPECT_TRUE(m.leftHit);
    EXPECT_TRUE(m.leftDown);
    for (int frame = 0; frame < 3; ++frame) {
        m.fetchState();
        EXPECT_FALSE(m.leftHit);
        EXPECT_TRUE(m.leftDown);
    }
    headless::queueMouseUp();
    m.fetchState();
    EXPECT_FALSE(m.leftDown);
}

class Cursor : public testing_support::HeadlessTest {};

TEST_F(Cursor, PixelOneOneLandsOnThePointerOpaqueAndResetsTheDrawingState) {
    testing_support::TempFolder dir;
    auto arrow = Pixmap::create(8, 8, 0x00000000);
    arrow->write(1, 1, 0xFFFFFF00);
    arrow->write(2, 2, 0xFF00FF00);
    ASSERT_TRUE(savePng(*arrow, dir.path() + "/kursor.png"));
    TPuzzelMouse m;
    m.loadCursor(dir.path() + "/kursor.png", 1, 1);
    ASSERT_TRUE(m.cursorImage);
    m.x = 300;
    m.y = 200;
    setAlpha(0.3f);
    setScale(2, 2);
    setColour(10, 20, 30);
    setBlend(blendAdditive);
    m.Draw();
    EXPECT_EQ(pixel(300, 200), 0xFFFFFF00u);
    EXPECT_EQ(pixel(301, 201), 0xFF00FF00u);
    EXPECT_EQ(pixel(299, 199), 0xFF000000u);
    EXPECT_EQ(getAlpha(), 1.0f);
    EXPECT_EQ(getScaleX(), 1.0f);
    EXPECT_EQ(getBlend(), blendAlpha);
}
