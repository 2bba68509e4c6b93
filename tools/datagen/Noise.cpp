// Gradient noise after the improved-noise construction, seeded by our own hash so every build of the
// data tree gets the same pictures.
#include "Noise.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace datagen {

uint32_t hash32(uint32_t a, uint32_t b, uint32_t c) {
    uint32_t h = 0x9E3779B9u ^ a;
    h = (h ^ (h >> 16)) * 0x85EBCA6Bu;
    h ^= b * 0xC2B2AE35u;
    h = (h ^ (h >> 13)) * 0x27D4EB2Fu;
    h ^= c * 0x165667B1u;
    h = (h ^ (h >> 15)) * 0x85EBCA6Bu;
    return h ^ (h >> 16);
}

float hashUnit(uint32_t a, uint32_t b, uint32_t c) {
    return static_cast<float>(hash32(a, b, c) >> 8) * (1.0f / 16777216.0f);
}

Noise::Noise(uint32_t seed) {
    std::array<uint8_t, 256> p{};
    for (int i = 0; i < 256; ++i) p[i] = static_cast<uint8_t>(i);
    for (int i = 255; i > 0; --i) {
        const int j = static_cast<int>(hash32(seed, static_cast<uint32_t>(i)) % static_cast<uint32_t>(i + 1));
        std::swap(p[i], p[j]);
    }
    for (int i = 0; i < 512; ++i) perm_[i] = p[i & 255];
}

namespace {

float fade(float t) {
    return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f);
}

float grad(uint8_t hash, float x, float y) {
    // Eight directions, evenly spread.
    switch (hash & 7) {
    case 0:
        return x + y;
    case 1:
        return x - y;
    case 2:
        return -x + y;
    case 3:
        return -x - y;
    case 4:
        return 1.41421f * x;
    case 5:
        return -1.41421f * x;
    case 6:
        return 1.41421f * y;
    default:
        return -1.41421f * y;
    }
}

} // namespace

float Noise::at(float x, float y) const {
    const float fx = std::floor(x), fy = std::floor(y);
    const int xi = static_cast<int>(fx) & 255, yi = static_cast<int>(fy) & 255;
    const float dx = x - fx, dy = y - fy;
    const float u = fade(dx), v = fade(dy);
    const uint8_t aa = perm_[perm_[xi] + yi], ab = perm_[perm_[xi] + yi + 1];
    const uint8_t ba = perm_[perm_[xi + 1] + yi], bb = perm_[perm_[xi + 1] + yi + 1];
    const float x1 = grad(aa, dx, dy) + u * (grad(ba, dx - 1, dy) - grad(aa, dx, dy));
    const float x2 = grad(ab, dx, dy - 1) + u * (grad(bb, dx - 1, dy - 1) - grad(ab, dx, dy - 1));
    return (x1 + v * (x2 - x1)) * 0.75f;
}

float Noise::fbm(float x, float y, int octaves, float lacunarity, float gain) const {
    float sum = 0, amplitude = 1, total = 0;
    for (int i = 0; i < octaves; ++i) {
        // Each octave is shifted so their lattices do not line up.
        sum += amplitude * at(x + 17.31f * i, y - 9.17f * i);
        total += amplitude;
        x *= lacunarity;
        y *= lacunarity;
        amplitude *= gain;
    }
    return sum / total;
}

float Noise::ridged(float x, float y, int octaves, float lacunarity, float gain) const {
    float sum = 0, amplitude = 1, total = 0, weight = 1;
    for (int i = 0; i < octaves; ++i) {
        float n = 1.0f - std::fabs(at(x + 31.7f * i, y + 11.3f * i));
        n *= n * weight;
        weight = std::clamp(n * 1.5f, 0.0f, 1.0f);
        sum += amplitude * n;
        total += amplitude;
        x *= lacunarity;
        y *= lacunarity;
        amplitude *= gain;
    }
    return sum / total;
}

CellHit cellular(float x, float y, uint32_t seed, float jitter) {
    const int cx = static_cast<int>(std::floor(x)), cy = static_cast<int>(std::floor(y));
    CellHit hit;
    hit.nearest = hit.second = std::numeric_limits<float>::max();
    for (int j = -2; j <= 2; ++j) {
        for (int i = -2; i <= 2; ++i) {
            const int gx = cx + i, gy = cy + j;
            const auto ux = static_cast<uint32_t>(gx), uy = static_cast<uint32_t>(gy);
            const float px = gx + 0.5f + (hashUnit(ux, uy, seed) - 0.5f) * jitter;
            const float py = gy + 0.5f + (hashUnit(ux, uy, seed + 1) - 0.5f) * jitter;
            const float d = std::hypot(px - x, py - y);
            if (d < hit.nearest) {
                hit.second = hit.nearest;
                hit.nearest = d;
                hit.cellX = gx;
                hit.cellY = gy;
                hit.pointX = px;
                hit.pointY = py;
            } else if (d < hit.second) {
                hit.second = d;
            }
        }
    }
    return hit;
}

} // namespace datagen
