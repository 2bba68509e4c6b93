// The four puzzle pictures, 640 x 480 each, one theme per file.
#pragma once

#include "Canvas.h"

namespace datagen {

constexpr int pictureWidth = 640;
constexpr int pictureHeight = 480;

Canvas paintMountainLake(); // gfx/puzzle/obr1.jpg (12 pieces)
Canvas paintFractal();      // gfx/puzzle/obr2.jpg (80 pieces)
Canvas paintMosaic();       // gfx/puzzle/obr3.jpg (30 pieces)
Canvas paintFlowerGarden(); // gfx/puzzle/obr4.jpg (48 pieces)

} // namespace datagen
