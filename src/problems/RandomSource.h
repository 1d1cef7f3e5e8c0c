// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <random>

// Where the generator takes its random numbers from.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // The next number, uniform in [0, 1), single precision.
    virtual float Next() = 0;
};

// The program's one random source. Its owner seeds it once from the clock; a fixed seed gives a
// repeatable sequence (measurements, tests).
class RandomGenerator final : public RandomSource {
public:
    RandomGenerator() = default;
    explicit RandomGenerator(quint32 seed) : engine_(seed) {}

    void SeedFromClock();
    void Seed(quint32 seed) { engine_.seed(seed); }
    float Next() override;

private:
    std::mt19937 engine_;
};
