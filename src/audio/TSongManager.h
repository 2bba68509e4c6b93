// The music: known music files, the stream handle the game keeps, and the per-frame volume update.
#pragma once

#include "platform/Audio.h"

#include <memory>
#include <string>
#include <vector>

class TMusicFile {
  public:
    std::string name;
    bool loaded = false;
    platform::SoundPtr sound;
    platform::ChannelPtr channel;
};

class TSongManager {
  public:
    std::vector<std::shared_ptr<TMusicFile>> songs;

    std::shared_ptr<TMusicFile> playSong(const std::string& name, int flags, float volume);
    std::shared_ptr<TMusicFile> findSong(const std::string& name) const;
    std::shared_ptr<TMusicFile> loadSong(const std::string& name, int flags);
};

class TAudioStream {
  public:
    std::shared_ptr<TMusicFile> song;

    void pause();
    void stop();
    void free() {}
    void play();
    void update() {}
    // Starts a song that never started (its volume was 0) once the volume rises above 0.
    void setVolume(float volume);
};

extern std::shared_ptr<TSongManager> songManager;
// The menu music, from the moment the main menu starts.
extern std::shared_ptr<TAudioStream> muzyka;

platform::ChannelPtr playMusic(const platform::SoundPtr& sound, const platform::ChannelPtr& channel,
                               float volume);
std::shared_ptr<TAudioStream> playMusicStream(const std::string& path, int flags, float volume);
void setStreamVolume(const std::shared_ptr<TAudioStream>& stream, float volume);
// Once per frame: lets the system process its events and applies the live music volume.
void globalMusicUpdate();
