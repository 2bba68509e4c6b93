// Synthetic pictures and grid lines for the cutting tests.
#include "CutFixtures.h"

#include "platform/Random.h"

namespace cutfix {

platform::PixmapPtr syntheticPicture(int width, int height, uint32_t salt) {
    auto p = platform::Pixmap::create(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u + salt;
            h = (h ^ (h >> 13)) * 1274126177u;
            h ^= h >> 16;
            const uint32_t r = (x * 255 / width + (h & 31)) & 0xFF;
            const uint32_t g = (y * 255 / height + ((h >> 5) & 31)) & 0xFF;
            const uint32_t b = (h >> 10) & 0xFF;
            uint32_t c = platform::argb(255, r, g, b);
            if ((c & 0xFFFFFF) == 0xFF00FF) c ^= 1; // keep the transparent key out of the picture
            p->write(x, y, c);
        }
    }
    return p;
}

TKreatorKlockow grid(int columns, int rows, int style, uint64_t seed, int width, int height) {
    platform::seedRnd(seed);
    TKreatorKlockow k;
    k.style = style;
    k.createGrid(static_cast<float>(columns), static_cast<float>(rows), static_cast<float>(width),
                 static_cast<float>(height), 0, 0);
    return k;
}

Lines gridLines(int columns, int rows, int style, uint64_t seed, int width, int height) {
    const TKreatorKlockow k = grid(columns, rows, style, seed, width, height);
    return {k.drawOn(width, height), k.drawOn(width, height), k.pieceWidth, k.pieceHeight};
}

} // namespace cutfix
