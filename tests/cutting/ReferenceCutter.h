// A deliberately plain cutter that follows the pixel-by-pixel description of the cut (an 800 x 600
// fill pixmap per piece, pixel read and write, edge lists searched for shared pixels), plus the filling
// of line pixels no fill can reach, to prove that the game's fast cutter makes exactly these pieces.
#pragma once

#include "core/TWsp.h"
#include "platform/Pixmap.h"

#include <vector>

namespace reference {

struct Link {
    int neighbourId;
    float distance;
    int dx, dy, signX, signY;
};

struct Piece {
    int id = 0;
    float homeX = 0, homeY = 0;
    platform::PixmapPtr image;
    std::vector<TWsp> edge;
    std::vector<Link> links;
};

struct Result {
    std::vector<Piece> inOrder;
    // Ids in drawing order after the shuffle (drawn from the game's random generator).
    std::vector<int> shuffled;
};

// Cuts `picture` along `lines` (changed: the fill marks what it takes).
Result cut(const platform::Pixmap& picture, platform::Pixmap& lines);

} // namespace reference
