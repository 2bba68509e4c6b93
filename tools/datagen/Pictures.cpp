// Writes the four puzzle pictures.
#include "Pictures.h"
#include "Generators.h"

namespace datagen {

std::vector<Canvas> makePictures(DataTree& tree) {
    std::vector<Canvas> pictures{paintMountainLake(), paintFractal(), paintMosaic(), paintFlowerGarden()};
    const char* const origins[] = {"generated: mountain lake in the morning (tools/datagen/PictureLake.cpp)",
                                   "generated: fractal spirals (tools/datagen/PictureFractal.cpp)",
                                   "generated: stone mosaic (tools/datagen/PictureMosaic.cpp)",
                                   "generated: summer flower garden (tools/datagen/PictureGarden.cpp)"};
    for (size_t i = 0; i < pictures.size(); ++i) {
        tree.saveJpeg("gfx/puzzle/obr" + std::to_string(i + 1) + ".jpg", pictures[i], origins[i], 93);
    }
    return pictures;
}

} // namespace datagen
