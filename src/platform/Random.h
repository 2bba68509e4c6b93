// A small seedable random generator of our own (PCG32), so that a seed gives the same sequence on
// every platform and standard library.
#pragma once

#include <cstdint>

namespace platform {

class Random {
  public:
    explicit Random(uint64_t seed = 0x853c49e6748fea9bULL) { seed_(seed); }
    void seed(uint64_t seed) { seed_(seed); }
    uint32_t next();
    // Inclusive range; the bounds may come in either order.
    int range(int low, int high);
    // Uniform in [low, high).
    float rangef(float low, float high);

  private:
    void seed_(uint64_t seed);
    uint64_t state_ = 0;
};

// The game's one generator.
void seedRnd(uint64_t seed);
int Rand(int low, int high);
float Rnd(float low, float high);
Random& globalRandom();

} // namespace platform
