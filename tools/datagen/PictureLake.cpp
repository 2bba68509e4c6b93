// Puzzle picture 1: a mountain lake in the morning: clouds, snowy ranges, a forest shore with a
// red boathouse, reflections in the water and a flower meadow in front.
#include "Noise.h"
#include "Pictures.h"
#include "Shapes.h"

#include <vector>

namespace datagen {
namespace {

constexpr float waterLine = 306;
const Vec2 sun{470, 118};

struct Range {
    float base, amplitude, frequency, offset, envelopeX, envelopeWidth;
    Colour lit, shade, haze;
    float snowFrom; // crest heights above this line (smaller y) carry snow
};

float crest(const Noise& n, const Range& r, float x) {
    const float broad = clamp01(0.5f + 0.9f * n.fbm(x * r.frequency * 0.3f + r.offset, 1.3f, 3));
    const float ridge = n.ridged(x * r.frequency + r.offset, r.offset * 0.37f, 5);
    const float envelope = 0.35f + 0.65f * std::exp(-std::pow((x - r.envelopeX) / r.envelopeWidth, 2.0f));
    return r.base - r.amplitude * (0.5f * broad + 0.5f * std::pow(ridge, 1.4f)) * envelope;
}

void paintSky(Canvas& c, const Noise& n) {
    const Gradient sky{
        {0.0f, hex(0x3b6cb4)}, {0.45f, hex(0x7aa8dc)}, {0.8f, hex(0xc4daf0)}, {1.0f, hex(0xf3e2c6)}};
    auto density = [&](float x, float y) {
        const float warp = n.fbm(x / 260, y / 110, 3) * 1.4f;
        const float shape = n.fbm(x / 170 + warp, y / 52 - warp * 0.3f, 6);
        const float bandY = 1.0f - std::min(1.0f, std::fabs(y - 135) / 110);
        return smoothstep(0.02f, 0.42f, shape * 1.25f + bandY * 0.5f - 0.27f);
    };
    c.paint([&](float x, float y) {
        Colour col = sky.at(y / waterLine);
        const float d = std::hypot(x - sun.x, y - sun.y);
        col = screen(col, hex(0xfff0cf) * (0.95f * std::exp(-d / 34) + 0.4f * std::exp(-d / 150)));
        const float cloud = density(x, y);
        if (cloud > 0) {
            // Lit where the cloud thins towards the sun.
            const Vec2 toSun = (sun - Vec2{x, y}) * (1.0f / std::max(d, 1.0f));
            const float lit = clamp01(0.55f + 2.2f * (cloud - density(x + toSun.x * 7, y + toSun.y * 7)));
            const float rim = std::exp(-d / 120) * 0.5f;
            Colour cc = mix(hex(0x9aa6c4), hex(0xfffaf0), lit);
            cc = mix(cc, hex(0xffe2b0), rim * lit);
            col = mix(col, cc, cloud * 0.92f);
        }
        return col;
    });
}

void paintRange(Canvas& c, const Noise& n, const Range& r) {
    std::vector<float> top(static_cast<size_t>(c.width()) + 16);
    for (int x = -8; x < c.width() + 8; ++x) top[static_cast<size_t>(x + 8)] = crest(n, r, x + 0.5f);
    auto crestAt = [&](int x) { return top[static_cast<size_t>(std::clamp(x, -8, c.width() + 7) + 8)]; };
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            const float ty = crestAt(x);
            const float cover = clamp01(y + 0.5f - ty + 0.5f);
            if (cover <= 0) continue;
            const float depth = y - ty;
            const int w = 2 + static_cast<int>(depth * 0.35f);
            const float slope = (crestAt(x + w) - crestAt(x - w)) / (2.0f * w);
            const float gully = n.ridged(x / 9.0f + n.at(x / 40.0f, y / 40.0f) * 1.5f, y / 34.0f, 4);
            const float grain = n.fbm(x / 6.0f, y / 6.0f, 3);
            const float strata = n.fbm(x / 50.0f + y / 90.0f, y / 7.0f, 3);
            const float relief =
                (n.fbm((x + 1) / 26.0f, y / 26.0f, 4) - n.fbm((x - 1) / 26.0f, y / 26.0f, 4)) * 14;
            float lit =
                clamp01(0.5f + 1.4f * slope + 0.6f * (gully - 0.5f) + 0.2f * grain + 0.2f * strata + relief);
            Colour col = mix(r.shade, r.lit, lit);
            // Snow on the high crests, reaching down the gullies.
            const float high = clamp01((r.snowFrom - ty) / 60);
            const float snowDepth = high * (28 + 40 * n.fbm(x / 30.0f, 3.3f, 3)) + gully * 26 * high;
            const float snow = 1.0f - smoothstep(snowDepth - 4, snowDepth + 2,
                                                 depth + grain * 16 + strata * 14 - gully * 10);
            if (snow > 0) {
                const Colour snowCol = mix(hex(0xa9bbdc), hex(0xfdfbf5), clamp01(lit * 1.2f));
                col = mix(col, snowCol, snow);
            }
            const float haze = smoothstep(waterLine - 90, waterLine + 4, static_cast<float>(y));
            col = mix(col, r.haze, haze * 0.65f);
            c.blend(x, y, col, cover);
        }
    }
}

