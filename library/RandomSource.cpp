#include "library/RandomSource.h"

#include <chrono>

RandomSource::RandomSource() {
    reseed(freshSeed());
}

void RandomSource::reseed(quint64 seed) {
    m_seed = seed;
    m_engine.seed(seed);
}

double RandomSource::uniform() {
    // 53 random bits give every double in [0, 1) on the grid of 2^-53 the same chance.
    return double(m_engine() >> 11) * 0x1.0p-53;
}

quint64 RandomSource::freshSeed() {
    std::random_device device;
    const quint64 entropy = (quint64(device()) << 32) ^ quint64(device());
    const auto ticks = quint64(std::chrono::steady_clock::now().time_since_epoch().count());
    return entropy ^ (ticks * 0x9E3779B97F4A7C15ull);
}
