#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>
#include <QElapsedTimer>
#include <QEvent>
#include <QProcess>
#include <QProcessEnvironment>
#include <QWindow>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

#include "app/ui/Pages.h"
#include "selection/ui/Form1.h"

// Start-up of the calculator, measured two ways: a whole new process from its
// start until the title page is shown, and inside one process the creation
// and showing of the title page alone (the part that the program's own code
// adds to the toolkit's start-up). Every page runs offscreen.

namespace {

// Set in the environment of a process started only to show the title page.
constexpr const char* kChildMode = "SERVICELIFE_BENCH_TITLE_PAGE_ONLY";

// Processes events until the page's window is exposed and painted.
bool waitUntilShown(QWidget& page) {
    QElapsedTimer clock;
    clock.start();
    while (page.windowHandle() == nullptr || !page.windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (clock.elapsed() > 10'000) return false;
    }
    QCoreApplication::processEvents();
    return true;
}

// What the program does on start, up to its title page shown; then the
// process tells its parent and ends.
int showTitlePageAndEnd(int argc, char** argv) {
    QApplication app(argc, argv);
    form1().showPage();
    const bool shown = waitUntilShown(form1());
    std::fputs(shown ? "shown\n" : "not shown\n", stdout);
    std::fflush(stdout);
    return shown ? 0 : 1;
}

void BM_ProgramStartToTitlePage(benchmark::State& bench) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kChildMode), QStringLiteral("1"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (auto _ : bench) {
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        const bool ready = child.waitForReadyRead(30'000);
        bench.PauseTiming();
        child.waitForFinished(30'000);
        if (!ready || !child.readAllStandardOutput().startsWith("shown")) {
            bench.SkipWithError("the title page was not shown");
            break;
        }
        bench.ResumeTiming();
    }
}
BENCHMARK(BM_ProgramStartToTitlePage)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

void BM_TitlePageCreatedAndShown(benchmark::State& bench) {
    setProgramEndHook([] {});
    for (auto _ : bench) {
        form1().showPage();
        if (!waitUntilShown(form1())) {
            bench.SkipWithError("the title page was not shown");
            break;
        }
        bench.PauseTiming();
        endProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        bench.ResumeTiming();
    }
    setProgramEndHook({});
}
BENCHMARK(BM_TitlePageCreatedAndShown)->Unit(benchmark::kMillisecond)->UseRealTime();

// The offscreen platform warns on every raise of a window; that is noise in
// the figures, not a finding.
void quietRaiseWarning(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support raise()"))) return;
    std::fprintf(stderr, "%s\n", qFormatLogMessage(type, context, message).toLocal8Bit().constData());
}

}  // namespace

// The one entry point of the benchmarks: a QApplication for the page
// benchmarks, offscreen unless the caller chose a platform.
int main(int argc, char** argv) {
    qInstallMessageHandler(quietRaiseWarning);
    if (std::getenv(kChildMode) != nullptr) return showTitlePageAndEnd(argc, argv);
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