void paintForest(Canvas& c, const Noise& n) {
    auto hill = [&](float x) { return 288 + 22 * n.fbm(x / 140, 7.7f, 4) + 5 * std::sin(x / 70); };
    // The hill body under the trees.
    c.fill([&](float x, float y) { return hill(x) + 6 - y; },
           [&](float x, float y) {
               const float t = n.fbm(x / 5, y / 5, 3);
               return Ink{mix(hex(0x1d3d2a), hex(0x2f5a3a), clamp01(0.5f + t)), 1};
           });
    struct Tree {
        float x, base, height;
        float tone;
    };
    std::vector<Tree> trees;
    for (uint32_t i = 0; i < 420; ++i) {
        const float x = hashUnit(i, 1) * (c.width() + 20) - 10;
        const float u = hashUnit(i, 2);
        const float tall = 0.6f + 0.8f * clamp01(0.5f + n.fbm(x / 60, 2.2f, 2));
        trees.push_back(
            {x, hill(x) + 2 + u * u * 24, (10 + 18 * hashUnit(i, 3) + u * 10) * tall, hashUnit(i, 4)});
    }
    std::sort(trees.begin(), trees.end(), [](const Tree& a, const Tree& b) { return a.base < b.base; });
    for (const Tree& t : trees) {
        const float halfBase = t.height * 0.3f;
        // Three jagged tiers.
        const std::vector<Vec2> shape{{t.x, t.base - t.height},
                                      {t.x + halfBase * 0.55f, t.base - t.height * 0.58f},
                                      {t.x + halfBase * 0.35f, t.base - t.height * 0.58f},
                                      {t.x + halfBase * 0.85f, t.base - t.height * 0.25f},
                                      {t.x + halfBase * 0.5f, t.base - t.height * 0.25f},
                                      {t.x + halfBase, t.base},
                                      {t.x - halfBase, t.base},
                                      {t.x - halfBase * 0.5f, t.base - t.height * 0.25f},
                                      {t.x - halfBase * 0.85f, t.base - t.height * 0.25f},
                                      {t.x - halfBase * 0.35f, t.base - t.height * 0.58f},
                                      {t.x - halfBase * 0.55f, t.base - t.height * 0.58f}};
        const Colour dark = mix(hex(0x15301f), hex(0x24452c), t.tone);
        const Colour light = mix(hex(0x3f7445), hex(0x5e8f4a), t.tone);
        c.fill([&](float x, float y) { return sdPolygon(x, y, shape); },
               [&](float x, float y) {
                   const float side = clamp01(0.35f + (x - t.x) / halfBase * 0.6f);
                   const float tex = n.at(x / 2.5f, y / 2.5f) * 0.3f;
                   return Ink{mix(dark, light, clamp01(side + tex)), 1};
               },
               around(t.x, t.base - t.height / 2, halfBase, t.height / 2));
    }
}

void paintBoathouse(Canvas& c) {
    const float x0 = 500, x1 = 548, ground = 304, wall = 22, roof = 18;
    auto wood = [&](float x, float y) {
        const float plank = std::fmod(x - x0, 5.0f) < 0.9f ? 0.75f : 1.0f;
        const float lit = y > ground - wall * 0.5f ? 0.9f : 1.0f;
        return Ink{hex(0xa8322b) * (plank * lit), 1};
    };
    c.fill(
        [&](float x, float y) {
            return sdRoundRect(x, y, (x0 + x1) / 2, ground - wall / 2, (x1 - x0) / 2, wall / 2, 0.5f);
        },
        wood);
    // Doors and window with white trim.
    c.fill([&](float x, float y) { return sdRoundRect(x, y, 514, ground - 7, 6, 7, 0.5f); }, hex(0xf2efe6));
    c.fill([&](float x, float y) { return sdRoundRect(x, y, 514, ground - 7, 4.5f, 6, 0.5f); },
           hex(0x3b2a22));
    c.fill([&](float x, float y) { return sdRoundRect(x, y, 536, ground - 13, 5, 4, 0.5f); }, hex(0xf2efe6));
    c.fill([&](float x, float y) { return sdRoundRect(x, y, 536, ground - 13, 3.6f, 2.8f, 0.3f); },
           hex(0x6f8fae));
    const std::vector<Vec2> roofShape{
        {x0 - 4, ground - wall}, {(x0 + x1) / 2, ground - wall - roof}, {x1 + 4, ground - wall}};
    c.fill([&](float x, float y) { return sdPolygon(x, y, roofShape); },
           [&](float x, float) {
               return Ink{x > (x0 + x1) / 2 ? hex(0x4a4d55) : hex(0x32343b), 1};
           });
}

