// Scripted input through the event pump, and sound channels on the dummy audio driver.
#include "Headless.h"

#include "platform/Audio.h"
#include "platform/Files.h"
#include "platform/Headless.h"
#include "platform/Input.h"

#include <cmath>
#include <cstring>
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

namespace {

// A short 16-bit mono WAV tone.
void writeTone(const std::string& path, int samples) {
    std::vector<uint8_t> bytes(44 + samples * 2);
    auto put32 = [&](size_t at, uint32_t v) { std::memcpy(&bytes[at], &v, 4); };
    auto put16 = [&](size_t at, uint16_t v) { std::memcpy(&bytes[at], &v, 2); };
    std::memcpy(&bytes[0], "RIFF", 4);
    put32(4, static_cast<uint32_t>(36 + samples * 2));
    std::memcpy(&bytes[8], "WAVEfmt ", 8);
    put32(16, 16);
    put16(20, 1);
    put16(22, 1);
    put32(24, 44100);
    put32(28, 88200);
    put16(32, 2);
    put16(34, 16);
    std::memcpy(&bytes[36], "data", 4);
    put32(40, static_cast<uint32_t>(samples * 2));
    for (int i = 0; i < samples; ++i)
        put16(44 + i * 2, static_cast<uint16_t>(static_cast<int16_t>(8000 * std::sin(i * 0.05))));
    ASSERT_TRUE(saveBytes(path, bytes));
}

} // namespace

TEST(Audio, ChannelsPlayStopAndNeverTouchALaterSound) {
    ASSERT_TRUE(openAudio()) << "the dummy audio driver should always open";
    testing_support::TempFolder dir;
    writeTone(dir.path() + "/tone.wav", 44100);
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
