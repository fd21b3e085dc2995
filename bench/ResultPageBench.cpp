#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <string>

#include "CalculationInputs.h"
#include "app/ui/Pages.h"
#include "forms/ui/PagePrinter.h"
#include "operation/CalculationStep.h"
#include "results/ui/Form5.h"

// The result page's activation, which every "Next" of the operation page
// runs: the service life and every label of the page rewritten, for eight
// carriages; once alone, once with the page painted as well. Then one
// "Print" of the page where no printer is set up: a new PDF file.

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

// A field of /proc/self/status in kB ("VmRSS", "VmHWM"), -1 where there is none.
double statusKb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field + ":", 0) == 0) return std::stod(line.substr(field.size() + 1));
    return -1;
}

// Wall time of one print to a PDF file, with the file's size and how far
// the process's peak memory rose above its resident memory before the prints.
void BM_ResultPagePrintToPdf(benchmark::State& bench) {
    if (!prepareResultPage(bench)) return;
    QTemporaryDir folder;
    std::ofstream("/proc/self/clear_refs") << "5";  // restart the peak at the present size
    const double residentBefore = statusKb("VmRSS");
    double bytes = 0;
    for (auto _ : bench) {
        const PrintOutcome out = savePageAsPdf(form5(), folder.path());
        if (out.kind != PrintOutcome::Kind::SavedToPdf) {
            bench.SkipWithError(out.detail.toStdString().c_str());
            break;
        }
        bytes = static_cast<double>(QFile(out.detail).size());
        QFile::remove(out.detail);
    }
    bench.counters["pdf_kB"] = bytes / 1024;
    bench.counters["peak_rise_MB"] = (statusKb("VmHWM") - residentBefore) / 1024;
    form5().hidePage();
}
BENCHMARK(BM_ResultPagePrintToPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
