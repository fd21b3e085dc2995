#include <benchmark/benchmark.h>

#include "CalculationInputs.h"
#include "app/ui/Pages.h"
#include "operation/CalculationStep.h"
#include "results/ui/Form5.h"

// The result page's activation, which every "Next" of the operation page
// runs: the service life and every label of the page rewritten, for eight
// carriages; once alone, once with the page painted as well.

namespace {

bool prepareResultPage(benchmark::State& bench) {
    bench::prepareSelection(0, 7);
    const StepOutcome outcome = RunCalculationStep(bench::kEntries);
    if (!outcome.calculated) {
        bench.SkipWithError(outcome.refusal.c_str());
        return false;
    }
    form5().showPage();
    return true;
}

void BM_ResultPageActivation(benchmark::State& bench) {
    if (!prepareResultPage(bench)) return;
    for (auto _ : bench) {
        form5().hidePage();
        form5().showPage();
    }
    form5().hidePage();
}
BENCHMARK(BM_ResultPageActivation)->Unit(benchmark::kMicrosecond);

void BM_ResultPageActivationAndPaint(benchmark::State& bench) {
    if (!prepareResultPage(bench)) return;
    for (auto _ : bench) {
        form5().hidePage();
        form5().showPage();
        form5().repaint();
    }
    form5().hidePage();
}
BENCHMARK(BM_ResultPageActivationAndPaint)->Unit(benchmark::kMicrosecond);

}  // namespace
