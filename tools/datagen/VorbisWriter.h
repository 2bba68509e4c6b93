// Encodes a stereo buffer as an Ogg Vorbis file in memory.
#pragma once

#include "Synth.h"

#include <cstdint>
#include <string>
#include <vector>

namespace datagen {

// `serial` names the logical stream; a fixed value keeps the file's bytes the same on every run.
// Throws std::runtime_error when the encoder refuses the settings.
std::vector<uint8_t> encodeVorbis(const Stereo& sound, float quality, uint32_t serial,
                                  const std::string& title);

} // namespace datagen
