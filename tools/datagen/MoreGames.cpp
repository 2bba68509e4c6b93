// The more-games screen: three columns, one per game of ours (their art, title and line), a bar
// for the two buttons, the larger previews shown while a column is hovered and the "More info"
// badge drawn over them.
#include "Generators.h"
#include "Noise.h"
#include "Shapes.h"
#include "Style.h"

#include <vector>

namespace datagen {
namespace {

struct Column {
    int x, width;
    const char* title;
    std::vector<const char*> lines;
};

const Column columns[3] = {
    {0, 266, "Garden Tiles", {"Match the flower tiles", "and let the garden bloom."}},
    {273, 257, "Star Lanterns", {"Light the lanterns and", "guide them to the stars."}},
    {536, 264, "Ocean Pebbles", {"Gather shining pebbles", "from the quiet sea."}},
};
constexpr int columnHeight = 537;

Canvas gardenTiles(int w, int h, const Noise& n) {
    Canvas c(w, h);
    c.paint([&](float x, float y) {
        const float leaf = n.fbm(x / 30, y / 30, 4);
        return mix(hex(0x2f6b3a), hex(0x7fb55a), clamp01(0.45f + leaf + (h - y) / (2.0f * h) - 0.3f));
    });
    static const Colour flowers[] = {hex(0xe2463a), hex(0x3a78d8), hex(0xf2b41c), hex(0xc04fa8),
                                     hex(0x2fa56a)};
    // A small pyramid of tiles, each with a flower.
    const int rowsOfTiles[] = {4, 3, 2, 1};
    for (int layer = 0; layer < 4; ++layer) {
        for (int r = 0; r < rowsOfTiles[layer]; ++r) {
            for (int k = 0; k < 5 - layer; ++k) {
                const float tx = w / 2.0f + (k - (4 - layer) / 2.0f) * 42 - layer * 4;
                const float ty = 170 + r * 56 + layer * 22 - layer * 8;
                drawBevelled(
                    c, [&](float x, float y) { return sdRoundRect(x, y, tx, ty, 19, 26, 4); },
                    [&](float, float y) { return mix(hex(0xfffaf0), hex(0xe6dcc4), (y - ty + 26) / 52); },
                    around(tx, ty, 19, 26), 3, {3, 4}, 2, 0.45f);
                const Colour f =
                    flowers[hash32(static_cast<uint32_t>(layer), static_cast<uint32_t>(r * 7 + k)) % 5];
                for (int p = 0; p < 5; ++p) {
                    const float a = p * 2 * pi / 5 - pi / 2;
                    c.fill(
                        [&](float x, float y) {
                            return sdCircle(x, y, tx + std::cos(a) * 6, ty + std::sin(a) * 6, 5);
                        },
                        f);
                }
                c.fill([&](float x, float y) { return sdCircle(x, y, tx, ty, 3.5f); }, hex(0xffe070));
            }
        }
    }
    return c;
}

Canvas starLanterns(int w, int h, const Noise& n) {
    Canvas c(w, h);
    const Gradient sky{{0.0f, hex(0x0a0f2e)}, {0.6f, hex(0x2b2a68)}, {1.0f, hex(0x7a4a78)}};
    c.paint([&](float x, float y) {
        Colour col = sky.at(y / h);
        const float star =
            smoothstep(0.985f, 1.0f, hashUnit(static_cast<uint32_t>(x), static_cast<uint32_t>(y), 3));
        return col + Colour{1, 1, 0.9f} * (star * 0.9f * (1 - y / h));
    });
    // Hills at the bottom.
    c.fill([&](float x, float y) { return h - 80 + 25 * n.fbm(x / 90, 1, 3) - y; }, hex(0x161433));
    for (uint32_t i = 0; i < 16; ++i) {
        const float lx = 20 + hashUnit(i, 1) * (w - 40), ly = 90 + hashUnit(i, 2) * (h - 200);
        const float s = 0.6f + 0.6f * (ly / h);
        Canvas glow(w, h);
        glow.fill([&](float x, float y) { return sdCircle(x, y, lx, ly, 18 * s); }, hex(0xffb24a), 1,
                  around(lx, ly, 40, 40));
        c.draw(glow.blurred(8 * s), 0, 0, 0.7f);
        c.fill([&](float x, float y) { return sdRoundRect(x, y, lx, ly, 9 * s, 12 * s, 6 * s); },
               [&](float x, float y) {
                   return Ink{
                       mix(hex(0xfff0b0), hex(0xf07a22), clamp01(std::hypot(x - lx, y - ly) / (14 * s))), 1};
               });
        c.fill([&](float x, float y) { return sdRoundRect(x, y, lx, ly + 13 * s, 5 * s, 1.5f * s, 1); },
               hex(0x6a2a10));
    }
    return c;
}

Canvas oceanPebbles(int w, int h, const Noise& n) {
    Canvas c(w, h);
    const Gradient sea{{0.0f, hex(0x5fd0d8)}, {0.5f, hex(0x1f8fa8)}, {1.0f, hex(0x0f4a6a)}};
    c.paint([&](float x, float y) {
        Colour col = sea.at(y / h);
        const float rays =
            std::pow(clamp01(0.5f + 0.5f * std::sin(x / 14 + y / 40 + n.at(x / 80, y / 200) * 3)), 6.0f) *
            (1 - y / h);
        col = col + Colour{0.6f, 0.9f, 0.9f} * (rays * 0.25f);
        const float caustic = n.ridged(x / 20, y / 20, 2);
        return col + Colour{0.3f, 0.4f, 0.4f} * (std::pow(caustic, 4.0f) * 0.3f);
    });
    c.fill([&](float x, float y) { return h - 110 + 18 * n.fbm(x / 70, 4, 3) - y; },
           [&](float x, float y) {
               return Ink{mix(hex(0xe8d3a0), hex(0xb8995c), clamp01(n.fbm(x / 6, y / 6, 2) + 0.5f)), 1};
           });
    static const Colour gems[] = {hex(0xe2463a), hex(0xf2b41c), hex(0x7a4bd8),
                                  hex(0x2fbf7a), hex(0xff7ab8), hex(0x3a9cf0)};
    for (uint32_t i = 0; i < 26; ++i) {
        const float px = hashUnit(i, 5) * w, py = h - 95 + hashUnit(i, 6) * 85, r = 9 + 7 * hashUnit(i, 7);
        const Colour g = gems[hash32(i, 8) % 6];
        drawBevelled(
            c, [&](float x, float y) { return sdEllipse(x, y, px, py, r * 1.2f, r); },
            [&](float x, float y) {
                return mix(g * 1.3f, g * 0.7f, clamp01((x - px + y - py) / (3 * r) + 0.5f));
            },
            around(px, py, r * 1.3f, r), 4, {2, 3}, 2, 0.4f);
    }
    for (uint32_t i = 0; i < 40; ++i) {
        const float bx = hashUnit(i, 9) * w, by = hashUnit(i, 10) * (h - 150), br = 2 + 6 * hashUnit(i, 11);
        c.fill([&](float x, float y) { return std::fabs(sdCircle(x, y, bx, by, br)) - 0.7f; }, hex(0xe6fbff),
               0.7f);
        c.fill([&](float x, float y) { return sdCircle(x, y, bx - br * 0.35f, by - br * 0.35f, br * 0.25f); },
               hex(0xffffff), 0.8f);
    }
    // Two little fish.
    for (int f = 0; f < 2; ++f) {
        const float fx = w * (0.3f + 0.4f * f), fy = 150.0f + 120 * f;
        const Colour body = f ? hex(0xffa040) : hex(0xffe04a);
        c.fill(
            [&](float x, float y) {
                const std::vector<Vec2> tail{{fx + 16, fy}, {fx + 30, fy - 10}, {fx + 30, fy + 10}};
                return sdUnion(sdEllipse(x, y, fx, fy, 20, 11), sdPolygon(x, y, tail));
            },
            body);
        c.fill([&](float x, float y) { return sdCircle(x, y, fx - 10, fy - 2, 2.5f); }, hex(0x101820));
    }
    return c;
}

Canvas gameArt(int index, int w, int h) {
    const Noise n(101 + static_cast<uint32_t>(index));
    switch (index) {
    case 0:
        return gardenTiles(w, h, n);
    case 1:
        return starLanterns(w, h, n);
    default:
        return oceanPebbles(w, h, n);
    }
}

void drawTexts(Canvas& c, Lettering& lettering, const Column& col, float cx, bool preview) {
    // A dark band under the lines keeps them readable over any art.
    c.fill([&](float x, float y) { return sdRoundRect(x, y, cx, 470, cx + 10, 60, 0); },
           [&](float, float y) {
               return Ink{hex(0x081820), 0.6f * smoothstep(410, 450, y)};
           });
    drawLabel(c, lettering, col.title, cx, 44, titleLabel(preview ? 30 : 26));
    float y = preview ? 468 : 472;
    for (const char* line : col.lines) {
        drawLabel(c, lettering, line, cx, y, plainLabel(preview ? 16 : 14));
        y += preview ? 24 : 20;
    }
}

} // namespace

void makeMoreGames(DataTree& tree, Lettering& lettering) {
    const std::string origin = "generated: more-games screen (tools/datagen/MoreGames.cpp)";
    Canvas screen(800, 600);
    screen.paint([](float, float y) { return mix(hex(0x10293d), hex(0x0a1a28), y / 600); });
    for (int i = 0; i < 3; ++i) {
        const Column& col = columns[i];
        Canvas art = gameArt(i, col.width, columnHeight);
        // At rest the columns are a little dimmed; the preview shows them in full light.
        Canvas resting = art;
        resting.recolour([&](float x, float y) {
            const Rgba p = art.at(static_cast<int>(x), static_cast<int>(y));
            return Ink{Colour{p.r, p.g, p.b} * 0.82f, 1};
        });
        drawTexts(resting, lettering, col, col.width / 2.0f, false);
        screen.draw(resting, col.x, 0);

        Canvas preview = art;
        drawTexts(preview, lettering, col, col.width / 2.0f, true);
        preview.fill(
            [&](float x, float y) {
                return std::fabs(sdRoundRect(x, y, col.width / 2.0f, columnHeight / 2.0f,
                                             col.width / 2.0f - 3, columnHeight / 2.0f - 3, 8)) -
                       2;
            },
            hex(0xffc35a));
        tree.savePng("gfx/gui/mg_0" + std::to_string(i + 1) + ".png", preview, origin);
    }
    // The bar for the two buttons.
    screen.fill([](float x, float y) { return sdRoundRect(x, y, 400, 568.5f, 400, 31.5f, 0); },
                [](float, float y) {
                    return Ink{mix(hex(0x1f5a6e), hex(0x10293d), (y - 537) / 63), 1};
                });
    screen.fill([](float x, float y) { return sdRoundRect(x, y, 400, 538, 400, 1, 0); }, hex(0x9fe0da), 0.6f);
    LabelStyle caption = plainLabel(14);
    caption.bottom = hex(0xd9f3f0);
    drawLabelLeft(screen, lettering, "More games to enjoy", 16, 568, caption);
    tree.saveJpeg("gfx/moreGames.jpg", screen, origin);

    // The badge: drawn centred over the hovered column.
    Canvas badge(176, 44);
    drawButtonBody(badge, {3, 3, 170, 36}, 18, Look::hover);
    badge.fill([](float x, float y) { return sdCircle(x, y, 24, 21, 12); }, hex(0xffffff), 0.95f);
    drawIcon(badge, Icon::info, 24, 21, 15, hex(0xd2541a));
    drawButtonLabel(badge, lettering, "More info", 18, 100, 21, Look::hover);
    tree.savePng("gfx/gui/more_info.png", badge, origin);
}

} // namespace datagen
