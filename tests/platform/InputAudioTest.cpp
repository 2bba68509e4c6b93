// Scripted input through the event pump, and sound channels on the dummy audio driver.
#include "Headless.h"

#include "platform/Audio.h"
#include "platform/Files.h"
#include "platform/Headless.h"
#include "platform/Input.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Input, HitsAreCountedUntilReadAndHeldFollowsTheButton) {
    headless::reset();
    headless::queueMouseMove(120, 80);
    headless::queueMouseDown();
    headless::queueMouseUp();
    headless::queueKey(Key::S);
    headless::queueKey(Key::S);
    pumpEvents();
    EXPECT_EQ(mouseX(), 120);
    EXPECT_EQ(mouseY(), 80);
    EXPECT_FALSE(leftDown());
    EXPECT_EQ(leftHits(), 1);
    EXPECT_EQ(leftHits(), 0);
    EXPECT_EQ(keyHits(Key::S), 2);
    EXPECT_EQ(keyHits(Key::S), 0);
    EXPECT_EQ(keyHits(Key::Escape), 0);
    headless::queueMouseDown();
    pumpEvents();
    EXPECT_TRUE(leftDown());
    flushInput();
    EXPECT_FALSE(leftDown());
    EXPECT_EQ(leftHits(), 0);
}

TEST(Audio, ChannelsPlayStopAndNeverTouchALaterSound) {
    ASSERT_TRUE(openAudio()) << "the dummy audio driver should always open";
    testing_support::TempFolder dir;
    ASSERT_TRUE(testing_support::writeToneWav(dir.path() + "/tone.wav", 44100));
    EXPECT_FALSE(loadSound(dir.path() + "/none.ogg", false));
    auto once = loadSound(dir.path() + "/tone.wav", false);
    auto looped = loadSound(dir.path() + "/TONE.WAV", true);
    ASSERT_TRUE(once);
    ASSERT_TRUE(looped);

    auto a = playSound(once);
    auto b = playSound(once);
    ASSERT_TRUE(a);
    ASSERT_TRUE(b);
    EXPECT_TRUE(a->playing());
    EXPECT_TRUE(b->playing()); // effects overlap on channels of their own
    a->setVolume(0.25f);
    EXPECT_FLOAT_EQ(a->volume(), 0.25f);
    a->pause();
    EXPECT_TRUE(a->paused());
    a->resume();
    a->stop();
    EXPECT_FALSE(a->playing());
    b->stop();

    auto music = playSound(looped); // may reuse a's mixer channel
    ASSERT_TRUE(music);
    a->stop();
    EXPECT_TRUE(music->playing());
    music->stop();
    closeAudio();
}
