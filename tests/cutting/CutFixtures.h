// Shared fixtures of the cutting tests: a synthetic picture and the cut lines of a grid.
#pragma once

#include "cutting/TKreatorKlockow.h"
#include "platform/Pixmap.h"

#include <cstdint>

namespace cutfix {

// A 640 x 480 (or other) opaque picture of gradients and noise, never exactly 255, 0, 255.
platform::PixmapPtr syntheticPicture(int width = 640, int height = 480, uint32_t salt = 1);

struct Lines {
    platform::PixmapPtr a, b;
    int pieceWidth, pieceHeight;
};

// A grid over a width x height picture, made with the global generator seeded by `seed`.
TKreatorKlockow grid(int columns, int rows, int style, uint64_t seed, int width = 640, int height = 480);

// Builds such a grid and draws its lines twice.
Lines gridLines(int columns, int rows, int style, uint64_t seed, int width = 640, int height = 480);

} // namespace cutfix
