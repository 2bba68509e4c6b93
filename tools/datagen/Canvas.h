// A float RGBA canvas (premultiplied alpha) that every picture, button and window is painted on:
// anti-aliased shapes from distance functions, layer compositing, blur and conversion to pixmaps.
#pragma once

#include "Colour.h"
#include "platform/Pixmap.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace datagen {

// Premultiplied colour with alpha.
struct Rgba {
    float r = 0, g = 0, b = 0, a = 0;
};

// A straight colour with an opacity, as a paint function returns it.
struct Ink {
    Colour colour;
    float alpha = 1.0f;
};

struct Box {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0; // x1, y1 exclusive
};

class Canvas {
  public:
    Canvas() = default;
    Canvas(int width, int height, Rgba fill = {});

    int width() const { return width_; }
    int height() const { return height_; }
    Rgba& at(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    const Rgba& at(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    // Bilinear sample at a continuous position (pixel centres at +0.5), clamped at the borders.
    Rgba sample(float x, float y) const;

    // Source-over blend of a straight colour with opacity `alpha`.
    void blend(int x, int y, Colour colour, float alpha) {
        if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0) return;
        Rgba& d = at(x, y);
        const float k = 1 - alpha;
        d.r = colour.r * alpha + d.r * k;
        d.g = colour.g * alpha + d.g * k;
        d.b = colour.b * alpha + d.b * k;
        d.a = alpha + d.a * k;
    }

    // Fills every pixel opaquely from paint(x, y) -> Colour, evaluated at pixel centres.
    template <class Paint> void paint(Paint&& paint) {
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                const Colour c = paint(x + 0.5f, y + 0.5f);
                at(x, y) = {c.r, c.g, c.b, 1.0f};
            }
        }
    }

    // Anti-aliased shape: sdf(x, y) is the signed distance in pixels (negative inside); ink(x, y)
    // gives its colour. Only the box is visited (default: the whole canvas).
    template <class Sdf, class InkFn> void fill(Sdf&& sdf, InkFn&& ink, Box box = {0, 0, -1, -1}) {
        clip(box);
        for (int y = box.y0; y < box.y1; ++y) {
            for (int x = box.x0; x < box.x1; ++x) {
                const float d = sdf(x + 0.5f, y + 0.5f);
                const float coverage = std::clamp(0.5f - d, 0.0f, 1.0f);
                if (coverage <= 0) continue;
                const Ink i = ink(x + 0.5f, y + 0.5f);
                blend(x, y, i.colour, i.alpha * coverage);
            }
        }
    }
    template <class Sdf> void fill(Sdf&& sdf, Colour colour, float alpha = 1.0f, Box box = {0, 0, -1, -1}) {
        fill(
            sdf,
            [&](float, float) {
                return Ink{colour, alpha};
            },
            box);
    }

    // Source-over of another canvas at (dx, dy).
    void draw(const Canvas& source, int dx, int dy, float opacity = 1.0f);
    // Source-over of another canvas's alpha as a flat colour (shadows, outlines, glows).
    void drawTinted(const Canvas& source, int dx, int dy, Colour colour, float opacity = 1.0f);
    // Replaces the colour of every pixel by ink(x, y), keeping its alpha (gradient fills of masks).
    template <class InkFn> void recolour(InkFn&& ink) {
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                Rgba& p = at(x, y);
                if (p.a <= 0) continue;
                const Ink i = ink(x + 0.5f, y + 0.5f);
                p = {i.colour.r * p.a * i.alpha, i.colour.g * p.a * i.alpha, i.colour.b * p.a * i.alpha,
                     p.a * i.alpha};
            }
        }
    }
    // Gaussian blur of all four channels (premultiplied, so edges stay clean).
    Canvas blurred(float sigma) const;
    // Alpha grown by `radius` pixels (a round structuring element), colour white.
    Canvas dilated(float radius) const;

    // Straight ARGB pixels; an opaque canvas stays opaque.
    platform::Pixmap toPixmap() const;
    static Canvas fromPixmap(const platform::Pixmap& pixmap);

  private:
    // The smallest box holding every pixel that is not fully transparent (empty when none is).
    Box paintedBox() const;
    // Calls visit(sourcePixel, targetX, targetY) for every source pixel that lands on this canvas
    // when the source is placed at (dx, dy).
    template <class Visit> void forEachOverlap(const Canvas& source, int dx, int dy, Visit&& visit) {
        for (int y = std::max(0, -dy); y < source.height_ && y + dy < height_; ++y) {
            for (int x = std::max(0, -dx); x < source.width_ && x + dx < width_; ++x) {
                visit(source.at(x, y), x + dx, y + dy);
            }
        }
    }
    void clip(Box& box) const {
        if (box.x1 < 0) box = {0, 0, width_, height_};
        box.x0 = std::max(box.x0, 0);
        box.y0 = std::max(box.y0, 0);
        box.x1 = std::min(box.x1, width_);
        box.y1 = std::min(box.y1, height_);
    }
    int width_ = 0;
    int height_ = 0;
    std::vector<Rgba> pixels_;
};

// A box around a centre, grown by a margin, for limiting fills.
inline Box around(float cx, float cy, float halfWidth, float halfHeight, float margin = 2) {
    return {static_cast<int>(std::floor(cx - halfWidth - margin)),
            static_cast<int>(std::floor(cy - halfHeight - margin)),
            static_cast<int>(std::ceil(cx + halfWidth + margin)),
            static_cast<int>(std::ceil(cy + halfHeight + margin))};
}

} // namespace datagen
