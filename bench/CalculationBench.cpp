#include <benchmark/benchmark.h>

#include "CalculationInputs.h"
#include "operation/CalculationStep.h"
#include "results/ServiceLife.h"

// One full calculation as "Next" of the operation page runs it and the result
// page's activation finishes it: the step (storing the thirty entries,
// clearing the tables, the load procedure) and the service life, for two
// rails with four carriages each, the largest layout, of every installation.

namespace {

void BM_FullCalculation(benchmark::State& bench) {
    bench::prepareSelection(static_cast<int>(bench.range(0)), 7);
    for (auto _ : bench) {
        const StepOutcome outcome = RunCalculationStep(bench::kEntries);
        if (!outcome.calculated) {
            bench.SkipWithError(outcome.refusal.c_str());
            break;
        }
        benchmark::DoNotOptimize(ComputeServiceLife());
        benchmark::DoNotOptimize(state().LifeDistance);
    }
    state() = CalculationState{};
}
BENCHMARK(BM_FullCalculation)->ArgName("installation")->DenseRange(0, 4);

}  // namespace
