// Sound on SDL2_mixer: sounds loaded whole, each play on a new channel with its own volume. Without an
// audio device everything still works and stays silent.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

class Sound;
class Channel;
using SoundPtr = std::shared_ptr<Sound>;
using ChannelPtr = std::shared_ptr<Channel>;

// Opens the audio device once; false (silence) when there is none.
bool openAudio();
void closeAudio();
bool audioAvailable();

// Loads an Ogg Vorbis (or WAV) file; `loop` makes every play of it loop for ever. Null when the file
// is missing or unreadable.
SoundPtr loadSound(const std::string& path, bool loop);

// Starts the sound on a new channel at full volume; null when no channel can be had (no device).
ChannelPtr playSound(const SoundPtr& sound);

class Channel {
  public:
    Channel(int index, uint64_t generation) : index_(index), generation_(generation) {}
    void setVolume(float volume); // 0..1
    float volume() const { return volume_; }
    void pause();
    void resume();
    void stop();
    bool playing() const; // true while started and not finished or stopped (paused counts)
    bool paused() const;

  private:
    bool current() const;
    int index_;
    uint64_t generation_;
    float volume_ = 1.0f;
};

class Sound {
  public:
    ~Sound();
    const std::string& path() const { return path_; }
    bool loops() const { return loop_; }
    void* chunk() const { return chunk_; }
    Sound(std::string path, bool loop, void* chunk) : path_(std::move(path)), loop_(loop), chunk_(chunk) {}

  private:
    std::string path_;
    bool loop_;
    void* chunk_;
};

} // namespace platform
