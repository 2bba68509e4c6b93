// Sounds and channels on SDL2_mixer. Every play takes a fresh channel; a channel handle remembers
// which play it belongs to, so a handle to a finished sound never touches a later one.
#include "platform/Audio.h"
#include "platform/Files.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace platform {
namespace {

struct AudioState {
    bool tried = false;
    bool open = false;
    std::vector<uint64_t> owner; // per mixer channel: the generation of the play that holds it
    uint64_t nextGeneration = 1;
};

AudioState& audio() {
    static auto* state = new AudioState; // outlives the sounds held by the game's globals
    return *state;
}

constexpr int firstChannels = 32;
constexpr int mostChannels = 256;

} // namespace

bool openAudio() {
    auto& a = audio();
    if (a.tried) return a.open;
    a.tried = true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "No sound: %s\n", SDL_GetError());
        return false;
    }
    Mix_Init(MIX_INIT_OGG);
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        std::fprintf(stderr, "No sound: %s\n", Mix_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    a.open = true;
    a.owner.assign(static_cast<size_t>(Mix_AllocateChannels(firstChannels)), 0);
    return true;
}

void closeAudio() {
    auto& a = audio();
    if (a.open) {
        Mix_HaltChannel(-1);
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    a.open = false;
    a.tried = false;
    a.owner.clear();
}

bool audioAvailable() {
    return audio().open;
}

// Safe after the device closed too: the mixer then only releases the sample memory.
Sound::~Sound() {
    if (chunk_) Mix_FreeChunk(static_cast<Mix_Chunk*>(chunk_));
}

SoundPtr loadSound(const std::string& path, bool loop) {
    const std::string resolved = resolvePath(path);
    if (fileType(resolved) != fileFile) return nullptr;
    if (!audio().open) return std::make_shared<Sound>(path, loop, nullptr); // silent, but present
    Mix_Chunk* chunk = Mix_LoadWAV(resolved.c_str());
    if (!chunk) return nullptr;
    return std::make_shared<Sound>(path, loop, chunk);
}

ChannelPtr playSound(const SoundPtr& sound) {
    auto& a = audio();
    if (!sound || !sound->chunk() || !a.open) return nullptr;
    auto* chunk = static_cast<Mix_Chunk*>(sound->chunk());
    const int repeats = sound->loops() ? -1 : 0;
    int channel = Mix_PlayChannel(-1, chunk, repeats);
    while (channel < 0 && static_cast<int>(a.owner.size()) < mostChannels) {
        a.owner.resize(static_cast<size_t>(Mix_AllocateChannels(static_cast<int>(a.owner.size()) * 2)), 0);
        channel = Mix_PlayChannel(-1, chunk, repeats);
    }
    if (channel < 0 || channel >= static_cast<int>(a.owner.size())) return nullptr;
    const uint64_t generation = a.nextGeneration++;
    a.owner[static_cast<size_t>(channel)] = generation;
    Mix_Volume(channel, MIX_MAX_VOLUME);
    return std::make_shared<Channel>(channel, generation);
}

bool Channel::current() const {
    const auto& a = audio();
    return a.open && index_ < static_cast<int>(a.owner.size()) &&
           a.owner[static_cast<size_t>(index_)] == generation_;
}

void Channel::setVolume(float volume) {
    volume_ = volume > 0 ? std::min(volume, 1.0f) : 0.0f; // negative or NaN levels are silence
    if (current()) Mix_Volume(index_, static_cast<int>(std::lround(volume_ * MIX_MAX_VOLUME)));
}

void Channel::pause() {
    if (current()) Mix_Pause(index_);
}

void Channel::resume() {
    if (current()) Mix_Resume(index_);
}

void Channel::stop() {
    if (current()) Mix_HaltChannel(index_);
}

bool Channel::playing() const {
    return current() && Mix_Playing(index_) != 0;
}

bool Channel::paused() const {
    return current() && Mix_Paused(index_) != 0;
}

} // namespace platform
