// Colours as floats in 0..1 (sRGB values), with mixing and multi-stop gradients.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

namespace datagen {

struct Colour {
    float r = 0, g = 0, b = 0;
};

inline Colour operator+(Colour a, Colour b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Colour operator-(Colour a, Colour b) {
    return {a.r - b.r, a.g - b.g, a.b - b.b};
}
inline Colour operator*(Colour a, float s) {
    return {a.r * s, a.g * s, a.b * s};
}
inline Colour operator*(Colour a, Colour b) {
    return {a.r * b.r, a.g * b.g, a.b * b.b};
}

// From a 0xRRGGBB literal.
Colour hex(uint32_t rgb);
Colour mix(Colour a, Colour b, float t);
float luminance(Colour c);
Colour clamped(Colour c);
// Moves the colour towards its grey by (1 - amount); amount > 1 saturates.
Colour saturate(Colour c, float amount);
// Screen blend, used for light.
Colour screen(Colour a, Colour b);

class Gradient {
  public:
    Gradient(std::initializer_list<std::pair<float, Colour>> stops);
    // Smoothly interpolated between the stops; clamped at the ends.
    Colour at(float t) const;
    // Wraps t into 0..1 first, for cyclic palettes.
    Colour cyclic(float t) const;

  private:
    std::vector<std::pair<float, Colour>> stops_;
};

} // namespace datagen
