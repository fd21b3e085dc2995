#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>

// Seeds and case counts of the randomized tests. Every test runs from a fixed
// seed so that a failure in CI is reproducible; SERVICELIFE_SEED replaces the
// seed to explore further or to replay a reported failure, and
// SERVICELIFE_RANDOM_SCALE (a factor up to 1) shrinks the counts for builds
// that run several times slower, such as the sanitizer build.
namespace hardening {

inline std::uint64_t testSeed(std::uint64_t fallback) {
    const char* text = std::getenv("SERVICELIFE_SEED");
    if (text == nullptr || *text == '\0') return fallback;
    return std::strtoull(text, nullptr, 10);
}

inline long scaledCount(long full, long atLeast) {
    const char* text = std::getenv("SERVICELIFE_RANDOM_SCALE");
    if (text == nullptr || *text == '\0') return full;
    const double scale = std::clamp(std::strtod(text, nullptr), 0.0, 1.0);
    return std::max(atLeast, static_cast<long>(static_cast<double>(full) * scale));
}

inline std::string seedNote(std::uint64_t seed) { return "replay with SERVICELIFE_SEED=" + std::to_string(seed); }

// Small conveniences over one engine.
class Dice {
public:
    explicit Dice(std::uint64_t seed) : engine_(seed) {}

    // Uniform integer in [low, high].
    long between(long low, long high) { return std::uniform_int_distribution<long>(low, high)(engine_); }
    // True with the given probability.
    bool chance(double p) { return std::bernoulli_distribution(p)(engine_); }
    double uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(engine_); }
    std::uint64_t bits() { return engine_(); }
    template <typename Container>
    auto pick(const Container& items) -> decltype(items[0]) {
        return items[static_cast<std::size_t>(between(0, static_cast<long>(std::size(items)) - 1))];
    }

private:
    std::mt19937_64 engine_;
};

}  // namespace hardening
