// The music: a calm loop in D major at 80 beats a minute, 24 bars (72 s) in three sections: soft
// pads and a sparse plucked arpeggio, then a melody on mellow electric-piano keys over fuller
// arpeggios, then the melody higher up, ending on the dominant so the loop falls back home.
// To loop without a seam the piece is played twice through the same reverb and delay and the
// second pass is kept: its start already carries the tails of its own end.
#include "Sounds.h"

#include <array>

namespace datagen {
namespace {

constexpr size_t beat = sampleRate * 3 / 4; // 0.75 s
constexpr size_t bar = beat * 4;
constexpr int bars = 24;
constexpr size_t period = bar * bars;

struct Chord {
    int bass;               // midi note of the root, low
    std::array<int, 4> pad; // the pad voicing
};

// D major: Dmaj9 Bm7 Gmaj7 Asus | Dmaj9 F#m7 Gmaj7 Asus4 / Gmaj9 Aadd9 F#m7 Bm9 | Em9 A7sus Dmaj7 Gmaj7.
const Chord chords[bars] = {
    {38, {54, 57, 61, 64}}, {35, {54, 57, 62, 66}}, {43, {54, 59, 62, 66}}, {33, {52, 57, 59, 64}},
    {38, {54, 57, 61, 64}}, {42, {52, 57, 61, 64}}, {43, {54, 59, 62, 67}}, {33, {52, 57, 62, 64}},
    {43, {54, 57, 59, 62}}, {33, {52, 57, 59, 61}}, {42, {52, 57, 61, 64}}, {35, {54, 57, 61, 62}},
    {40, {54, 55, 59, 62}}, {33, {52, 55, 57, 62}}, {38, {54, 57, 61, 62}}, {43, {54, 59, 62, 66}},
    {38, {54, 57, 61, 64}}, {35, {54, 57, 62, 66}}, {43, {54, 59, 62, 66}}, {33, {52, 57, 59, 64}},
    {38, {54, 57, 61, 64}}, {42, {52, 57, 61, 64}}, {43, {54, 59, 62, 67}}, {33, {52, 57, 61, 64}},
};

struct Note {
    int bar;
    float beat, length;
    int midi;
};

const Note melody[] = {
    {8, 0, 2, 69},  {8, 2, 1, 71},  {8, 3, 1, 74},  {9, 0, 3, 73},  {9, 3, 1, 71},  {10, 0, 2, 69},
    {10, 2, 2, 66}, {11, 0, 3, 66}, {11, 3, 1, 64}, {12, 0, 2, 64}, {12, 2, 1, 66}, {12, 3, 1, 67},
    {13, 0, 3, 69}, {13, 3, 1, 64}, {14, 0, 2, 66}, {14, 2, 2, 69}, {15, 0, 4, 71}, {16, 0, 2, 78},
    {16, 2, 2, 76}, {17, 0, 3, 74}, {17, 3, 1, 73}, {18, 0, 2, 71}, {18, 2, 1, 74}, {18, 3, 1, 71},
    {19, 0, 4, 69}, {20, 0, 2, 78}, {20, 2, 1, 76}, {20, 3, 1, 74}, {21, 0, 2, 73}, {21, 2, 2, 69},
    {22, 0, 2, 71}, {22, 2, 2, 74}, {23, 0, 4, 76},
};

size_t at(int barIndex, float beatIndex) {
    return static_cast<size_t>(barIndex) * bar + static_cast<size_t>(beatIndex * static_cast<float>(beat));
}

void playPeriod(Stereo& pads, Stereo& plucks, Stereo& dry, size_t offset) {
    const Wavetable padWave(20, 1.35f);
    for (int b = 0; b < bars; ++b) {
        const Chord& c = chords[b];
        const size_t start = offset + static_cast<size_t>(b) * bar;
        // Pads: the chord swells in over the first beat and overlaps the next one.
        for (size_t k = 0; k < c.pad.size(); ++k) {
            const float pan = -0.45f + 0.3f * static_cast<float>(k);
            addPad(pads, padWave, start, bar, midiToHz(static_cast<float>(c.pad[k])), 0.045f, pan, 0.9f,
                   1.4f);
        }
        // Bass: the root for two and a half beats, then the fifth.
        const int root = c.bass < 36 ? c.bass + 12 : c.bass;
        addBass(dry, start, beat * 5 / 2, midiToHz(static_cast<float>(root)), 0.16f);
        addBass(dry, start + beat * 3, beat, midiToHz(static_cast<float>(root + 7)), 0.09f);
        // Arpeggio: sparse in the first section, every eighth afterwards.
        const int tones[5] = {c.pad[0] + 12, c.pad[1] + 12, c.pad[2] + 12, c.pad[3] + 12, c.pad[1] + 24};
        static const int pattern[8] = {0, 2, 1, 3, 2, 4, 3, 1};
        for (int e = 0; e < 8; ++e) {
            const bool sparse = b < 8;
            if (sparse && e % 3 != 0 && e != 7) continue;
            const float accent = e % 2 == 0 ? 1.0f : 0.75f;
            const float pan = (e % 2 == 0 ? -0.35f : 0.35f);
            const auto seed = static_cast<uint32_t>(b * 16 + e + 1);
            addPluck(plucks, start + static_cast<size_t>(e) * beat / 2,
                     midiToHz(static_cast<float>(tones[pattern[e]])), (sparse ? 0.125f : 0.1f) * accent, pan,
                     0.45f, 2.2f, seed);
        }
    }
    for (const Note& n : melody) {
        const float seconds = std::min(2.6f, n.length * 0.75f + 0.9f);
        addKeys(dry, offset + at(n.bar, n.beat), midiToHz(static_cast<float>(n.midi)), 0.15f, 0.1f, seconds);
    }
}

} // namespace

Stereo renderMusic() {
    Stereo pads(period * 2), plucks(period * 2), dry(period * 2);
    for (size_t pass = 0; pass < 2; ++pass) playPeriod(pads, plucks, dry, pass * period);
    lowPass(pads, 2600);
    pingPong(plucks, beat * 3 / 4, 0.38f, 0.32f); // a dotted-eighth echo
    Stereo mix(period * 2);
    mix.mixIn(pads, 1.0f);
    mix.mixIn(plucks, 1.0f);
    mix.mixIn(dry, 1.0f);
    reverb(mix, 0.82f, 0.4f, 0.55f);
    highPass(mix, 25);
    Stereo loop(period);
    std::copy(mix.left.begin() + static_cast<std::ptrdiff_t>(period), mix.left.end(), loop.left.begin());
    std::copy(mix.right.begin() + static_cast<std::ptrdiff_t>(period), mix.right.end(), loop.right.begin());
    return loop;
}

} // namespace datagen
