// Deterministic hashing and noise (gradient noise, fractal sums, cellular noise) for the pictures.
#pragma once

#include <array>
#include <cstdint>

namespace datagen {

uint32_t hash32(uint32_t a, uint32_t b = 0, uint32_t c = 0);
// Uniform in [0, 1) from up to three integers.
float hashUnit(uint32_t a, uint32_t b = 0, uint32_t c = 0);

class Noise {
  public:
    explicit Noise(uint32_t seed);
    // Gradient noise, roughly in [-1, 1].
    float at(float x, float y) const;
    // Sum of octaves, each at `lacunarity` times the frequency and `gain` times the amplitude,
    // normalised to roughly [-1, 1].
    float fbm(float x, float y, int octaves, float lacunarity = 2.0f, float gain = 0.5f) const;
    // Sharp-crested sum for mountain ridges, in [0, 1].
    float ridged(float x, float y, int octaves, float lacunarity = 2.0f, float gain = 0.5f) const;

  private:
    std::array<uint8_t, 512> perm_{};
};

// The two nearest feature points of a jittered grid (one point per unit cell).
struct CellHit {
    float nearest = 0; // distance to the nearest point
    float second = 0;  // distance to the second nearest point
    int cellX = 0;     // cell of the nearest point (identifies the tile)
    int cellY = 0;
    float pointX = 0; // the nearest point itself
    float pointY = 0;
};
CellHit cellular(float x, float y, uint32_t seed, float jitter = 0.9f);

} // namespace datagen
