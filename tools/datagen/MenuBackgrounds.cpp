// The main menu picture (also the loading screen) and the picture-set selection backdrop: a calm
// morning sky with a faint jigsaw pattern, pieces of the puzzle pictures floating at the sides, the
// title "Tessaro Puzzle Game" and a soft shade where the buttons, the "Loading..." line and the
// clock go.
#include "Generators.h"
#include "Noise.h"
#include "Pictures.h"
#include "Shapes.h"
#include "Style.h"

#include <vector>

namespace datagen {
namespace {

constexpr int screenWidth = 800, screenHeight = 600;

Canvas backdrop(const Noise& n) {
    Canvas c(screenWidth, screenHeight);
    const Gradient sky{
        {0.0f, hex(0x174a66)}, {0.45f, hex(0x2f7f92)}, {0.8f, hex(0x7fb8a8)}, {1.0f, hex(0xe9c98f)}};
    c.paint([&](float x, float y) {
        const float t = (y + 0.25f * (x - 400)) / 650;
        Colour col = sky.at(t + 0.05f * n.fbm(x / 300, y / 300, 3));
        // Soft light from the top-right.
        const float d = std::hypot(x - 640, y + 40);
        col = screen(col, hex(0xfff1cf) * (0.35f * std::exp(-d / 260)));
        return col;
    });
    // A faint jigsaw pattern over everything, as if the sky itself were a puzzle.
    constexpr float cell = 100, half = cell / 2;
    const int cols = screenWidth / static_cast<int>(cell), rows = screenHeight / static_cast<int>(cell);
    auto knob = [](int a, int b, int salt) {
        return hash32(static_cast<uint32_t>(a), static_cast<uint32_t>(b), static_cast<uint32_t>(salt)) & 1
                   ? 1
                   : -1;
    };
    Canvas lines(screenWidth, screenHeight);
    for (int j = 0; j < rows; ++j) {
        for (int i = 0; i < cols; ++i) {
            const PieceSides sides{j == 0 ? 0 : -knob(i, j, 1), i == cols - 1 ? 0 : knob(i + 1, j, 2),
                                   j == rows - 1 ? 0 : knob(i, j + 1, 1), i == 0 ? 0 : -knob(i, j, 2)};
            const float pcx = i * cell + half, pcy = j * cell + half;
            lines.fill(
                [&](float x, float y) { return std::fabs(sdPiece(x, y, pcx, pcy, half, 0, sides)) - 0.6f; },
                Colour{1, 1, 1}, 1, around(pcx, pcy, cell, cell));
        }
    }
    c.drawTinted(lines, 1, 1, hex(0x08202c), 0.16f);
    c.drawTinted(lines, 0, 0, hex(0xffffff), 0.10f);
    return c;
}

// A piece cut from one of the puzzle pictures, lying at an angle with a shadow.
void floatingPiece(Canvas& c, const Canvas& picture, Vec2 at, float half, float angle, Vec2 from,
                   PieceSides sides) {
    auto sdf = [&](float x, float y) { return sdPiece(x, y, at.x, at.y, half, angle, sides); };
    auto paint = [&](float x, float y) {
        const Vec2 p = rotate(Vec2{x - at.x, y - at.y}, -angle);
        const Rgba s = picture.sample(from.x + p.x, from.y + p.y);
        return Colour{s.r, s.g, s.b};
    };
    drawBevelled(c, sdf, paint, around(at.x, at.y, half * 1.8f, half * 1.8f), 5, {6, 9}, 5, 0.4f);
}

void shadeColumn(Canvas& c) {
    // A soft darker oval behind the centre column, so white text and the buttons stand out.
    Canvas shade(screenWidth, screenHeight);
    shade.fill([](float x, float y) { return sdRoundRect(x, y, 400, 408, 120, 135, 60); }, hex(0x06202c),
               0.32f);
    c.draw(shade.blurred(28), 0, 0);
}

} // namespace

void makeMenuBackgrounds(DataTree& tree, Lettering& lettering, const std::vector<Canvas>& pictures) {
    const Noise n(5);
    const Canvas base = backdrop(n);

    Canvas menu = base;
    struct Floating {
        int picture;
        Vec2 at;
        float half, angle;
        Vec2 from;
        PieceSides sides;
    };
    const Floating pieces[] = {
        {0, {92, 120}, 44, -0.28f, {300, 290}, {1, -1, 1, 1}},
        {3, {178, 300}, 40, 0.22f, {300, 330}, {-1, 1, -1, 1}},
        {1, {78, 480}, 46, 0.12f, {520, 380}, {1, 1, -1, -1}},
        {2, {210, 520}, 34, -0.4f, {320, 240}, {-1, 1, 1, -1}},
        {3, {708, 116}, 42, 0.3f, {150, 200}, {1, 1, -1, 1}},
        {0, {620, 300}, 38, -0.18f, {520, 290}, {1, -1, -1, 1}},
        {2, {722, 470}, 46, -0.1f, {120, 90}, {-1, -1, 1, 1}},
        {1, {590, 540}, 32, 0.45f, {200, 200}, {1, 1, 1, -1}},
    };
    shadeColumn(menu);
    for (const Floating& f : pieces)
        floatingPiece(menu, pictures[static_cast<size_t>(f.picture)], f.at, f.half, f.angle, f.from, f.sides);
    drawLabel(menu, lettering, "Tessaro", 400, 128, titleLabel(100));
    LabelStyle subtitle = plainLabel(36);
    subtitle.bottom = hex(0xd9f3f0);
    subtitle.outlineWidth = 2.5f;
    subtitle.glowRadius = 8;
    subtitle.glow = hex(0x0b2f3d);
    subtitle.glowAlpha = 0.5f;
    drawLabel(menu, lettering, "Puzzle Game", 400, 214, subtitle);
    tree.saveJpeg("gfx/menu-screen.jpg", menu, "generated: title art (tools/datagen/MenuBackgrounds.cpp)");

    // The selection screen: a heading and a soft light behind each place where a thumbnail
    // (256 x 192) goes.
    Canvas select = base;
    drawLabel(select, lettering, "Choose a puzzle", 400, 58, titleLabel(40));
    Canvas halos(screenWidth, screenHeight);
    for (const Vec2 at : {Vec2{210, 210}, Vec2{590, 210}, Vec2{210, 420}, Vec2{590, 420}}) {
        halos.fill([&](float x, float y) { return sdRoundRect(x, y, at.x, at.y, 136, 104, 14); },
                   hex(0xfff4d6), 0.5f);
    }
    select.draw(halos.blurred(9), 0, 0);
    tree.saveJpeg("gfx/menu-screen2c.jpg", select,
                  "generated: picture-set selection backdrop (tools/datagen/MenuBackgrounds.cpp)");
}

} // namespace datagen
