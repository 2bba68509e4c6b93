// Sound synthesis for the music and the effects: a stereo buffer, band-limited wavetable voices,
// plucked strings, soft electric-piano tones, bells, and the reverb, delay and filters they share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace datagen {

constexpr int sampleRate = 44100;

struct Stereo {
    std::vector<float> left, right;
    explicit Stereo(size_t frames = 0) : left(frames), right(frames) {}
    size_t frames() const { return left.size(); }
    // Adds a mono sample at a pan position (-1 left .. 1 right), equal power.
    void add(size_t i, float value, float pan);
    void mixIn(const Stereo& other, float gain);
};

float midiToHz(float note);

// One cycle of a waveform made of harmonics with amplitude 1 / n^slope, read with interpolation.
class Wavetable {
  public:
    Wavetable(int harmonics, float slope, bool oddOnly = false);
    float at(double phase) const; // phase in cycles
  private:
    std::vector<float> table_;
};

// A soft pad chord tone: three slightly detuned voices, slow swell and release.
void addPad(Stereo& out, const Wavetable& wave, size_t start, size_t length, float hz, float amplitude,
            float pan, float attack, float release);
// A plucked string (Karplus-Strong); `brightness` 0..1 shapes the pluck, `seed` its noise.
void addPluck(Stereo& out, size_t start, float hz, float amplitude, float pan, float brightness,
              float seconds, uint32_t seed);
// A mellow electric-piano tone (two-operator FM) that decays over `seconds`.
void addKeys(Stereo& out, size_t start, float hz, float amplitude, float pan, float seconds);
// A bell or chime: inharmonic partials with their own decays.
void addBell(Stereo& out, size_t start, float hz, float amplitude, float pan, float seconds,
             float brightness);
// A round bass tone held for `length` samples.
void addBass(Stereo& out, size_t start, size_t length, float hz, float amplitude);

// A stereo room reverb (parallel combs into series all-passes per side), mixed in with `wet`.
void reverb(Stereo& s, float roomSize, float damping, float wet);
// A tempo delay that bounces between the sides.
void pingPong(Stereo& s, size_t delay, float feedback, float wet);
// One-pole filters, run in place.
void highPass(Stereo& s, float hz);
void lowPass(Stereo& s, float hz);

float peakOf(const Stereo& s);
float rmsOf(const Stereo& s);
void scale(Stereo& s, float gain);
// Linear fades at the two ends, in samples.
void fadeEnds(Stereo& s, size_t in, size_t out);

} // namespace datagen
