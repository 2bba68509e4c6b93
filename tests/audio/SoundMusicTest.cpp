// Effects and music on the dummy audio driver: volumes, starting late, overlapping effects.
#include "Headless.h"

#include "audio/TGlobalSnd.h"
#include "audio/TOptions.h"
#include "audio/TSongManager.h"
#include "platform/Audio.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

namespace {

class SoundAndMusic : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(platform::openAudio());
        ASSERT_TRUE(testing_support::writeToneWav(dir.path() + "/music.wav", 22050));
        options = std::make_shared<TOptions>();
        songManager = std::make_shared<TSongManager>();
        muzyka = nullptr;
    }
    void TearDown() override {
        muzyka = nullptr;
        songManager = nullptr;
        options = nullptr;
        platform::closeAudio();
    }
    std::string music() const { return dir.path() + "/music.wav"; }
    testing_support::TempFolder dir;
};

} // namespace

TEST_F(SoundAndMusic, EffectsStartOnNewChannelsAtTheLiveVolumeAndNotAtZero) {
    auto sound = platform::loadSound(music(), false);
    options->soundVol = 0.4f;
    auto a = playSound2(sound, nullptr, 0);
    auto b = playSound2(sound, nullptr, 0);
    ASSERT_TRUE(a);
    ASSERT_TRUE(b);
    EXPECT_TRUE(a->playing() && b->playing());
    EXPECT_FLOAT_EQ(a->volume(), 0.4f);
    EXPECT_EQ(playSound2(sound, a, 0), a); // still playing and no restart: left alone
    auto c = playSound2(sound, a, 1);      // restart: the old channel stops
    EXPECT_FALSE(a->playing());
    EXPECT_TRUE(c && c->playing());
    options->soundVol = 0;
    EXPECT_FALSE(playSound2(sound, nullptr, 0));
    EXPECT_FALSE(playSound2(nullptr, nullptr, 0));
}

TEST_F(SoundAndMusic, MissingEffectFilesStaySilent) {
    TGlobalSnd snd;
    snd.load(); // the current folder has no sfx/: every sound stays empty
    EXPECT_FALSE(snd.play(0, nullptr, 0));
    EXPECT_FALSE(snd.play(99, nullptr, 0));
    snd.click();
    snd.good();
    snd.bad();
    snd.info();
}

TEST_F(SoundAndMusic, SongsLoadOnce) {
    auto first = songManager->loadSong(music(), 1);
    auto again = songManager->loadSong(music(), 1);
    EXPECT_EQ(first, again);
    EXPECT_EQ(first->sound, again->sound);
    EXPECT_EQ(songManager->songs.size(), 1u);
    EXPECT_EQ(songManager->findSong(music()), first);
    EXPECT_FALSE(songManager->findSong(music() + "x"));
}

TEST_F(SoundAndMusic, MusicAtZeroStartsWhenTheVolumeRisesAndResumesAfterSilence) {
    options->musicVol = 0;
    songManager->loadSong(music(), 1);
    muzyka = playMusicStream(music(), 1, 1);
    ASSERT_TRUE(muzyka->song);
    EXPECT_FALSE(muzyka->song->channel); // never started
    globalMusicUpdate();
    EXPECT_FALSE(muzyka->song->channel);

    options->musicVol = 0.3f;
    globalMusicUpdate();
    auto channel = muzyka->song->channel;
    ASSERT_TRUE(channel);
    EXPECT_TRUE(channel->playing());
    EXPECT_FLOAT_EQ(channel->volume(), 0.3f);

    options->musicVol = 0;
    globalMusicUpdate();
    EXPECT_TRUE(channel->playing()); // silent, not stopped
    EXPECT_FLOAT_EQ(channel->volume(), 0.0f);
    options->musicVol = 0.7f;
    globalMusicUpdate();
    EXPECT_EQ(muzyka->song->channel, channel); // the same track goes on
    EXPECT_FLOAT_EQ(channel->volume(), 0.7f);
}
