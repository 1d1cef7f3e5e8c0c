// SPDX-License-Identifier: GPL-3.0-or-later
#include "problems/RandomSource.h"

#include <chrono>

void RandomGenerator::SeedFromClock() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seeds{quint32(ticks), quint32(quint64(ticks) >> 32)};
    engine_.seed(seeds);
}

float RandomGenerator::Next() {
    // The top 24 bits as a float's whole mantissa: every value exact and strictly below 1
    // (std::generate_canonical<float> may round up to 1).
    return float(engine_() >> 8) * (1.0f / 16777216.0f);
}
