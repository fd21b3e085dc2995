#include "results/ServiceLife.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "forms/NumberText.h"

namespace {

constexpr double kLargestSingle = static_cast<double>(std::numeric_limits<float>::max());

bool fitsSingle(double value) { return std::fabs(value) <= kLargestSingle; }

// The value as a 32-bit field would hold it. Beyond the 32-bit range the
// 64-bit value is kept: a figure rounded to infinity would be no figure at all.
double throughSingle(double value) {
    return fitsSingle(value) ? static_cast<double>(static_cast<float>(value)) : value;
}

struct SeriesConstants {
    double loadExponent;
    double rootExponent;
    double lifeFactor;  // km
};

SeriesConstants constantsOf(std::string_view seriesCode) {
    if (IsRollerSeries(seriesCode)) return {10.0 / 3.0, 3.0 / 10.0, 100.0};
    return {3.0, 1.0 / 3.0, 50.0};
}

// Travel (mm) in each phase of a stroke with inertia force: `ramp` while
// accelerating and again while decelerating, `uniform` at speed.
struct StrokeTravel {
    double ramp;
    double uniform;
};

StrokeTravel travelOf(const CalculationState& s) {
    return {(1000.0 * s.Velocity * s.AccelerationTime) / 2.0,
            s.StrokeLength - 1000.0 * s.Velocity * s.AccelerationTime};
}

// Mean of the three phase loads over the stroke, weighted by the travel in
// each phase: d mm accelerating, u mm at speed, d mm decelerating.
double strokeMean(double acc, double uniform, double dec, double d, double u, double stroke, const SeriesConstants& k) {
    // Velocity and acceleration time so small that their travel vanishes let
    // a zero stroke pass the velocity page: all that is left is the uniform load.
    if (!(stroke > 0.0)) return throughSingle(uniform);
    const double e = k.loadExponent;
    const double least = std::min({acc, uniform, dec}), most = std::max({acc, uniform, dec});
    // The travels add up to the stroke only up to rounding, and u comes out
    // just below 0 where the page accepted the written minimum stroke; a
    // mean is kept among the loads it averages, whatever the rounding.
    const double q = (std::pow(acc, e) * d + std::pow(uniform, e) * u + std::pow(dec, e) * d) / stroke;
    if (std::isfinite(q))
        return throughSingle(
            std::pow(throughSingle(std::clamp(q, std::pow(least, e), std::pow(most, e))), k.rootExponent));

    // A load so large that its power leaves the 64-bit range: take the largest
    // of the three out of the power, m * (sum of (E/m)^e * w / Ls)^root.
    const double scaled = std::pow(acc / most, e) * (d / stroke) + std::pow(uniform / most, e) * (u / stroke) +
                          std::pow(dec / most, e) * (d / stroke);
    return throughSingle(most * std::pow(std::clamp(scaled, std::pow(least / most, e), 1.0), k.rootExponent));
}

double meanLoadOf(const CalculationState& s, int carriage, const StrokeTravel& travel, const SeriesConstants& k) {
    const auto& load = s.EquivalentLoad[carriage];
    if (s.Acceleration == 0.0) return throughSingle(load[2]);
    return strokeMean(load[1], load[2], load[3], travel.ramp, travel.uniform, s.StrokeLength, k);
}

}  // namespace

bool IsRollerSeries(std::string_view seriesCode) { return seriesCode == "WUY" || seriesCode == "QEY"; }

double LoadFactorTable(double velocity) {
    if (velocity <= 0.5) return 1.2;
    if (velocity <= 1.0) return 1.5;
    if (velocity <= 2.0) return 2.0;
    if (velocity <= 3.0) return 2.5;
    if (velocity <= 4.0) return 3.0;
    return 3.5;
}

MeanLoads ComputeServiceLife(CalculationState& s) {
    const auto& load = s.EquivalentLoad;

    // Static safety factor against the largest load of any carriage in any
    // phase, preload included.
    s.StaticSafetyFactor = 0.0;
    double largestLoad = 0.0;
    for (int i = 1; i <= 8; ++i)
        for (int j = 1; j <= 3; ++j)
            if (load[i][j] > largestLoad) largestLoad = load[i][j];
    const double staticSum = static_cast<double>(s.PreloadForce) + largestLoad;
    s.StaticSafetyFactor = (1000.0 * s.StaticLoadRating) / (staticSum != 0.0 ? staticSum : 0.1);

    const SeriesConstants k = constantsOf(s.SeriesCode);
    const bool inertia = s.Acceleration != 0.0;
    const StrokeTravel travel = travelOf(s);

    MeanLoads mean{};
    for (int i = 1; i <= 8; ++i) {
        mean[i] = meanLoadOf(s, i, travel, k);
        s.MeanLoad[i] = ToSingle(mean[i]);
    }

    s.LifeDistance = 0.0;
    s.LifeTime = 0.0;
    double largestMean = 0.0;
    for (int i = 1; i <= 8; ++i)
        if (mean[i] > largestMean) largestMean = mean[i];

    const double fw = LoadFactorTable(s.Velocity);
    s.LoadFactor = fw;

    // Preload plus the largest mean load, summed in 32 bits while that holds.
    const double wideSum = static_cast<double>(s.PreloadForce) + largestMean;
    double p = fitsSingle(largestMean) && fitsSingle(wideSum)
                   ? static_cast<double>(s.PreloadForce + static_cast<float>(largestMean))
                   : wideSum;
    if (p == 0.0) p = 0.1;
    // With fw = 3 the product is formed in 32 bits (again only while it fits).
    const double dynamicLoad = largestMean > 0.0 && fw == 3.0 ? throughSingle(p * 3.0) : p * fw;

    s.LifeDistance = std::pow((1000.0 * s.DynamicLoadRating) / dynamicLoad, k.loadExponent) * k.lifeFactor;

    const double reciprocations = static_cast<double>(s.ReciprocationsPerMinute);
    if (reciprocations != 0.0 && s.StrokeLength != 0.0 && inertia)
        s.LifeTime = (s.LifeDistance * 1000000.0) / (2.0 * s.StrokeLength * reciprocations * 60.0);
    return mean;
}
