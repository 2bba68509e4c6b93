// The four effects: a piece put down, a snap, a finished puzzle and the question window.
#include "Sounds.h"

#include "Maths.h"
#include "platform/Random.h"

#include <algorithm>
#include <cmath>

namespace datagen {
namespace {

// High-passed (no DC), faded at both ends, and started after a few milliseconds of silence so the
// codec's ringing before the onset does not reach the first sample.
Stereo finished(const Stereo& s, float fadeOutSeconds) {
    constexpr size_t leadIn = 256;
    Stereo out(s.frames() + leadIn);
    std::copy(s.left.begin(), s.left.end(), out.left.begin() + leadIn);
    std::copy(s.right.begin(), s.right.end(), out.right.begin() + leadIn);
    highPass(out, 40);
    fadeEnds(out, leadIn + 64, static_cast<size_t>(fadeOutSeconds * sampleRate));
    return out;
}

} // namespace

Stereo renderPutDown() {
    // A small wooden tock: two damped tones and a breath of filtered noise.
    Stereo s(static_cast<size_t>(0.16f * sampleRate));
    platform::Random random(7);
    float noiseState = 0;
    for (size_t i = 0; i < s.frames(); ++i) {
        const float t = static_cast<float>(i) / sampleRate;
        const float knock = std::sin(2 * pi * 820 * t) * std::exp(-t * 55) +
                            0.45f * std::sin(2 * pi * 1730 * t) * std::exp(-t * 90);
        const float body = 0.6f * std::sin(2 * pi * 210 * t) * std::exp(-t * 40);
        noiseState += (random.rangef(-1, 1) - noiseState) * 0.35f;
        const float click = noiseState * std::exp(-t * 400) * 0.5f;
        s.add(i, knock + body + click, 0);
    }
    return finished(s, 0.03f);
}

Stereo renderSnap() {
    // Two quick chime notes, a fifth apart, high and clear.
    Stereo s(static_cast<size_t>(0.9f * sampleRate));
    addBell(s, 0, midiToHz(88), 0.5f, -0.15f, 0.85f, 0.8f);                                      // E6
    addBell(s, static_cast<size_t>(0.055f * sampleRate), midiToHz(95), 0.4f, 0.15f, 0.8f, 0.7f); // B6
    reverb(s, 0.5f, 0.5f, 0.25f);
    return finished(s, 0.12f);
}

Stereo renderComplete() {
    // A rising D major arpeggio on keys and bells, landing on a ringing chord.
    Stereo s(static_cast<size_t>(1.5f * sampleRate));
    const int notes[4] = {74, 78, 81, 86};
    for (int k = 0; k < 4; ++k) {
        const size_t start = static_cast<size_t>(k * 0.11f * sampleRate);
        const float pan = -0.3f + 0.2f * static_cast<float>(k);
        addKeys(s, start, midiToHz(static_cast<float>(notes[k])), 0.35f, pan, 1.45f - k * 0.11f);
        addBell(s, start, midiToHz(static_cast<float>(notes[k] + 12)), 0.12f, -pan, 1.2f - k * 0.11f, 0.6f);
    }
    const size_t chord = static_cast<size_t>(0.44f * sampleRate);
    for (int n : {62, 66, 69}) addKeys(s, chord, midiToHz(static_cast<float>(n)), 0.2f, 0, 1.0f);
    reverb(s, 0.6f, 0.45f, 0.3f);
    return finished(s, 0.2f);
}

Stereo renderQuestion() {
    // A soft falling third on round, marimba-like tones.
    Stereo s(static_cast<size_t>(0.75f * sampleRate));
    const int notes[2] = {81, 78}; // A5, F#5
    for (int k = 0; k < 2; ++k) {
        const size_t start = static_cast<size_t>(k * 0.16f * sampleRate);
        const double w = 2 * piD * midiToHz(static_cast<float>(notes[k])) / sampleRate;
        for (size_t i = 0; start + i < s.frames(); ++i) {
            const float t = static_cast<float>(i) / sampleRate;
            const float env = std::min(1.0f, t / 0.003f) * std::exp(-t * 7.5f);
            const auto x = w * static_cast<double>(i);
            const float v = static_cast<float>(std::sin(x) + 0.25 * std::sin(4 * x) * std::exp(-t * 30.0));
            s.add(start + i, v * env * 0.5f, k == 0 ? -0.1f : 0.1f);
        }
    }
    reverb(s, 0.4f, 0.5f, 0.2f);
    return finished(s, 0.1f);
}

} // namespace datagen