void paintJetty(Canvas& c) {
    const float ground = 304;
    c.fill([&](float x, float y) { return sdRoundRect(x, y, 486, ground + 1, 22, 1.6f, 0.5f); },
           hex(0x7a5a3c));
    for (float px : {468.0f, 480.0f, 492.0f}) {
        c.fill([&](float x, float y) { return sdRoundRect(x, y, px, ground + 4, 1, 4, 0.3f); },
               hex(0x4e3926));
    }
}

void paintWater(Canvas& c, const Noise& n, float shoreTop) {
    const Canvas above = c;
    for (int y = static_cast<int>(waterLine); y < static_cast<int>(shoreTop) + 30 && y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            const float fy = y + 0.5f, fx = x + 0.5f;
            const float far = clamp01((fy - waterLine) / 100);
            const float ripple = n.fbm(fx / 60, fy / 3.2f, 3);
            const float sx = fx + ripple * (2 + 10 * far);
            const float sy = 2 * waterLine - fy + n.at(fx / 20, fy / 2) * (1 + 3 * far);
            const Rgba r = above.sample(sx, std::max(sy, 0.5f));
            Colour col{r.r, r.g, r.b};
            col = mix(col, hex(0x1f5a74), 0.25f + 0.3f * far);
            col = col * (0.86f - 0.12f * far);
            const float streak = smoothstep(0.18f, 0.45f, ripple) * (0.25f + 0.4f * (1 - far));
            col = mix(col, hex(0xcfe3f2), streak * 0.45f);
            // Sun glitter in a path below the sun.
            const float path = std::exp(-std::pow((fx - sun.x) / (20 + 50 * far), 2.0f));
            const float glint =
                smoothstep(0.72f, 0.95f, hashUnit(static_cast<uint32_t>(x), static_cast<uint32_t>(y), 5)) *
                smoothstep(0.05f, 0.35f, ripple);
            col = screen(col, hex(0xfff3d6) * (glint * path * 0.9f + path * 0.12f * (1 - far)));
            c.at(x, y) = {col.r, col.g, col.b, 1};
        }
    }
}

