// Text masks from the game font and the layered label effects.
#include "Lettering.h"

#include "Maths.h"

#include <stdexcept>

namespace datagen {

Lettering::Lettering(std::string fontPath) : path_(std::move(fontPath)) {
    if (!platform::ImageFont::load(path_, 20)) throw std::runtime_error("cannot read the font " + path_);
}

platform::ImageFont& Lettering::font(int size) {
    auto it = fonts_.find(size);
    if (it == fonts_.end()) {
        auto font = platform::ImageFont::load(path_, size);
        if (!font)
            throw std::runtime_error("cannot load the font " + path_ + " at size " + std::to_string(size));
        it = fonts_.emplace(size, std::move(font)).first;
    }
    return *it->second;
}

Canvas Lettering::mask(const std::string& text, int size, int pad) {
    platform::ImageFont& f = font(size);
    platform::Pixmap pixmap(f.textWidth(text) + 2 * pad + 2, f.textHeight() + 2 * pad, 0);
    f.renderInto(pixmap, text, pad, pad, 0xFFFFFFFFu);
    return Canvas::fromPixmap(pixmap);
}

float Lettering::capTop(int size) {
    if (auto it = capTops_.find(size); it != capTops_.end()) return it->second;
    const Canvas m = mask("HE", size, 0);
    float top = baseline(size);
    for (int y = 0; y < m.height() && top == baseline(size); ++y) {
        for (int x = 0; x < m.width(); ++x) {
            if (m.at(x, y).a > 0.5f) {
                top = static_cast<float>(y);
                break;
            }
        }
    }
    capTops_[size] = top;
    return top;
}

namespace {

void drawLabelAt(Canvas& target, Lettering& lettering, const std::string& text, float left, float cy,
                 const LabelStyle& style) {
    const int pad = static_cast<int>(std::ceil(style.outlineWidth + style.glowRadius + style.shadowBlur * 3 +
                                               std::fabs(style.shadowDx) + std::fabs(style.shadowDy))) +
                    2;
    const Canvas m = lettering.mask(text, style.size, pad);
    const float capTop = lettering.capTop(style.size), base = lettering.baseline(style.size);
    const int x0 = static_cast<int>(std::lround(left)) - pad;
    const int y0 = static_cast<int>(std::lround(cy - (capTop + base) / 2)) - pad;
    const Canvas body = style.outlineWidth > 0 ? m.dilated(style.outlineWidth) : m;
    if (style.shadowAlpha > 0) {
        target.drawTinted(body.blurred(style.shadowBlur), x0 + static_cast<int>(style.shadowDx),
                          y0 + static_cast<int>(style.shadowDy), style.shadow, style.shadowAlpha);
    }
    if (style.glowAlpha > 0) {
        target.drawTinted(m.dilated(style.glowRadius * 0.5f).blurred(style.glowRadius * 0.6f), x0, y0,
                          style.glow, style.glowAlpha);
    }
    if (style.outlineWidth > 0) target.drawTinted(body, x0, y0, style.outline, style.outlineAlpha);
    Canvas fill = m;
    const float top = pad + capTop, bottom = pad + base;
    fill.recolour([&](float, float y) {
        return Ink{mix(style.top, style.bottom, clamp01((y - top) / (bottom - top))), 1};
    });
    target.draw(fill, x0, y0);
}

} // namespace

void drawLabel(Canvas& target, Lettering& lettering, const std::string& text, float cx, float cy,
               const LabelStyle& style) {
    drawLabelAt(target, lettering, text, cx - lettering.width(text, style.size) / 2.0f, cy, style);
}

void drawLabelLeft(Canvas& target, Lettering& lettering, const std::string& text, float x, float cy,
                   const LabelStyle& style) {
    drawLabelAt(target, lettering, text, x, cy, style);
}

} // namespace datagen
