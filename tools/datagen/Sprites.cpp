// The mouse pointer, the ten frames of the turning puzzle-piece clock and the three spark glows.
#include "Generators.h"
#include "Shapes.h"
#include "Style.h"

#include <vector>

namespace datagen {
namespace {

Canvas cursor() {
    Canvas c(32, 32);
    // The tip is at pixel (1, 1), the pointer's hot spot.
    const std::vector<Vec2> arrow{{1.0f, 1.0f},   {1.0f, 20.5f}, {6.0f, 16.0f}, {9.6f, 24.2f},
                                  {13.0f, 22.7f}, {9.5f, 14.8f}, {15.6f, 14.8f}};
    auto sdf = [&](float x, float y) { return sdPolygon(x, y, arrow); };
    Canvas shadow(32, 32);
    shadow.fill([&](float x, float y) { return sdf(x - 1.5f, y - 2.0f) - 1.2f; }, hex(0x000000), 0.45f);
    c.draw(shadow.blurred(1.3f), 0, 0);
    c.fill([&](float x, float y) { return sdf(x, y) - 1.1f; }, hex(0x123440));
    c.fill([&](float x, float y) { return sdf(x, y) + 0.1f; },
           [&](float x, float y) {
               return Ink{mix(hex(0xffffff), hex(0xd9f1ee), clamp01((x + y) / 30)), 1};
           });
    // Make sure the hot spot itself is solid.
    c.at(1, 1) = {0.07f, 0.2f, 0.25f, 1};
    return c;
}

Canvas clockFrame(int frame) {
    constexpr int size = 104;
    const float cx = size / 2.0f, cy = size / 2.0f - 1;
    Canvas c(size, size);
    const float turn = frame * 2 * pi / 10;
    // The piece turns a full circle in ten frames; the dial inside stays upright.
    drawBevelled(
        c,
        [&](float x, float y) {
            return sdPiece(x, y, cx, cy, 27, turn, {1, -1, 1, -1});
        },
        [](float, float) { return hex(0x2fa5a0); }, {0, 0, size, size}, 4.5f, {1.5f, 2.5f}, 2.0f);
    c.fill([&](float x, float y) { return sdCircle(x, y, cx, cy, 18.0f); }, hex(0x0b3f4a));
    c.fill([&](float x, float y) { return sdCircle(x, y, cx, cy, 16.6f); },
           [&](float, float y) {
               return Ink{mix(hex(0xfffbf0), hex(0xf1e6cc), (y - cy + 16.6f) / 33.2f), 1};
           });
    // The sweep since twelve o'clock, then the ticks and the hand.
    const float hand = turn - pi / 2;
    c.fill([&](float x, float y) { return sdCircle(x, y, cx, cy, 14.6f); },
           [&](float x, float y) {
               float a = std::atan2(y - cy, x - cx) + pi / 2;
               if (a < 0) a += 2 * pi;
               return Ink{hex(0xffb347), a <= turn + 0.01f && frame > 0 ? 0.45f : 0.0f};
           });
    for (int t = 0; t < 10; ++t) {
        const float a = t * 2 * pi / 10 - pi / 2;
        const float tx = cx + std::cos(a) * 13, ty = cy + std::sin(a) * 13;
        c.fill([&](float x, float y) { return sdCircle(x, y, tx, ty, t == frame ? 1.7f : 1.1f); },
               t == frame ? hex(0xe0601a) : hex(0x6b7f86));
    }
    const Vec2 tip{cx + std::cos(hand) * 12.3f, cy + std::sin(hand) * 12.3f};
    c.fill([&](float x, float y) { return sdSegment(x, y, {cx, cy}, tip, 1.3f); }, hex(0xd2541a));
    c.fill([&](float x, float y) { return sdCircle(x, y, cx, cy, 2.2f); }, hex(0x0b3f4a));
    return c;
}

// A white spark of size x size pixels: brightness(dx, dy, r) at an offset from the centre (r its
// length), faded out from `fadeFrom` to the rim so the border stays clear. The game tints the sparks
// and draws them additively.
template <class Brightness> Canvas spark(int size, float fadeFrom, Brightness&& brightness) {
    const float centre = size / 2.0f, rim = centre - 0.5f;
    Canvas c(size, size);
    c.fill([&](float x, float y) { return sdCircle(x, y, centre, centre, rim); },
           [&](float x, float y) {
               const float dx = x - centre, dy = y - centre, r = std::hypot(dx, dy);
               return Ink{{1, 1, 1}, clamp01(brightness(dx, dy, r)) * (1 - smoothstep(fadeFrom, rim, r))};
           });
    return c;
}

Canvas glow() {
    return spark(32, 12, [](float, float, float r) {
        return std::exp(-r * r / (2 * 5.5f * 5.5f)) * 0.85f + std::exp(-r * r / 8) * 0.15f;
    });
}

Canvas star() {
    return spark(32, 13, [](float dx, float dy, float r) {
        dx = std::fabs(dx);
        dy = std::fabs(dy);
        const float rays =
            std::exp(-dy * dy / 1.2f) * std::exp(-dx / 7) + std::exp(-dx * dx / 1.2f) * std::exp(-dy / 7);
        const float diag = std::exp(-std::pow(dx - dy, 2.0f) / 1.5f) * std::exp(-r / 4.5f) * 0.5f;
        const float core = std::exp(-r * r / 10);
        return rays * 0.8f + diag + core;
    });
}

Canvas ring() {
    return spark(24, 9.5f, [](float, float, float r) {
        const float halo = std::exp(-std::pow(r - 7.0f, 2.0f) / 3.0f) * 0.55f;
        const float core = std::exp(-r * r / 9) * 0.7f;
        return halo + core;
    });
}

} // namespace

void makeSprites(DataTree& tree) {
    const std::string origin = "generated: pointer, clock and sparks (tools/datagen/Sprites.cpp)";
    tree.savePng("gfx/kursor.png", cursor(), origin);
    for (int i = 0; i < 10; ++i)
        tree.savePng("gfx/zegar/puzel3_000" + std::to_string(i) + ".png", clockFrame(i), origin);
    tree.savePng("gfx/particle/1.png", glow(), origin);
    tree.savePng("gfx/particle/2.png", star(), origin);
    tree.savePng("gfx/particle/3.png", ring(), origin);
}

} // namespace datagen
