#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>

// Every randomized test runs from a fixed seed; SERVICELIFE_SEED replaces it
// to replay a reported failure, and SERVICELIFE_RANDOM_SCALE (up to 1) shrinks
// the counts for slow builds such as the sanitizer build.
namespace hardening {

inline std::uint64_t testSeed(std::uint64_t fallback) {
    const char* text = std::getenv("SERVICELIFE_SEED");
    return text == nullptr || *text == '\0' ? fallback : std::strtoull(text, nullptr, 10);
}

inline long scaledCount(long full, long atLeast) {
    const char* text = std::getenv("SERVICELIFE_RANDOM_SCALE");
    if (text == nullptr || *text == '\0') return full;
    return std::max(atLeast, static_cast<long>(full * std::clamp(std::strtod(text, nullptr), 0.0, 1.0)));
}

inline std::string seedNote(std::uint64_t seed) { return "replay with SERVICELIFE_SEED=" + std::to_string(seed); }

class Dice {
public:
    explicit Dice(std::uint64_t seed) : engine_(seed) {}
    long between(long low, long high) { return std::uniform_int_distribution<long>(low, high)(engine_); }
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
