// Small numeric helpers shared by the picture and sound generators.
#pragma once

#include <algorithm>
#include <cmath>

namespace datagen {

constexpr float pi = 3.14159265358979f;
constexpr double piD = 3.14159265358979323846;

inline float clamp01(float v) {
    return std::clamp(v, 0.0f, 1.0f);
}
inline float mix(float a, float b, float t) {
    return a + (b - a) * t;
}
inline float smoothstep(float edge0, float edge1, float x) {
    const float t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3.0f - 2.0f * t);
}

struct Vec2 {
    float x = 0, y = 0;
};
inline Vec2 operator+(Vec2 a, Vec2 b) {
    return {a.x + b.x, a.y + b.y};
}
inline Vec2 operator-(Vec2 a, Vec2 b) {
    return {a.x - b.x, a.y - b.y};
}
inline Vec2 operator*(Vec2 a, float s) {
    return {a.x * s, a.y * s};
}
inline float dot(Vec2 a, Vec2 b) {
    return a.x * b.x + a.y * b.y;
}
inline float length(Vec2 a) {
    return std::sqrt(dot(a, a));
}
inline Vec2 rotate(Vec2 a, float angle) {
    const float c = std::cos(angle), s = std::sin(angle);
    return {a.x * c - a.y * s, a.x * s + a.y * c};
}

} // namespace datagen
