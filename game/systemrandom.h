#pragma once

#include "randomsource.h"

#include <cstdint>
#include <random>

namespace reelmoor {

class SystemRandom final : public RandomSource {
public:
    SystemRandom();

    double secondsSinceMidnight() override;
    void seed(double seed) override;
    double next() override;

    // Maps 64 random bits onto [0, 1) without ever reaching 1: the top 53 bits
    // scaled by 2^-53. std::generate_canonical may round up to exactly 1.0.
    static double toUnit(std::uint64_t bits);

private:
    std::mt19937_64 m_engine;
};

} // namespace reelmoor
