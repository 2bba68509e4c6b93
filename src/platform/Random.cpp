// PCG32 (O'Neill): tiny, fast and the same on every platform.
#include "platform/Random.h"

#include <utility>

namespace platform {

void Random::seed_(uint64_t seed) {
    state_ = 0;
    next();
    state_ += seed;
    next();
}

uint32_t Random::next() {
    const uint64_t old = state_;
    state_ = old * 6364136223846793005ULL + 1442695040888963407ULL;
    const uint32_t xorshifted = static_cast<uint32_t>(((old >> 18u) ^ old) >> 27u);
    const uint32_t rot = static_cast<uint32_t>(old >> 59u);
    return (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
}

int Random::range(int low, int high) {
    if (low > high) std::swap(low, high);
    const uint64_t span = static_cast<uint64_t>(static_cast<int64_t>(high) - low) + 1;
    const uint64_t pick = (static_cast<uint64_t>(next()) * span) >> 32;
    return static_cast<int>(static_cast<int64_t>(low) + static_cast<int64_t>(pick));
}

float Random::rangef(float low, float high) {
    const float unit = static_cast<float>(next() >> 8) * (1.0f / 16777216.0f);
    return low + (high - low) * unit;
}

Random& globalRandom() {
    static Random random;
    return random;
}

void seedRnd(uint64_t seed) {
    globalRandom().seed(seed);
}
int Rand(int low, int high) {
    return globalRandom().range(low, high);
}
float Rnd(float low, float high) {
    return globalRandom().rangef(low, high);
}

} // namespace platform