void paintMeadow(Canvas& c, const Noise& n, const std::vector<float>& shore) {
    auto shoreAt = [&](float x) {
        return shore[static_cast<size_t>(std::clamp(static_cast<int>(x), 0, c.width() - 1))];
    };
    // Pebbly beach strip, then grass.
    c.fill([&](float x, float y) { return shoreAt(x) - y; },
           [&](float x, float y) {
               const float t = clamp01((y - shoreAt(x)) / (c.height() - shoreAt(x)));
               const float tex = n.fbm(x / 7, y / 4, 4);
               Colour col = mix(hex(0x8fbf55), hex(0x3f7d2f), t);
               col = col * (0.85f + 0.3f * tex);
               const float beach = 1 - smoothstep(2, 7, y - shoreAt(x) + tex * 4);
               const CellHit stone = cellular(x / 3.5f, y / 2.5f, 9);
               const Colour pebble =
                   mix(hex(0x8d8577), hex(0xd9d0bf),
                       hashUnit(static_cast<uint32_t>(stone.cellX), static_cast<uint32_t>(stone.cellY)));
               col = mix(col, pebble * (0.75f + 0.25f * clamp01(stone.second - stone.nearest)), beach);
               return Ink{col, 1};
           });
    // Grass blades, back to front, with flowers among them.
    struct Item {
        float x, y;
        uint32_t id;
        bool flower;
    };
    std::vector<Item> items;
    for (uint32_t i = 0; i < 9000; ++i) items.push_back({0, 0, i, false});
    for (uint32_t i = 0; i < 900; ++i) items.push_back({0, 0, i, true});
    for (Item& it : items) {
        it.x = hashUnit(it.id, it.flower ? 11u : 12u) * c.width();
        const float top = shoreAt(it.x) + 6;
        it.y = top + std::pow(hashUnit(it.id, it.flower ? 13u : 14u), 0.8f) * (c.height() + 16 - top);
    }
    std::sort(items.begin(), items.end(),
              [](const Item& a, const Item& b) { return a.y < b.y || (a.y == b.y && a.id < b.id); });
    for (const Item& it : items) {
        const float x = it.x;
        const float depth = clamp01((it.y - 390) / 90);
        const float scale = 0.45f + 0.9f * depth;
        if (!it.flower) {
            const float h = (7 + 10 * hashUnit(it.id, 15)) * scale;
            const float lean = (hashUnit(it.id, 16) - 0.5f) * h * 0.6f;
            const Vec2 a{x, it.y}, b{x + lean, it.y - h};
            const Colour col =
                mix(hex(0x2f6b26), hex(0xa9cf64), hashUnit(it.id, 17) * (0.5f + 0.5f * (1 - depth)));
            c.fill([&](float px,
                       float py) { return sdSegment(px, py, a, b, 0.45f + 0.5f * scale * (py - b.y) / h); },
                   col, 1, around(x + lean / 2, it.y - h / 2, std::fabs(lean) / 2 + 2, h / 2 + 2));
            continue;
        }
        // Flowers: the kind follows broad drifts across the meadow.
        const float drift = n.fbm(x / 120, it.y / 40, 2) + 0.3f * (hashUnit(it.id, 18) - 0.5f);
        const float r = (2.2f + 1.6f * hashUnit(it.id, 19)) * scale;
        const float stem = (6 + 8 * hashUnit(it.id, 20)) * scale;
        const Vec2 head{x, it.y - stem};
        c.fill(
            [&](float px, float py) {
                return sdSegment(px, py, {x, it.y}, head, 0.5f * scale + 0.2f);
            },
            hex(0x3e7a2e), 1, around(x, it.y - stem / 2, 2, stem / 2 + 2));
        if (drift < -0.12f) { // lupins: a purple spike
            const Colour base = hashUnit(it.id, 21) < 0.5f ? hex(0x8b5fc9) : hex(0xd36ba8);
            for (int k = 0; k < 6; ++k) {
                const float ky = head.y - k * r * 0.7f, kr = r * (0.75f - k * 0.08f);
                c.fill([&](float px, float py) { return sdCircle(px, py, x, ky, kr); },
                       [&](float px, float py) {
                           return Ink{mix(base, hex(0xf4e6ff), clamp01(0.3f - (px - x + py - ky) / (3 * kr))),
                                      1};
                       },
                       around(x, ky, kr, kr));
            }
        } else if (drift < 0.08f) { // daisies
            for (int k = 0; k < 8; ++k) {
                const float ang = k * pi / 4 + hashUnit(it.id, 22);
                const Vec2 tip = head + Vec2{std::cos(ang), std::sin(ang) * 0.6f} * (r * 1.3f);
                c.fill([&](float px, float py) { return sdSegment(px, py, head, tip, r * 0.32f); },
                       hex(0xfbfbf4), 1, around(head.x, head.y, r * 1.8f, r * 1.4f));
            }
            c.fill([&](float px, float py) { return sdCircle(px, py, head.x, head.y, r * 0.42f); },
                   hex(0xf2b822), 1, around(head.x, head.y, r, r));
        } else if (drift < 0.22f) { // buttercups
            c.fill([&](float px, float py) { return sdCircle(px, py, head.x, head.y, r * 0.8f); },
                   [&](float px, float py) {
                       return Ink{
                           mix(hex(0xf7d21c), hex(0xfff6a8), clamp01(-(px - head.x + py - head.y) / (2 * r))),
                           1};
                   },
                   around(head.x, head.y, r, r));
        } else { // poppies
            c.fill(
                [&](float px, float py) { return sdEllipse(px, py, head.x, head.y, r * 1.15f, r * 0.85f); },
                [&](float, float py) {
                    return Ink{mix(hex(0xc81e1e), hex(0xff6a3d), clamp01(0.5f - (py - head.y) / (2 * r))), 1};
                },
                around(head.x, head.y, r * 1.2f, r));
            c.fill([&](float px, float py) { return sdCircle(px, py, head.x, head.y + r * 0.1f, r * 0.28f); },
                   hex(0x2a1714), 1, around(head.x, head.y, r, r));
        }
    }
}

} // namespace

Canvas paintMountainLake() {
    const Noise n(11);
    Canvas c(pictureWidth, pictureHeight);
    paintSky(c, n);
    const Range far{262, 200, 1 / 120.0f, 3.1f, 200, 170, hex(0xc4b4a6), hex(0x5a6790), hex(0xb7c8e0), 205};
    const Range near{292, 130, 1 / 80.0f, 8.7f, 600, 140, hex(0x8c9a84), hex(0x3c5166), hex(0x98b0c8), 190};
    paintRange(c, n, far);
    paintRange(c, n, near);
    paintForest(c, n);
    paintBoathouse(c);
    std::vector<float> shore(static_cast<size_t>(c.width()));
    for (int x = 0; x < c.width(); ++x)
        shore[static_cast<size_t>(x)] = 388 + 16 * n.fbm(x / 130.0f, 1.7f, 3) + (x - 320) * 0.03f;
    paintWater(c, n, *std::max_element(shore.begin(), shore.end()));
    paintJetty(c);
    paintMeadow(c, n, shore);
    return c;
}

} // namespace datagen
