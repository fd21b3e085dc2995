#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>

// Randomized tests run from a fixed seed; SERVICELIFE_SEED replaces it to replay a failure, SERVICELIFE_RANDOM_SCALE
// (up to 1) shrinks the counts for slow builds such as the sanitizer build.
namespace hardening {

inline std::uint64_t testSeed(std::uint64_t fallback) {
    const char* text = std::getenv("SERVICELIFE_SEED");
    return text == nullptr || *text == '\0' ? fallback : std::strtoull(text, nullptr, 10);
}

inline long scaledCount(long full, long atLeast) {
    const char* text = std::getenv("SERVICELIFE_RANDOM_SCALE");
    const double scale = text == nullptr || *text == '\0' ? 1.0 : std::clamp(std::strtod(text, nullptr), 0.0, 1.0);
    return std::max(atLeast, static_cast<long>(full * scale));
}

inline std::string seedNote(std::uint64_t seed) { return "replay with SERVICELIFE_SEED=" + std::to_string(seed); }

struct Dice : std::mt19937_64 {
    using std::mt19937_64::mt19937_64;
    long between(long low, long high) { return std::uniform_int_distribution<long>(low, high)(*this); }
    bool chance(double p) { return std::bernoulli_distribution(p)(*this); }
    double uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(*this); }
    auto pick(const auto& items) -> decltype(items[0]) { return items[between(0, std::ssize(items) - 1)]; }
};

}  // namespace hardening
