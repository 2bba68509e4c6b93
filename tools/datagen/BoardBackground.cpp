// The board: a calm blue-green cloth that the colourful pieces stand out on, under a light bar that
// carries the toolbar and, at its right end, a plate for the black play-time clock.
#include "Generators.h"
#include "Noise.h"
#include "Shapes.h"
#include "Style.h"

namespace datagen {

void makeBoardBackground(DataTree& tree) {
    const Noise n(71);
    Canvas c(800, 600);
    c.paint([&](float x, float y) {
        // Woven cloth: fine threads both ways, slow variations, and a gentle vignette.
        const float warp = 0.5f + 0.5f * std::sin(x * 2.1f + n.at(x / 8, y / 40) * 2);
        const float weft = 0.5f + 0.5f * std::sin(y * 2.1f + n.at(x / 40, y / 8) * 2);
        const float threads = (warp + weft) * 0.5f;
        const float cloud = n.fbm(x / 180, y / 180, 4);
        const float d = std::hypot((x - 400) / 520, (y - 320) / 420);
        Colour col = mix(hex(0x2d5558), hex(0x3b6a6a), clamp01(0.5f + cloud));
        col = col * (0.93f + 0.1f * threads + 0.04f * n.at(x / 1.5f, y / 1.5f));
        col = col * (1.05f - 0.38f * d * d);
        return clamped(col);
    });
    // The bar along the top.
    drawBevelled(
        c, [](float x, float y) { return sdRoundRect(x, y, 400, 14, 420, 26, 6); },
        [&](float x, float y) {
            const float grain = n.fbm(x / 60, y / 3, 3);
            return mix(hex(0xf3ead6), hex(0xe2d3b2), clamp01(y / 40 + grain * 0.3f));
        },
        {0, 0, 800, 48}, 3, {0, 3}, 3, 0.5f);
    // The clock plate at the right end of the bar.
    drawBevelled(
        c, [](float x, float y) { return sdRoundRect(x, y, 734, 12, 50, 17, 9); },
        [](float, float y) { return mix(hex(0xfffdf6), hex(0xf1e7cf), y / 34); }, {670, 0, 800, 40}, 2,
        {0, 1.5f}, 1.5f, 0.35f);
    tree.saveJpeg("gfx/game.jpg", c, "generated: board cloth (tools/datagen/BoardBackground.cpp)");
}

} // namespace datagen
