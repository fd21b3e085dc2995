// Cost of one calculation: the dispatch and the load procedure of one layout,
// for the horizontal and the vertical installation.
#include <benchmark/benchmark.h>

#include "app/CalculationState.h"
#include "loads/LoadProcedures.h"

namespace {

void FillInputs(CalculationState& s) {
    s.StaticLoadRating = 20, s.PitchingMomentRating = 0.3, s.YawingMomentRating = 0.3, s.RollingMomentRating = 0.4f;
    s.Acceleration = 2;
    s.ThrustPointY0 = 10, s.ThrustPointZ0 = -20;
    s.CarriageSpanL1 = 200, s.CarriageSpanL1b = 400, s.RailSpanL2 = 300;
    s.Mass1 = 50, s.GravityX1 = 120, s.GravityY1 = -40, s.GravityZ1 = 60;
    s.Mass2 = 20, s.GravityX2 = -30, s.GravityY2 = 15, s.GravityZ2 = 90;
    s.LoadFx = 5, s.LoadPointY4 = 30, s.LoadPointZ4 = 80;
    s.LoadFy = 4, s.LoadPointX5 = -90, s.LoadPointZ5 = 25;
    s.LoadFz = 3, s.LoadPointX6 = 70, s.LoadPointY6 = 15;
}

void BM_LoadCalculation(benchmark::State& bench) {
    const int installation = static_cast<int>(bench.range(0));
    const int combination = static_cast<int>(bench.range(1));
    CalculationState& s = state();
    s = CalculationState{};
    FillInputs(s);
    for (auto _ : bench) {
        FindLoadProcedure(installation, combination)();
        benchmark::DoNotOptimize(s.EquivalentLoad);
        benchmark::ClobberMemory();
    }
    s = CalculationState{};
}

BENCHMARK(BM_LoadCalculation)
    ->ArgNames({"installation", "combination"})
    ->ArgsProduct({{0, 1}, {0, 1, 2, 3, 4, 5, 6, 7}});

}  // namespace
