// Canvas compositing, filtering and pixmap conversion.
#include "Canvas.h"

#include "Noise.h"

namespace datagen {

Canvas::Canvas(int width, int height, Rgba fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

Rgba Canvas::sample(float x, float y) const {
    x -= 0.5f;
    y -= 0.5f;
    const float fx = std::floor(x), fy = std::floor(y);
    const int x0 = std::clamp(static_cast<int>(fx), 0, width_ - 1),
              y0 = std::clamp(static_cast<int>(fy), 0, height_ - 1);
    const int x1 = std::min(x0 + 1, width_ - 1), y1 = std::min(y0 + 1, height_ - 1);
    const float u = std::clamp(x - fx, 0.0f, 1.0f), v = std::clamp(y - fy, 0.0f, 1.0f);
    auto lerp = [](const Rgba& a, const Rgba& b, float t) {
        return Rgba{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
                    a.a + (b.a - a.a) * t};
    };
    return lerp(lerp(at(x0, y0), at(x1, y0), u), lerp(at(x0, y1), at(x1, y1), u), v);
}

void Canvas::draw(const Canvas& source, int dx, int dy, float opacity) {
    forEachOverlap(source, dx, dy, [&](const Rgba& s, int tx, int ty) {
        if (s.a <= 0) return;
        Rgba& d = at(tx, ty);
        const float k = 1 - s.a * opacity;
        d = {s.r * opacity + d.r * k, s.g * opacity + d.g * k, s.b * opacity + d.b * k,
             s.a * opacity + d.a * k};
    });
}

void Canvas::drawTinted(const Canvas& source, int dx, int dy, Colour colour, float opacity) {
    forEachOverlap(source, dx, dy,
                   [&](const Rgba& s, int tx, int ty) { blend(tx, ty, colour, s.a * opacity); });
}

namespace {

std::vector<float> gaussianKernel(float sigma) {
    const int radius = std::max(1, static_cast<int>(std::ceil(sigma * 3)));
    std::vector<float> k(static_cast<size_t>(radius) * 2 + 1);
    float sum = 0;
    for (int i = -radius; i <= radius; ++i) {
        k[static_cast<size_t>(i + radius)] = std::exp(-0.5f * i * i / (sigma * sigma));
        sum += k[static_cast<size_t>(i + radius)];
    }
    for (float& v : k) v /= sum;
    return k;
}

// One direction of a separable filter over the pixels of `area`:
// out(x, y) = sum of k[i] * in((x, y) + (i - radius) * step). Samples beyond the border count as
// transparent.
void convolve(const Canvas& in, Canvas& out, const std::vector<float>& k, int stepX, int stepY, Box area) {
    const int radius = static_cast<int>(k.size() / 2);
    for (int y = area.y0; y < area.y1; ++y) {
        for (int x = area.x0; x < area.x1; ++x) {
            Rgba acc;
            for (int i = -radius; i <= radius; ++i) {
                const int sx = x + i * stepX, sy = y + i * stepY;
                if (sx < 0 || sy < 0 || sx >= in.width() || sy >= in.height()) continue;
                const Rgba& s = in.at(sx, sy);
                const float w = k[static_cast<size_t>(i + radius)];
                acc = {acc.r + s.r * w, acc.g + s.g * w, acc.b + s.b * w, acc.a + s.a * w};
            }
            out.at(x, y) = acc;
        }
    }
}

} // namespace

Box Canvas::paintedBox() const {
    Box box{width_, height_, 0, 0};
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Rgba& p = at(x, y);
            if (p.r == 0 && p.g == 0 && p.b == 0 && p.a == 0) continue;
            box = {std::min(box.x0, x), std::min(box.y0, y), std::max(box.x1, x + 1),
                   std::max(box.y1, y + 1)};
        }
    }
    return box;
}

Canvas Canvas::blurred(float sigma) const {
    if (sigma <= 0) return *this;
    const std::vector<float> k = gaussianKernel(sigma);
    const int radius = static_cast<int>(k.size() / 2);
    Canvas pass(width_, height_), out(width_, height_);
    // Nothing outside the painted part, grown by the kernel's reach, can come out non-transparent,
    // so a small shape on a large layer costs only its own surroundings.
    const Box painted = paintedBox();
    if (painted.x0 >= painted.x1) return out;
    const Box across{std::max(0, painted.x0 - radius), painted.y0, std::min(width_, painted.x1 + radius),
                     painted.y1};
    convolve(*this, pass, k, 1, 0, across);
    convolve(
        pass, out, k, 0, 1,
        {across.x0, std::max(0, painted.y0 - radius), across.x1, std::min(height_, painted.y1 + radius)});
    return out;
}

Canvas Canvas::dilated(float radius) const {
    Canvas out(width_, height_);
    const int r = static_cast<int>(std::ceil(radius + 0.5f));
    std::vector<std::pair<std::pair<int, int>, float>> taps;
    for (int j = -r; j <= r; ++j) {
        for (int i = -r; i <= r; ++i) {
            const float w = std::clamp(
                radius + 0.5f - std::hypot(static_cast<float>(i), static_cast<float>(j)), 0.0f, 1.0f);
            if (w > 0) taps.push_back({{i, j}, w});
        }
    }
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            float best = 0;
            for (const auto& [offset, w] : taps) {
                const int sx = x + offset.first, sy = y + offset.second;
                if (sx < 0 || sy < 0 || sx >= width_ || sy >= height_) continue;
                best = std::max(best, at(sx, sy).a * w);
            }
            out.at(x, y) = {best, best, best, best};
        }
    }
    return out;
}

platform::Pixmap Canvas::toPixmap() const {
    platform::Pixmap pixmap(width_, height_);
    uint32_t* out = pixmap.data();
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Rgba& p = at(x, y);
            const float a = std::clamp(p.a, 0.0f, 1.0f);
            // A small fixed dither keeps smooth gradients free of banding.
            const float dither = hashUnit(static_cast<uint32_t>(x), static_cast<uint32_t>(y), 77) - 0.5f;
            auto channel = [&](float premultiplied) {
                const float straight = a > 0 ? premultiplied / a : 0.0f;
                return static_cast<uint32_t>(std::clamp(straight * 255.0f + 0.5f + dither, 0.0f, 255.0f));
            };
            const auto alpha = static_cast<uint32_t>(std::clamp(a * 255.0f + 0.5f, 0.0f, 255.0f));
            *out++ = alpha == 0 ? 0u : platform::argb(alpha, channel(p.r), channel(p.g), channel(p.b));
        }
    }
    pixmap.touch();
    return pixmap;
}

Canvas Canvas::fromPixmap(const platform::Pixmap& pixmap) {
    Canvas canvas(pixmap.width(), pixmap.height());
    for (int y = 0; y < pixmap.height(); ++y) {
        for (int x = 0; x < pixmap.width(); ++x) {
            const uint32_t p = pixmap.read(x, y);
            const float a = platform::alphaOf(p) / 255.0f;
            canvas.at(x, y) = {platform::redOf(p) / 255.0f * a, platform::greenOf(p) / 255.0f * a,
                               platform::blueOf(p) / 255.0f * a, a};
        }
    }
    return canvas;
}

} // namespace datagen
