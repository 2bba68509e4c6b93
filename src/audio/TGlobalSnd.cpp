// Sound effects.
#include "audio/TGlobalSnd.h"

#include "audio/TOptions.h"

std::shared_ptr<TGlobalSnd> globalSnd;

platform::ChannelPtr playSound2(const platform::SoundPtr& sound, const platform::ChannelPtr& channel,
                                int restart) {
    if (channel) {
        if (restart == 0 && channel->playing()) return channel;
        channel->stop();
    }
    if (sound && options && options->soundVol > 0) {
        auto started = platform::playSound(sound);
        if (started) started->setVolume(options->soundVol);
        return started;
    }
    return nullptr;
}

void TGlobalSnd::load() {
    sounds[0] = platform::loadSound("sfx/zolts-klik-over1.ogg", false);
    sounds[2] = platform::loadSound("sfx/zolts-info-good.ogg", false);
    sounds[1] = platform::loadSound("sfx/info.ogg", false);
    sounds[3] = platform::loadSound("sfx/zolts-info-bad.ogg", false);
}

platform::ChannelPtr TGlobalSnd::play(int index, const platform::ChannelPtr& channel, int restart) {
    if (index < 0 || index >= tableSize || !sounds[static_cast<size_t>(index)]) return nullptr;
    return playSound2(sounds[static_cast<size_t>(index)], channel, restart);
}

void TGlobalSnd::click() {
    play(0, nullptr, 0);
}
void TGlobalSnd::good() {
    play(1, nullptr, 0);
}
void TGlobalSnd::bad() {
    play(3, nullptr, 0);
}
void TGlobalSnd::info() {
    play(2, nullptr, 0);
}

void TGlobalSnd::pause(int index) {
    if (index >= 0 && index < tableSize && channels_[static_cast<size_t>(index)]) {
        channels_[static_cast<size_t>(index)]->pause();
    }
}

void TGlobalSnd::resume(int index) {
    if (index >= 0 && index < tableSize && channels_[static_cast<size_t>(index)]) {
        channels_[static_cast<size_t>(index)]->resume();
    }
}
