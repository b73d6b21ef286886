#pragma once

namespace reelmoor {

// The clock and the random generator that a new game seeds.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // Local time of day in seconds since midnight, with its fraction.
    virtual double secondsSinceMidnight() = 0;
    virtual void seed(double seed) = 0;
    // A uniform value r with 0 <= r < 1.
    virtual double next() = 0;
};

} // namespace reelmoor
