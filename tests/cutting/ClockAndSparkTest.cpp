// The animated clock's ticking and the spark particles' life cycle.
#include "Headless.h"

#include "core/TDeltaTime.h"
#include "core/TZegar.h"
#include "platform/Draw.h"
#include "platform/Files.h"
#include "platform/Headless.h"
#include "platform/System.h"
#include "play/TSpark.h"

#include <gtest/gtest.h>

namespace {

class ClockTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::headless::reset();
        platform::headless::useVirtualClock(true);
        platform::headless::advanceClock(1000);
    }
    void TearDown() override { platform::headless::reset(); }
};

TEST_F(ClockTest, AdvancesOneFrameEvery600Milliseconds) {
    auto clock = stworzZegar(400, 380);
    EXPECT_EQ(clock->x, 400);
    EXPECT_EQ(clock->y, 380);
    EXPECT_EQ(clock->nextTick, platform::millisecs());
    clock->frame = 4;
    clock->start();
    EXPECT_EQ(clock->frame, 0);
    clock->update();
    platform::headless::advanceClock(599);
    clock->update();
    EXPECT_EQ(clock->frame, 0);
    platform::headless::advanceClock(1); // exactly on the tick: not yet
    clock->update();
    EXPECT_EQ(clock->frame, 0);
    platform::headless::advanceClock(1);
    clock->update();
    EXPECT_EQ(clock->frame, 1);
    clock->update(); // calls in between change nothing
    EXPECT_EQ(clock->frame, 1);

    clock->frame = 9;
    platform::headless::advanceClock(601);
    clock->update();
    EXPECT_EQ(clock->frame, 0);

    platform::headless::advanceClock(10000); // a long pause: one frame only
    clock->update();
    EXPECT_EQ(clock->frame, 1);
    EXPECT_EQ(clock->nextTick, platform::millisecs() + 600);
}

TEST(ClockImages, MissingFramesAreReportedAndDrawingGoesOn) {
    testing_support::TempFolder empty;
    const std::string here = platform::currentFolder();
    ASSERT_TRUE(platform::setCurrentFolder(empty.path()));
    testing_support::MessageRecorder messages;
    TZegar::setup();
    platform::setCurrentFolder(here);
    ASSERT_EQ(messages.texts().size(), 10u);
    EXPECT_EQ(messages.texts()[3], "Nie mozna zaladowac obrazka: gfx/zegar/puzel3_0003.png");
    for (const auto& image : TZegar::img) EXPECT_EQ(image, nullptr);
    TZegar().draw(); // nothing to draw, no harm
}

TEST(ClockImages, FramesLoadWithCentredHandles) {
    if (platform::fileType(testing_support::dataPath("gfx/zegar/puzel3_0000.png")) != platform::fileFile) {
        GTEST_SKIP() << "no data tree at " << testing_support::dataPath("");
    }
    const std::string here = platform::currentFolder();
    testing_support::enterDataTree();
    testing_support::MessageRecorder messages;
    TZegar::setup();
    platform::setCurrentFolder(here);
    EXPECT_TRUE(messages.texts().empty());
    for (const auto& image : TZegar::img) {
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->handleX(), static_cast<float>(image->width() / 2));
        EXPECT_EQ(image->handleY(), static_cast<float>(image->height() / 2));
    }
}

TEST(Sparks, SlowFramesShortenOrDropNewSparks) {
    const struct {
        float delta;
        bool listed;
        float life;
    } cases[] = {{0.5f, true, 80},  {1.0f, true, 80},  {1.5f, true, 40},
                 {1.99f, true, 40}, {2.0f, false, 80}, {7.0f, false, 80}};
    for (const auto& c : cases) {
        SparkList.clear();
        delta = c.delta;
        auto s = TSpark::Create(nullptr, 10, 20, 1.0f, 80, 100, 60, 70, 1, 1);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(SparkList.size(), c.listed ? 1u : 0u) << "delta " << c.delta;
        EXPECT_EQ(s->life, c.life);
        EXPECT_EQ(s->lifeTotal, c.life);
        EXPECT_EQ(s->x, 10.0f);
        EXPECT_EQ(s->green, 60);
    }
    SparkList.clear();
    delta = 1.0f;
}

TEST(Sparks, MoveEachFrameAndLeaveWhenSpent) {
    SparkList.clear();
    delta = 1.0f;
    auto a = TSpark::Create(nullptr, 0, 0, 1.0f, 3, 100, 50, 50, 1, 1);
    auto b = TSpark::Create(nullptr, 5, 5, 1.0f, 5, 100, 50, 50, 2, 1);
    a->setVelocity(0.5f, -0.25f);
    delta = 9.0f; // movement is per frame, not per delta
    for (int frame = 0; frame < 3; ++frame) TSpark::UpdateAll();
    EXPECT_EQ(a->x, 1.5f);
    EXPECT_EQ(a->y, -0.75f);
    ASSERT_EQ(SparkList.size(), 1u); // a lived 3 frames
    EXPECT_EQ(SparkList.front(), b);
    b->Destroy();
    EXPECT_TRUE(SparkList.empty());
    delta = 1.0f;
}

TEST(Sparks, FadeToNothingWithAFifthOfLifeLeft) {
    SparkList.clear();
    delta = 1.0f;
    TSpark::Create(nullptr, 0, 0, 1.0f, 10, 100, 50, 50, 1, 1);
    TSpark::UpdateAll();
    EXPECT_FLOAT_EQ(platform::getAlpha(), 0.8f);
    for (int frame = 1; frame < 8; ++frame) TSpark::UpdateAll(); // drawn at life 3, now 2 left
    EXPECT_NEAR(platform::getAlpha(), 0.1f, 1e-6);
    TSpark::UpdateAll();
    EXPECT_NEAR(platform::getAlpha(), 0.0f, 1e-6);
    EXPECT_EQ(SparkList.size(), 1u);
    TSpark::UpdateAll();
    EXPECT_TRUE(SparkList.empty());
    platform::setAlpha(1);
    platform::setBlend(3);
}

TEST(Sparks, MissingImagesAreReported) {
    testing_support::TempFolder empty;
    const std::string here = platform::currentFolder();
    ASSERT_TRUE(platform::setCurrentFolder(empty.path()));
    testing_support::MessageRecorder messages;
    loadSparks();
    platform::setCurrentFolder(here);
    ASSERT_EQ(messages.texts().size(), 3u);
    EXPECT_EQ(messages.texts()[2], "Nie mozna zaladowac obrazka: gfx/particle/3.png");
    EXPECT_EQ(sparkImages[0], nullptr);
    EXPECT_EQ(sparkImages[4], nullptr);
}

} // namespace
