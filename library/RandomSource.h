#pragma once

#include <QtGlobal>
#include <random>

// The one uniform random source of a library: seeded once (high-entropy by default), never
// reseeded by a draw, so consecutive levels get independent counts and picks.
class RandomSource {
public:
    RandomSource();
    explicit RandomSource(quint64 seed) { reseed(seed); }

    void reseed(quint64 seed);
    quint64 seed() const { return m_seed; }
    // A uniform number in [0, 1).
    double uniform();

    // A fresh seed from the system's entropy source mixed with the clock.
    static quint64 freshSeed();

private:
    quint64 m_seed = 0;
    std::mt19937_64 m_engine;
};
