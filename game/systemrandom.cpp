#include "systemrandom.h"

#include <bit>
#include <chrono>
#include <ctime>

namespace reelmoor {

SystemRandom::SystemRandom() {
    seed(secondsSinceMidnight());
}

double SystemRandom::secondsSinceMidnight() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t whole = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&whole, &local);
    // to_time_t truncates or rounds depending on the library; take the fraction
    // from the same instant so that it always lies in [0, 1).
    const auto sinceEpoch = now.time_since_epoch();
    const auto fraction = sinceEpoch - floor<seconds>(sinceEpoch);
    const double secondsOfDay = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
    return secondsOfDay + duration<double>(fraction).count();
}

void SystemRandom::seed(double seed) {
    // Every bit of the seed counts, so seeds a microsecond apart give unrelated sequences.
    const auto bits = std::bit_cast<std::uint64_t>(seed);
    std::seed_seq sequence{static_cast<std::uint32_t>(bits),
                           static_cast<std::uint32_t>(bits >> 32)};
    m_engine.seed(sequence);
}

double SystemRandom::next() {
    return toUnit(m_engine());
}

double SystemRandom::toUnit(std::uint64_t bits) {
    return static_cast<double>(bits >> 11) * 0x1.0p-53;
}

} // namespace reelmoor
