// Colour arithmetic and gradients.
#include "Colour.h"

#include "Maths.h"

namespace datagen {

Colour hex(uint32_t rgb) {
    return {((rgb >> 16) & 0xFF) / 255.0f, ((rgb >> 8) & 0xFF) / 255.0f, (rgb & 0xFF) / 255.0f};
}

Colour mix(Colour a, Colour b, float t) {
    return {mix(a.r, b.r, t), mix(a.g, b.g, t), mix(a.b, b.b, t)};
}

float luminance(Colour c) {
    return 0.2126f * c.r + 0.7152f * c.g + 0.0722f * c.b;
}

Colour clamped(Colour c) {
    return {clamp01(c.r), clamp01(c.g), clamp01(c.b)};
}

Colour saturate(Colour c, float amount) {
    const float l = luminance(c);
    return clamped(Colour{l, l, l} + (c - Colour{l, l, l}) * amount);
}

Colour screen(Colour a, Colour b) {
    return {1 - (1 - a.r) * (1 - b.r), 1 - (1 - a.g) * (1 - b.g), 1 - (1 - a.b) * (1 - b.b)};
}

Gradient::Gradient(std::initializer_list<std::pair<float, Colour>> stops) : stops_(stops) {}

Colour Gradient::at(float t) const {
    if (t <= stops_.front().first) return stops_.front().second;
    for (size_t i = 1; i < stops_.size(); ++i) {
        if (t <= stops_[i].first) {
            const auto& [t0, c0] = stops_[i - 1];
            const auto& [t1, c1] = stops_[i];
            const float u = (t - t0) / (t1 - t0);
            return mix(c0, c1, u * u * (3 - 2 * u));
        }
    }
    return stops_.back().second;
}

Colour Gradient::cyclic(float t) const {
    return at(t - std::floor(t));
}

} // namespace datagen
