#include <benchmark/benchmark.h>

#include "app/CalculationState.h"
#include "results/ResultText.h"
#include "results/ServiceLife.h"

namespace {

// Two rails with four carriages each, with inertia: the largest computation
// the result page runs on activation.
CalculationState eightCarriages(const char* series) {
    CalculationState s;
    s.SeriesCode = series;
    s.Velocity = 1.0;
    s.AccelerationTime = 0.1;
    s.StrokeLength = 500.0;
    s.ReciprocationsPerMinute = 30.0f;
    s.Acceleration = 10.0;
    s.DynamicLoadRating = 35.9;
    s.StaticLoadRating = 56.19;
    s.PreloadForce = 2872.0f;
    for (int i = 1; i <= 8; ++i)
        for (int j = 1; j <= 3; ++j) s.EquivalentLoad[i][j] = 1000.0 + 111.25 * i + 7.3 * j;
    return s;
}

void BM_ComputeServiceLife(benchmark::State& bench, const char* series) {
    CalculationState s = eightCarriages(series);
    for (auto _ : bench) {
        MeanLoads mean = ComputeServiceLife(s);
        benchmark::DoNotOptimize(mean);
        benchmark::DoNotOptimize(s.LifeTime);
    }
}
BENCHMARK_CAPTURE(BM_ComputeServiceLife, ball, "QEH");
BENCHMARK_CAPTURE(BM_ComputeServiceLife, roller, "QEY");

// The texts of one full table: 80 cells.
void BM_ResultTableTexts(benchmark::State& bench) {
    CalculationState s = eightCarriages("QEH");
    const MeanLoads mean = ComputeServiceLife(s);
    for (auto _ : bench) {
        for (int k = 1; k <= 8; ++k) {
            for (int j = 1; j <= 3; ++j) {
                benchmark::DoNotOptimize(LoadCellText(s.RadialLoad[k][j], "."));
                benchmark::DoNotOptimize(LoadCellText(s.LateralLoad[k][j], "."));
                benchmark::DoNotOptimize(LoadCellText(s.EquivalentLoad[k][j], "."));
            }
            benchmark::DoNotOptimize(MeanLoadCellText(mean[k], "."));
        }
    }
}
BENCHMARK(BM_ResultTableTexts);

}  // namespace
