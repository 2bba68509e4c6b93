// Writes the music and the effects as Ogg Vorbis, each brought to its level first.
#include "Sounds.h"
#include "Generators.h"
#include "VorbisWriter.h"

#include <cmath>
#include <cstdio>

namespace datagen {
namespace {

float decibels(float level) {
    return 20 * std::log10(std::max(level, 1e-9f));
}

struct Level {
    float rmsDb;  // the loudness wanted over the whole sound
    float peakDb; // and the peak it may not pass
};

// Brings the sound to its loudness unless that would push its peak past the limit; the encoder's
// small overshoots then stay below -1 dBFS.
void level(Stereo& s, Level target) {
    const float byRms = std::pow(10.0f, target.rmsDb / 20) / std::max(rmsOf(s), 1e-9f);
    const float byPeak = std::pow(10.0f, target.peakDb / 20) / std::max(peakOf(s), 1e-9f);
    scale(s, std::min(byRms, byPeak));
}

struct Track {
    const char* path;
    const char* title;
    const char* source; // the file that composes it
    Level level;
};

void write(DataTree& tree, const Track& track, Stereo sound, uint32_t serial) {
    level(sound, track.level);
    std::printf("datagen:   %-26s %6.2f s  peak %6.1f dBFS  rms %6.1f dBFS\n", track.path,
                static_cast<double>(sound.frames()) / sampleRate,
                static_cast<double>(decibels(peakOf(sound))), static_cast<double>(decibels(rmsOf(sound))));
    tree.saveBytes(track.path, encodeVorbis(sound, 0.45f, serial, track.title),
                   std::string("generated: ") + track.title + " (tools/datagen/" + track.source + ")");
}

} // namespace

void makeSounds(DataTree& tree) {
    // The music sits a little under the effects, which must be heard over it.
    write(tree, {"sfx/puzzle.ogg", "music loop", "Music.cpp", {-19.0f, -3.0f}}, renderMusic(), 1);
    write(tree, {"sfx/zolts-klik-over1.ogg", "piece put down", "SoundEffects.cpp", {-24.0f, -6.0f}},
          renderPutDown(), 2);
    write(tree, {"sfx/info.ogg", "pieces snap", "SoundEffects.cpp", {-19.0f, -4.0f}}, renderSnap(), 3);
    write(tree, {"sfx/zolts-info-good.ogg", "puzzle completed", "SoundEffects.cpp", {-18.0f, -3.0f}},
          renderComplete(), 4);
    write(tree, {"sfx/zolts-info-bad.ogg", "question", "SoundEffects.cpp", {-19.0f, -4.0f}}, renderQuestion(),
          5);
}

} // namespace datagen
