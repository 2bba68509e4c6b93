// Puzzle picture 4: a summer cottage garden: trees and sky softly out of focus behind a white picket
// fence, and drifts of sunflowers, delphiniums, cosmos, poppies, daisies, tulips, lavender and
// marigolds down to the front, with a few butterflies.
#include "Noise.h"
#include "Pictures.h"
#include "Shapes.h"

#include <vector>

namespace datagen {
namespace {

// An ellipse petal from `base` outwards along `angle`.
float sdPetal(float x, float y, Vec2 base, float angle, float length, float width) {
    const Vec2 c = base + Vec2{std::cos(angle), std::sin(angle)} * (length * 0.5f);
    const Vec2 p = rotate(Vec2{x - c.x, y - c.y}, -angle);
    return sdEllipse(p.x, p.y, 0, 0, length * 0.5f, width * 0.5f);
}

struct Painter {
    Canvas& c;
    const Noise& n;

    void petal(Vec2 base, float angle, float length, float width, Colour inner, Colour outer) {
        const float reach = length + width;
        c.fill([&](float x, float y) { return sdPetal(x, y, base, angle, length, width); },
               [&](float x, float y) {
                   const float t = clamp01(std::hypot(x - base.x, y - base.y) / length);
                   const float vein = 0.06f * n.at(x * 0.9f, y * 0.9f);
                   return Ink{clamped(mix(inner, outer, t) * (0.92f + vein)), 1};
               },
               around(base.x, base.y, reach, reach));
    }
    // `count` petals evenly around `centre`, the first at angle `phase`.
    void petals(Vec2 centre, int count, float phase, float length, float width, Colour inner, Colour outer) {
        for (int k = 0; k < count; ++k)
            petal(centre, k * 2 * pi / count + phase, length, width, inner, outer);
    }
    void disc(Vec2 centre, float r, Colour dark, Colour light) {
        c.fill([&](float x, float y) { return sdCircle(x, y, centre.x, centre.y, r); },
               [&](float x, float y) {
                   const float l = clamp01(0.5f - ((x - centre.x) * 0.6f + (y - centre.y) * 0.8f) / (2 * r));
                   const float dots = 0.15f * n.at(x * 1.3f, y * 1.3f);
                   return Ink{clamped(mix(dark, light, l) * (1 + dots)), 1};
               },
               around(centre.x, centre.y, r, r));
    }
    void stem(Vec2 a, Vec2 b, float width, Colour colour) {
        c.fill([&](float x, float y) { return sdSegment(x, y, a, b, width); }, colour, 1,
               around((a.x + b.x) / 2, (a.y + b.y) / 2, std::fabs(a.x - b.x) / 2 + width,
                      std::fabs(a.y - b.y) / 2 + width));
    }
    void leaf(Vec2 base, float angle, float length, float width, uint32_t seed) {
        const Colour dark = mix(hex(0x1f4d22), hex(0x2f6a2a), hashUnit(seed, 1));
        const Colour light = mix(hex(0x5c9a3a), hex(0x8cc153), hashUnit(seed, 2));
        const float reach = length + width;
        c.fill([&](float x, float y) { return sdPetal(x, y, base, angle, length, width); },
               [&](float x, float y) {
                   const Vec2 p = rotate(Vec2{x - base.x, y - base.y}, -angle);
                   const float side = p.y > 0 ? 0.35f : 0.85f;
                   const float midrib = std::fabs(p.y) < 0.8f ? 0.25f : 0.0f;
                   return Ink{mix(dark, light, clamp01(side + midrib - p.x / length * 0.3f)), 1};
               },
               around(base.x, base.y, reach, reach));
    }
};

void paintBackdrop(Canvas& c, const Noise& n) {
    // Sky and trees, painted small and blurred so they read as out of focus.
    Canvas back(c.width(), 240);
    back.paint([&](float x, float y) {
        Colour col = mix(hex(0x8fc3ee), hex(0xe4f1f7), y / 140);
        const float cloud = smoothstep(0.1f, 0.5f, n.fbm(x / 90, y / 30, 4) + 0.1f);
        col = mix(col, hex(0xffffff), cloud * 0.8f);
        const float canopy = n.fbm(x / 70, y / 50, 5) + (y - 60) / 100;
        const float tone = n.fbm(x / 25, y / 25, 3);
        if (canopy > 0.05f)
            col = mix(col, mix(hex(0x2f6b3a), hex(0x8fbf5a), clamp01(0.5f + tone * 1.5f - (y - 80) / 300)),
                      smoothstep(0.05f, 0.2f, canopy));
        return col;
    });
    // A cottage among the trees.
    const std::vector<Vec2> roof{{228, 70}, {290, 26}, {352, 26}, {414, 70}};
    back.fill([&](float x, float y) { return sdRoundRect(x, y, 321, 100, 84, 34, 1); },
              [&](float x, float y) {
                  return Ink{hex(0xf3e4c8) * (0.93f + 0.07f * n.at(x / 3, y / 3)), 1};
              });
    back.fill([&](float x, float y) { return sdPolygon(x, y, roof); },
              [&](float x, float y) {
                  const float tiles = std::fmod(y, 6.0f) < 1.2f ? 0.8f : 1.0f;
                  return Ink{hex(0xb5452f) * (tiles * (0.9f + 0.1f * n.at(x / 2, y / 2))), 1};
              });
    back.fill([&](float x, float y) { return sdRoundRect(x, y, 380, 18, 7, 14, 1); }, hex(0x8a3a2a));
    for (float wx : {262.0f, 302.0f, 342.0f, 382.0f}) {
        back.fill([&](float x, float y) { return sdRoundRect(x, y, wx, 95, 10, 12, 1); }, hex(0xffffff));
        back.fill([&](float x, float y) { return sdRoundRect(x, y, wx, 95, 8, 10, 1); },
                  [&](float, float y) {
                      return Ink{mix(hex(0x6f9cc0), hex(0x2f4f6a), (y - 85) / 20), 1};
                  });
    }
    for (uint32_t i = 0; i < 70; ++i) {
        const float bx = hashUnit(i, 31) * c.width(), by = hashUnit(i, 32) * 150,
                    br = 4 + 9 * hashUnit(i, 33);
        back.fill([&](float x, float y) { return sdCircle(x, y, bx, by, br); },
                  mix(hex(0xfff6c8), hex(0xd8f0ff), hashUnit(i, 34)), 0.35f, around(bx, by, br, br));
    }
    c.draw(back.blurred(2.0f), 0, 0);
    // The fence: white pickets with pointed tops and two rails.
    for (int k = 0; k < 28; ++k) {
        const float px = 8 + k * 23.5f + 3 * (hashUnit(static_cast<uint32_t>(k), 35) - 0.5f);
        const float top = 118 + 6 * hashUnit(static_cast<uint32_t>(k), 36);
        const std::vector<Vec2> picket{
            {px - 7, top + 8}, {px, top}, {px + 7, top + 8}, {px + 7, 240}, {px - 7, 240}};
        c.fill(
            [&](float x, float y) { return sdPolygon(x, y, picket); },
            [&](float x, float y) {
                const float l = x < px - 3 ? 0.75f : (x > px + 4 ? 0.88f : 1.0f);
                return Ink{hex(0xf4f1ea) * (l * (0.95f + 0.05f * n.at(x / 2, y / 9)) - (y - top) / 900), 1};
            },
            around(px, 180, 9, 64));
    }
    for (float ry : {140.0f, 196.0f}) {
        c.fill([&](float x, float y) { return sdRoundRect(x, y, 320, ry, 330, 4, 1); },
               [&](float, float y) {
                   return Ink{hex(0xe6e1d6) * (y < ry ? 1.0f : 0.8f), 1};
               },
               Box{0, static_cast<int>(ry) - 6, c.width(), static_cast<int>(ry) + 6});
    }
    // Foliage bed under the flowers.
    c.fill([&](float x, float y) { return 150 + 20 * n.fbm(x / 60, 4.4f, 3) - y; },
           [&](float x, float y) {
               const CellHit leaf = cellular(x / 9, y / 6, 23);
               const float l = hashUnit(static_cast<uint32_t>(leaf.cellX + 500),
                                        static_cast<uint32_t>(leaf.cellY + 500), 7);
               Colour col = mix(hex(0x173f1d), hex(0x4d8a36), l * 0.8f);
               col = col * (0.7f + 0.3f * smoothstep(0.0f, 0.4f, leaf.second - leaf.nearest));
               return Ink{col, 1};
           });
}

enum class Kind { sunflower, delphinium, cosmos, poppy, daisy, tulip, lavender, marigold };

Kind kindAt(const Noise& n, float x, float y, uint32_t id) {
    const float a = n.fbm(x / 150 + 3, y / 90, 2) + 0.25f * (hashUnit(id, 40) - 0.5f);
    const float b = n.fbm(x / 130 - 7, y / 80 + 2, 2) + 0.25f * (hashUnit(id, 41) - 0.5f);
    if (y < 250) {
        if (a > 0.08f) return Kind::sunflower;
        if (a < -0.1f) return Kind::delphinium;
        return b > 0 ? Kind::cosmos : Kind::delphinium;
    }
    if (y < 350) {
        if (a > 0.12f) return Kind::cosmos;
        if (b > 0.1f) return Kind::poppy;
        return a < -0.1f ? Kind::daisy : Kind::marigold;
    }
    if (a > 0.1f) return Kind::tulip;
    if (a < -0.1f) return Kind::lavender;
    return b > 0 ? Kind::daisy : Kind::poppy;
}

void paintFlower(Painter& p, Kind kind, Vec2 foot, float s, uint32_t id) {
    const float h = hashUnit(id, 50);
    const Colour stemColour = mix(hex(0x2e6b26), hex(0x4f8f35), h);
    switch (kind) {
    case Kind::sunflower: {
        const Vec2 head = foot + Vec2{(h - 0.5f) * 10 * s, -60 * s};
        p.stem(foot, head, 1.6f * s, stemColour);
        p.leaf(foot + Vec2{0, -30 * s}, -0.3f - h, 16 * s, 8 * s, id);
        const float r = (9 + 4 * h) * s;
        p.petals(head, 18, h, r * 1.9f, r * 0.55f, hex(0xe8a114), hex(0xffd83a));
        p.disc(head, r * 0.95f, hex(0x3b220f), hex(0x7a4b1d));
        break;
    }
    case Kind::delphinium: {
        static const Colour tones[3][2] = {
            {hex(0x2f4fb8), hex(0x9fb8ff)}, {hex(0x6a3db0), hex(0xcfaeff)}, {hex(0xc04f9a), hex(0xffc0e4)}};
        const auto& tone = tones[hash32(id, 51) % 3];
        const Vec2 top = foot + Vec2{(h - 0.5f) * 6 * s, -75 * s};
        p.stem(foot, top, 1.2f * s, stemColour);
        for (int k = 0; k < 12; ++k) {
            const float t = k / 11.0f;
            const Vec2 at =
                foot + (top - foot) * (0.35f + 0.65f * t) + Vec2{(k % 2 ? 3.0f : -3.0f) * s * (1 - t), 0};
            const float r = (5.5f - 3.0f * t) * s;
            p.petals(at, 5, static_cast<float>(k), r, r * 0.8f, tone[0], tone[1]);
            p.disc(at, r * 0.25f, hex(0xf5f5ff), hex(0xffffff));
        }
        break;
    }
    case Kind::cosmos: {
        static const Colour tones[3][2] = {
            {hex(0xc2185b), hex(0xff8ec2)}, {hex(0xd9d2e9), hex(0xffffff)}, {hex(0xe0569b), hex(0xffd1e8)}};
        const auto& tone = tones[hash32(id, 52) % 3];
        const Vec2 head = foot + Vec2{(h - 0.5f) * 14 * s, -38 * s};
        p.stem(foot, head, 0.9f * s, stemColour);
        const float r = (7 + 2 * h) * s;
        p.petals(head, 8, h * 3, r * 1.3f, r * 0.85f, tone[0], tone[1]);
        p.disc(head, r * 0.32f, hex(0xc98a0c), hex(0xffd84a));
        break;
    }
    case Kind::poppy: {
        const Vec2 head = foot + Vec2{(h - 0.5f) * 12 * s, -30 * s};
        p.stem(foot, head, 0.9f * s, stemColour);
        const float r = (7 + 2 * h) * s;
        const Colour deep = h < 0.7f ? hex(0xb3151b) : hex(0xd9480f),
                     bright = h < 0.7f ? hex(0xff4a3a) : hex(0xffa03a);
        p.petals(head, 5, h * 2, r * 1.2f, r * 1.15f, deep, bright);
        p.disc(head, r * 0.3f, hex(0x1a0d12), hex(0x3b2a40));
        break;
    }
    case Kind::daisy: {
        const Vec2 head = foot + Vec2{(h - 0.5f) * 10 * s, -22 * s};
        p.stem(foot, head, 0.8f * s, stemColour);
        const float r = (5 + 2 * h) * s;
        p.petals(head, 14, h, r * 1.45f, r * 0.45f, hex(0xd8dde6), hex(0xffffff));
        p.disc(head, r * 0.42f, hex(0xd08a06), hex(0xffd21f));
        break;
    }
    case Kind::tulip: {
        static const Colour tones[3][2] = {
            {hex(0xb0102a), hex(0xff5964)}, {hex(0xd88a00), hex(0xffe14d)}, {hex(0xc23f8a), hex(0xff9fd0)}};
        const auto& tone = tones[hash32(id, 53) % 3];
        const Vec2 head = foot + Vec2{(h - 0.5f) * 8 * s, -34 * s};
        p.stem(foot, head, 1.1f * s, stemColour);
        p.leaf(foot, -pi / 2 + 0.5f * (h - 0.5f) + 0.35f, 22 * s, 7 * s, id + 1);
        const float r = 7 * s;
        p.petal(head + Vec2{0, r * 0.8f}, -pi / 2 - 0.35f, r * 2.1f, r * 1.2f, tone[0], tone[1]);
        p.petal(head + Vec2{0, r * 0.8f}, -pi / 2 + 0.35f, r * 2.1f, r * 1.2f, tone[0], tone[1]);
        p.petal(head + Vec2{0, r * 0.9f}, -pi / 2, r * 2.2f, r * 1.3f, tone[0] * 1.05f, tone[1]);
        break;
    }
    case Kind::lavender: {
        const Vec2 top = foot + Vec2{(h - 0.5f) * 16 * s, -40 * s};
        p.stem(foot, top, 0.7f * s, hex(0x6f8f5a));
        for (int k = 0; k < 9; ++k) {
            const Vec2 at = foot + (top - foot) * (0.5f + 0.5f * k / 8.0f);
            p.disc(at + Vec2{(k % 2 ? 1.5f : -1.5f) * s, 0}, (2.6f - 0.15f * k) * s, hex(0x5a3c9a),
                   hex(0xb08de0));
        }
        break;
    }
    case Kind::marigold: {
        const Vec2 head = foot + Vec2{(h - 0.5f) * 10 * s, -20 * s};
        p.stem(foot, head, 1.0f * s, stemColour);
        const float r = (6 + 2 * h) * s;
        for (int ring = 0; ring < 3; ++ring) {
            p.petals(head, 10, ring * 0.3f, r * (1.2f - ring * 0.3f), r * 0.7f, hex(0xd9530c),
                     ring == 2 ? hex(0xffc23a) : hex(0xff9a1f));
        }
        break;
    }
    }
}

void paintButterfly(Painter& p, Vec2 at, float s, Colour wing, Colour edge, float tilt) {
    for (int side : {-1, 1}) {
        const float a = -pi / 2 + side * 0.9f + tilt;
        p.petal(at, a, 13 * s, 11 * s, edge, wing);
        p.petal(at, a + side * 0.9f, 9 * s, 8 * s, edge, wing * 0.9f);
    }
    p.stem(at + Vec2{0, -5 * s}, at + Vec2{0, 6 * s}, 1.3f * s, hex(0x1c1410));
}

} // namespace

Canvas paintFlowerGarden() {
    const Noise n(47);
    Canvas c(pictureWidth, pictureHeight);
    paintBackdrop(c, n);
    Painter painter{c, n};
    struct Plant {
        Vec2 foot;
        uint32_t id;
    };
    std::vector<Plant> plants;
    for (uint32_t i = 0; i < 1500; ++i) {
        const float y = 170 + std::pow(hashUnit(i, 60), 0.9f) * 345;
        plants.push_back({{hashUnit(i, 61) * (pictureWidth + 40) - 20, y}, i});
    }
    std::sort(plants.begin(), plants.end(), [](const Plant& a, const Plant& b) {
        return a.foot.y < b.foot.y || (a.foot.y == b.foot.y && a.id < b.id);
    });
    for (const Plant& plant : plants) {
        const float s = 0.7f + 0.9f * clamp01((plant.foot.y - 170) / 330);
        const Kind kind = kindAt(n, plant.foot.x, plant.foot.y, plant.id);
        if (hashUnit(plant.id, 62) < 0.35f)
            painter.leaf(plant.foot, -pi / 2 + (hashUnit(plant.id, 63) - 0.5f) * 2.4f, 16 * s, 7 * s,
                         plant.id);
        paintFlower(painter, kind, plant.foot, s, plant.id);
    }
    paintButterfly(painter, {152, 118}, 1.1f, hex(0xffa42b), hex(0x2a1a10), 0.2f);
    paintButterfly(painter, {468, 232}, 0.9f, hex(0x6fc3ff), hex(0x1a2a5a), -0.3f);
    paintButterfly(painter, {560, 380}, 1.2f, hex(0xfff07a), hex(0x8a6a10), 0.1f);
    return c;
}

} // namespace datagen
