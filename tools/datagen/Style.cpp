// Buttons, panels, icons and label styles shared by every control image.
#include "Style.h"

#include "Shapes.h"

#include <functional>
#include <vector>

namespace datagen {
namespace {

struct Palette {
    Colour top, bottom, rim, labelOutline, glow;
    float glowAlpha;
    bool glossy = true;
};

Palette paletteOf(Look look) {
    switch (look) {
    case Look::hover:
        return {hex(0xffd98a), hex(0xf08a2c), hex(0x9a4a12), hex(0x7a3208), hex(0xffc35a), 0.55f};
    case Look::highlight:
        return {hex(0xfff8dc), hex(0xffc24f), hex(0xb8741c), hex(0x8a4a08), hex(0xfff0b0), 0.9f};
    case Look::off: // matte grey, under the normal look's lettering
        return {hex(0x5a6873), hex(0x3b4852), hex(0x27323b), hex(0x0b3a44), hex(0x000000), 0.0f, false};
    default:
        return {hex(0x4cc3bb), hex(0x17707e), hex(0x0b3f4a), hex(0x0b3a44), hex(0x000000), 0.0f};
    }
}

} // namespace

void drawButtonBody(Canvas& c, Rect r, float radius, Look look) {
    const Palette p = paletteOf(look);
    const float cx = r.cx(), cy = r.cy(), hw = r.w / 2, hh = r.h / 2;
    auto body = [&](float x, float y) { return sdRoundRect(x, y, cx, cy, hw, hh, radius); };
    // Shadow and glow go on a layer of their own, blurred.
    Canvas under(c.width(), c.height());
    under.fill([&](float x, float y) { return sdRoundRect(x, y, cx, cy + 1.5f, hw, hh, radius); },
               hex(0x000000), 0.45f);
    c.draw(under.blurred(1.5f), 0, 0);
    if (p.glowAlpha > 0) {
        Canvas glow(c.width(), c.height());
        glow.fill([&](float x, float y) { return sdRoundRect(x, y, cx, cy, hw + 1, hh + 1, radius + 1); },
                  p.glow, 1);
        c.draw(glow.blurred(2.2f), 0, 0, p.glowAlpha);
    }
    c.fill(body, p.rim);
    c.fill([&](float x, float y) { return sdRoundRect(x, y, cx, cy, hw - 1.3f, hh - 1.3f, radius - 1.3f); },
           [&](float, float y) {
               return Ink{mix(p.top, p.bottom, clamp01((y - r.y) / r.h)), 1};
           });
    if (!p.glossy) return;
    // Gloss on the upper half and a thin bright edge at the top.
    c.fill(
        [&](float x, float y) {
            return sdIntersect(sdRoundRect(x, y, cx, cy, hw - 2.5f, hh - 2.5f, radius - 2.5f),
                               y - (cy - hh * 0.05f));
        },
        [&](float, float y) {
            return Ink{{1, 1, 1}, 0.32f * (1 - clamp01((y - r.y) / (hh * 1.0f)))};
        });
    c.fill(
        [&](float x, float y) {
            return sdSubtract(sdRoundRect(x, y, cx, cy, hw - 1.3f, hh - 1.3f, radius - 1.3f),
                              sdRoundRect(x, y, cx, cy + 1.0f, hw - 1.3f, hh - 1.3f, radius - 1.3f));
        },
        Colour{1, 1, 1}, 0.45f);
}

void drawButtonLabel(Canvas& c, Lettering& lettering, const std::string& text, int size, float cx, float cy,
                     Look look) {
    const Palette p = paletteOf(look);
    LabelStyle style;
    style.size = size;
    style.top = {1, 1, 1};
    style.bottom = look == Look::hover ? hex(0xfff3dc) : hex(0xdff5f2);
    style.outlineWidth = size >= 18 ? 1.6f : 1.2f;
    style.outline = p.labelOutline;
    style.outlineAlpha = look == Look::hover ? 1.0f : 0.85f;
    style.shadowAlpha = 0.35f;
    if (look == Look::highlight) {
        // Dark lettering reads best on the bright gold.
        style.top = hex(0x8a4208);
        style.bottom = hex(0x5a2a04);
        style.outline = hex(0xfff6d8);
        style.outlineAlpha = 0.7f;
        style.outlineWidth = 1.0f;
        style.shadowAlpha = 0;
    }
    style.shadowBlur = 0.8f;
    style.shadowDy = 1;
    drawLabel(c, lettering, text, cx, cy, style);
}

Canvas buttonImage(Lettering& lettering, int width, int height, const std::string& text, int size,
                   Look look) {
    Canvas c(width, height);
    const Rect r{3, 2.5f, width - 6.0f, height - 6.0f};
    drawButtonBody(c, r, r.h / 2, look);
    drawButtonLabel(c, lettering, text, size, r.cx(), r.cy(), look);
    return c;
}

Canvas hoverStrip(const std::function<Canvas(Look)>& frame) {
    const Canvas normal = frame(Look::normal), hover = frame(Look::hover);
    Canvas strip(normal.width() * 2, normal.height());
    strip.draw(normal, 0, 0);
    strip.draw(hover, normal.width(), 0);
    return strip;
}

Canvas buttonStrip(Lettering& lettering, int frameWidth, int frameHeight, const std::string& text, int size) {
    return hoverStrip(
        [&](Look look) { return buttonImage(lettering, frameWidth, frameHeight, text, size, look); });
}

Canvas panel(int width, int height, float header) {
    Canvas c(width, height);
    const float cx = width / 2.0f, cy = height / 2.0f, hw = width / 2.0f - 2, hh = height / 2.0f - 2;
    const float radius = 18;
    c.fill([&](float x, float y) { return sdRoundRect(x, y, cx, cy, hw, hh, radius); }, hex(0x9fe0da), 0.9f);
    c.fill([&](float x, float y) { return sdRoundRect(x, y, cx, cy, hw - 2, hh - 2, radius - 2); },
           [&](float x, float y) {
               const float t = clamp01((y - 2) / (height - 4));
               const float sheen = 0.06f * std::exp(-std::pow((x - width * 0.3f) / (width * 0.5f), 2.0f));
               return Ink{mix(hex(0x1f5a6e), hex(0x10293d), t) + Colour{sheen, sheen, sheen}, 0.93f};
           });
    if (header > 0) {
        c.fill(
            [&](float x, float y) {
                return sdIntersect(sdRoundRect(x, y, cx, cy, hw - 2, hh - 2, radius - 2), y - (2 + header));
            },
            [&](float, float y) {
                return Ink{mix(hex(0x3a8fa0), hex(0x22627a), clamp01((y - 2) / header)), 0.95f};
            });
        c.fill([&](float x, float y) { return sdRoundRect(x, y, cx, 2 + header, hw - 12, 0.6f, 0.6f); },
               hex(0x9fe0da), 0.7f);
    }
    // A thin inner highlight along the top edge.
    c.fill(
        [&](float x, float y) {
            return sdSubtract(sdRoundRect(x, y, cx, cy, hw - 2, hh - 2, radius - 2),
                              sdRoundRect(x, y, cx, cy + 1.2f, hw - 2, hh - 2, radius - 2));
        },
        Colour{1, 1, 1}, 0.35f);
    return c;
}

void drawIcon(Canvas& c, Icon icon, float cx, float cy, float size, Colour colour) {
    const float s = size / 16; // icons are designed on a 16 px grid
    auto P = [&](float x, float y) { return Vec2{cx + x * s, cy + y * s}; };
    std::function<float(float, float)> sdf;
    switch (icon) {
    case Icon::house: {
        const std::vector<Vec2> roof{P(-8, -0.5f), P(0, -7.5f), P(8, -0.5f), P(6, 1), P(0, -4.5f), P(-6, 1)};
        sdf = [=](float x, float y) {
            const float walls = sdRoundRect(x, y, cx, cy + 3.5f * s, 5 * s, 4.5f * s, 0.8f * s);
            const float door = sdRoundRect(x, y, cx, cy + 5.5f * s, 1.5f * s, 2.6f * s, 0.5f * s);
            return sdUnion(sdPolygon(x, y, roof), sdSubtract(walls, door));
        };
        break;
    }
    case Icon::bulb:
        sdf = [=](float x, float y) {
            const float glass = sdCircle(x, y, cx, cy - 2 * s, 5.2f * s);
            const float neck = sdRoundRect(x, y, cx, cy + 3.2f * s, 2.6f * s, 1.6f * s, 0.6f * s);
            const float base = sdRoundRect(x, y, cx, cy + 6.2f * s, 2.2f * s, 1.0f * s, 0.8f * s);
            const float shine = sdSegment(x, y, P(-2.5f, -3.2f), P(-1.0f, -5.0f), 0.7f * s);
            return sdSubtract(sdUnion(sdSmoothUnion(glass, neck, 1.5f * s), base), shine);
        };
        break;
    case Icon::piece:
        sdf = [=](float x, float y) {
            return sdPiece(x, y, cx - 0.5f * s, cy + 0.5f * s, 5 * s, 0, {1, 1, -1, 0});
        };
        break;
    case Icon::tidy:
        sdf = [=](float x, float y) {
            float d = 1e9f;
            for (int i = 0; i < 2; ++i)
                for (int j = 0; j < 2; ++j)
                    d = std::min(d, sdRoundRect(x, y, cx + (i ? 3.6f : -3.6f) * s,
                                                cy + (j ? 3.6f : -3.6f) * s, 2.8f * s, 2.8f * s, 0.8f * s));
            return d;
        };
        break;
    case Icon::eye:
        sdf = [=](float x, float y) {
            const float lids =
                sdIntersect(sdCircle(x, y, cx, cy + 6 * s, 10 * s), sdCircle(x, y, cx, cy - 6 * s, 10 * s));
            const float white = sdSubtract(lids, sdIntersect(sdCircle(x, y, cx, cy + 6 * s, 8.6f * s),
                                                             sdCircle(x, y, cx, cy - 6 * s, 8.6f * s)));
            return sdUnion(white, sdCircle(x, y, cx, cy, 2.8f * s));
        };
        break;
    case Icon::gear:
        sdf = [=](float x, float y) {
            const float a = std::atan2(y - cy, x - cx);
            const float teeth = 6.0f * s + 1.6f * s * clamp01(std::cos(a * 8) * 2.5f);
            const float ring = std::hypot(x - cx, y - cy) - teeth;
            return sdSubtract(ring * 0.8f, sdCircle(x, y, cx, cy, 2.6f * s));
        };
        break;
    case Icon::plus:
        sdf = [=](float x, float y) {
            return sdUnion(sdRoundRect(x, y, cx, cy, 6 * s, 1.6f * s, 1.0f * s),
                           sdRoundRect(x, y, cx, cy, 1.6f * s, 6 * s, 1.0f * s));
        };
        break;
    case Icon::minus:
        sdf = [=](float x, float y) { return sdRoundRect(x, y, cx, cy, 6 * s, 1.6f * s, 1.0f * s); };
        break;
    case Icon::info:
        sdf = [=](float x, float y) {
            return sdUnion(sdCircle(x, y, cx, cy - 6 * s, 1.8f * s),
                           sdRoundRect(x, y, cx, cy + 2.6f * s, 1.6f * s, 4.6f * s, 0.8f * s));
        };
        break;
    case Icon::question:
        sdf = [=](float x, float y) {
            const float arc = sdSubtract(std::fabs(std::hypot(x - cx, y - (cy - 3 * s)) - 4 * s) - 1.6f * s,
                                         sdIntersect(x - cx + 0.5f * s, -(y - (cy - 2 * s))));
            const float stem = sdSegment(x, y, P(0, 1), P(0, 2.5f), 1.6f * s);
            return sdUnion(sdUnion(arc, stem), sdCircle(x, y, cx, cy + 6.2f * s, 1.8f * s));
        };
        break;
    }
    const Box box = around(cx, cy, size * 0.6f, size * 0.6f, 4);
    Canvas shape(c.width(), c.height());
    shape.fill(sdf, colour, 1, box);
    c.drawTinted(shape.dilated(1.0f).blurred(0.7f), 0, 1, hex(0x0b2a33), 0.55f);
    c.draw(shape, 0, 0);
}

void drawBevelled(Canvas& c, const std::function<float(float, float)>& sdf,
                  const std::function<Colour(float, float)>& paint, Box box, float bevel, Vec2 shadowOffset,
                  float shadowBlur, float shadowAlpha) {
    // The shadow is drawn on a small layer around the shape, so blurring it stays cheap.
    const int margin = static_cast<int>(std::ceil(
                           shadowBlur * 3 + std::max(std::fabs(shadowOffset.x), std::fabs(shadowOffset.y)))) +
                       2;
    const int ox = box.x0 - margin, oy = box.y0 - margin;
    Canvas shadow(box.x1 - box.x0 + 2 * margin, box.y1 - box.y0 + 2 * margin);
    shadow.fill([&](float x, float y) { return sdf(x + ox - shadowOffset.x, y + oy - shadowOffset.y); },
                hex(0x000000), shadowAlpha);
    c.draw(shadow.blurred(shadowBlur), ox, oy);
    c.fill([&](float x, float y) { return sdf(x, y); },
           [&](float x, float y) {
               const float d = sdf(x, y);
               const float gx = sdf(x + 0.5f, y) - sdf(x - 0.5f, y), gy = sdf(x, y + 0.5f) - sdf(x, y - 0.5f);
               const float g = std::max(std::hypot(gx, gy), 1e-4f);
               // How much the outward normal faces away from the light at the top-left.
               const float away = (gx * 0.6f + gy * 0.8f) / g;
               const float rim = 1 - smoothstep(0, bevel, -d);
               const Colour base = paint(x, y);
               return Ink{clamped(base * (1 - std::max(0.0f, away) * 0.45f * rim) +
                                  Colour{1, 1, 1} * (std::max(0.0f, -away) * rim * 0.3f)),
                          1};
           },
           box);
}

LabelStyle titleLabel(int size) {
    LabelStyle s;
    s.size = size;
    s.top = hex(0xfff6c8);
    s.bottom = hex(0xf6a623);
    s.outlineWidth = std::max(1.5f, size / 14.0f);
    s.outline = hex(0x5a2a0a);
    s.glowRadius = size / 6.0f;
    s.glow = hex(0xffe29a);
    s.glowAlpha = 0.35f;
    s.shadowBlur = size / 18.0f;
    s.shadowDy = size / 16.0f;
    s.shadowAlpha = 0.5f;
    return s;
}

LabelStyle plainLabel(int size) {
    LabelStyle s;
    s.size = size;
    s.outlineWidth = std::max(1.2f, size / 16.0f);
    s.outline = hex(0x0d2a36);
    s.outlineAlpha = 0.8f;
    s.shadowBlur = 1;
    s.shadowDy = 1;
    s.shadowAlpha = 0.4f;
    return s;
}

} // namespace datagen
