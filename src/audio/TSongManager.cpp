// Music files, the music stream and the live music volume.
#include "audio/TSongManager.h"

#include "audio/TOptions.h"
#include "platform/Input.h"

std::shared_ptr<TSongManager> songManager;
std::shared_ptr<TAudioStream> muzyka;

std::shared_ptr<TMusicFile> TSongManager::findSong(const std::string& name) const {
    for (const auto& song : songs) {
        if (song->name == name) return song;
    }
    return nullptr;
}

std::shared_ptr<TMusicFile> TSongManager::loadSong(const std::string& name, int flags) {
    auto song = findSong(name);
    if (!song) {
        song = std::make_shared<TMusicFile>();
        song->name = name;
        songs.push_back(song);
    }
    if (!song->loaded) {
        song->sound = platform::loadSound(name, (flags & 1) != 0);
        song->loaded = true;
    }
    return song;
}

std::shared_ptr<TMusicFile> TSongManager::playSong(const std::string& name, int flags, float volume) {
    auto song = loadSong(name, flags);
    song->channel = playMusic(song->sound, nullptr, volume);
    return song;
}

platform::ChannelPtr playMusic(const platform::SoundPtr& sound, const platform::ChannelPtr& channel,
                               float volume) {
    if (channel && channel->playing()) channel->stop();
    const float musicVol = options ? options->musicVol : 0.0f;
    if (sound && volume * musicVol > 0) {
        auto started = platform::playSound(sound);
        if (started) started->setVolume(volume * musicVol);
        return started;
    }
    return nullptr;
}

std::shared_ptr<TAudioStream> playMusicStream(const std::string& path, int flags, float volume) {
    auto stream = std::make_shared<TAudioStream>();
    stream->song = songManager->playSong(path, flags, volume);
    return stream;
}

void setStreamVolume(const std::shared_ptr<TAudioStream>& stream, float volume) {
    if (stream) stream->setVolume(volume);
}

void TAudioStream::pause() {
    if (song && song->channel) song->channel->pause();
}

void TAudioStream::stop() {
    if (song && song->channel) song->channel->stop();
}

void TAudioStream::play() {
    if (song && song->channel) song->channel->resume();
}

void TAudioStream::setVolume(float volume) {
    if (!song) return;
    if (!song->channel) {
        if (!(volume > 0)) return;
        song = songManager->playSong(song->name, 1, 1);
        if (!song->channel) return;
    }
    song->channel->setVolume(volume);
}

void globalMusicUpdate() {
    platform::pollSystem();
    setStreamVolume(muzyka, options ? options->musicVol : 0.0f);
}
