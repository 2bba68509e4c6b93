// Puzzle picture 3: a stone mosaic: a lotus medallion with a sun at its heart, rosettes on a sea-blue
// field, a fan in each corner and a running-wave border whose colour drifts around the frame.
#include "Noise.h"
#include "Pictures.h"
#include "Shapes.h"

namespace datagen {
namespace {

constexpr float cx = pictureWidth / 2.0f, cy = pictureHeight / 2.0f;
constexpr float border = 30;
constexpr float tile = 6.5f;

const Colour cream = hex(0xf1e6cf);
const Colour ink = hex(0x2b2238);
// The colour drifting around the border, and the warm rainbow of the lotus petals.
const Gradient borderHues{{0.0f, hex(0xc0532f)},
                          {0.25f, hex(0xd99a2b)},
                          {0.5f, hex(0x6f8f3a)},
                          {0.75f, hex(0x2f7f8f)},
                          {1.0f, hex(0xc0532f)}};
const Gradient petalHues{{0.0f, hex(0xe8b13a)}, {0.2f, hex(0xe2703a)}, {0.4f, hex(0xc8416a)},
                         {0.6f, hex(0x7a4ba8)}, {0.8f, hex(0x3a78b8)}, {1.0f, hex(0x3aa38f)}};

// The drawing the stones are laid after.
Colour design(float x, float y, const Noise& n) {
    // Border: a running wave, its colour drifting around the frame.
    const float inset = std::min({x, y, pictureWidth - x, pictureHeight - y});
    if (inset < border) {
        if (inset < 4 || inset > border - 4) return ink;
        float s; // position along the frame
        if (y < border && y <= x && y <= pictureWidth - x)
            s = x;
        else if (pictureWidth - x < border && pictureWidth - x <= y && pictureWidth - x <= pictureHeight - y)
            s = pictureWidth + y;
        else if (pictureHeight - y < border && pictureHeight - y <= x)
            s = pictureWidth + pictureHeight + (pictureWidth - x);
        else
            s = 2 * pictureWidth + pictureHeight + (pictureHeight - y);
        const float v = (inset - 4) / (border - 8);
        const float wave =
            0.5f + 0.32f * std::sin(s / 46.0f * 2 * pi) + 0.1f * std::sin(s / 23.0f * 2 * pi + 1);
        const Colour hue = borderHues.cyclic(s / (2 * (pictureWidth + pictureHeight)));
        return v < wave ? hue : cream;
    }
    const float dx = x - cx, dy = y - cy;
    const float r = std::hypot(dx, dy), a = std::atan2(dy, dx);
    const float turn = (a + pi) / (2 * pi); // 0..1 around the medallion
    if (r < 34) return mix(hex(0xfff0a0), hex(0xf0962a), smoothstep(4, 34, r) + 0.15f * std::sin(a * 12));
    if (r < 40) return ink;
    if (r < 124) { // inside the lotus ring
        // Sixteen lotus petals, each its own colour, a warm rainbow around the ring.
        const float sector = a / (2 * pi) * 16;
        const float f = sector - std::floor(sector) - 0.5f; // -0.5..0.5 across a petal
        const float reach = 40 + 82 * std::pow(std::max(0.0f, std::cos(f * pi)), 0.7f);
        const int petal = static_cast<int>(std::floor(sector)) & 15;
        if (r < reach - 3) {
            const Colour base = petalHues.at(petal / 15.0f);
            const float vein = std::fabs(f) < 0.07f && r > 52 ? 1.0f : 0.0f;
            return mix(mix(base * 1.15f, base * 0.8f, (r - 40) / 84), cream, vein * 0.7f);
        }
        if (r < reach) return ink;
        return mix(cream, hex(0xe9d6ae), turn);
    }
    if (r < 130) return hex(0x1d3b6e);
    if (r < 152) {
        const float saw = std::fmod((a + pi) / (2 * pi) * 36, 1.0f);
        const bool up = (r - 130) / 22 < (saw < 0.5f ? saw * 2 : 2 - saw * 2);
        return up ? mix(hex(0x2fa5a0), hex(0x7fc7b8), turn) : cream;
    }
    if (r < 158) return hex(0xd4a02a);
    // Corner fans, each in its own colours.
    const float fx = x < cx ? border : pictureWidth - border, fy = y < cy ? border : pictureHeight - border;
    const float fr = std::hypot(x - fx, y - fy);
    if (fr < 96) {
        const int corner = (x < cx ? 0 : 1) + (y < cy ? 0 : 2);
        static const Colour fans[4][2] = {{hex(0x4f9a3c), hex(0xcfe38a)},
                                          {hex(0xd2672a), hex(0xf7d27c)},
                                          {hex(0x6d4aa8), hex(0xe0b7ef)},
                                          {hex(0x237f94), hex(0xa9e3e0)}};
        if (fr > 90) return ink;
        const float ring = std::floor(fr / 18);
        const float fa = std::atan2(std::fabs(y - fy), std::fabs(x - fx));
        const bool ray = std::fmod(fa / (pi / 2) * (3 + ring * 2) + ring * 0.5f, 1.0f) < 0.5f;
        if (std::fmod(fr, 18.0f) < 3) return cream;
        return ray ? fans[corner][0] * (1.1f - ring * 0.08f) : fans[corner][1];
    }
    // The field: rosettes on a diagonal lattice over sea blue.
    const float u = (x + y) / 64.0f, v = (x - y) / 64.0f;
    const float lu = u - std::round(u), lv = v - std::round(v);
    const float px = (lu + lv) * 32, py = (lu - lv) * 32; // offset from the rosette centre, pixels
    const float pr = std::hypot(px, py), pa = std::atan2(py, px);
    const auto id =
        hash32(static_cast<uint32_t>(std::lround(u) + 100), static_cast<uint32_t>(std::lround(v) + 100), 3);
    static const Colour rosette[5] = {hex(0xf2c14e), hex(0xf08a5d), hex(0xf5f1e6), hex(0x7fd1c7),
                                      hex(0xe57fa0)};
    const float petalR = 13 * (0.5f + 0.5f * std::fabs(std::cos(2 * pa)));
    if (pr < 3.5f) return hex(0xd4a02a);
    if (pr < petalR) return rosette[id % 5];
    if (pr < petalR + 2.5f) return hex(0x10283f);
    // Small diamonds halfway between the rosettes.
    const float du = std::fabs(std::fabs(lu) - 0.5f) * 64, dv = std::fabs(std::fabs(lv) - 0.5f) * 64;
    if (du + dv < 7) return mix(hex(0xf5f1e6), hex(0xd4a02a), hashUnit(id, 5));
    const float sea = n.fbm(x / 110, y / 110, 3);
    const Colour deep = mix(hex(0x16365e), hex(0x2a5d48), clamp01(0.5f + (x - cx) / 500));
    return mix(deep, hex(0x2a8088), clamp01(0.45f + sea * 1.4f + (y - cy) / 500));
}

} // namespace

Canvas paintMosaic() {
    const Noise n(31);
    Canvas c(pictureWidth, pictureHeight);
    c.paint([&](float x, float y) {
        const CellHit cell = cellular(x / tile, y / tile, 17, 0.75f);
        const float edge = cell.second - cell.nearest; // 0 on the joint between two stones
        const Colour grout = hex(0xcfc6b4) * (0.85f + 0.15f * n.at(x / 3, y / 3));
        if (edge < 0.06f) return mix(grout * 0.85f, grout, edge / 0.06f);
        Colour stone = design(cell.pointX * tile, cell.pointY * tile, n);
        // Every stone a little different, and glazed: lighter towards the top-left.
        const auto cx32 = static_cast<uint32_t>(cell.cellX + 1000),
                   cy32 = static_cast<uint32_t>(cell.cellY + 1000);
        stone = stone * (0.9f + 0.18f * hashUnit(cx32, cy32, 41));
        stone = saturate(stone, 0.9f + 0.2f * hashUnit(cx32, cy32, 42));
        const float gx = (x / tile - cell.pointX), gy = (y / tile - cell.pointY);
        const float glaze = -(gx * 0.6f + gy * 0.8f) * 0.22f;
        const float bevel = smoothstep(0.06f, 0.2f, edge);
        const float grain = n.fbm(x / 2.5f, y / 2.5f, 2) * 0.06f;
        stone = stone * (0.78f + 0.22f * bevel + glaze + grain);
        return clamped(stone);
    });
    return c;
}

} // namespace datagen
