// Cost of one synchronous repaint of the progress bar, as the Routes batch makes it
// once per stop: a shown 200 x 24 bar set up as the Routes window sets it, its
// Position written each iteration. mode 0 is the Routes bar (continuous), 1 the same
// in blocks, 2 continuous without a caption (what the text costs). Report medians:
//   dawnrule_bench --benchmark_filter=PieProgressBar --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include "bench_app.h"
#include "controls/pie_progress_bar.h"

#include <QElapsedTimer>
#include <QWindow>

#include <benchmark/benchmark.h>

namespace {

constexpr int kStops = 10000;

void BM_PieProgressBarPosition(benchmark::State& state)
{
    BenchApplication();
    QWidget window;
    window.resize(400, 100);
    dawnrule::TPieProgressBar bar(&window);
    bar.SetBounds(10, 10, 200, 24);
    bar.setBackColor(Qt::yellow);
    bar.setBorderWidth(0);
    bar.setDecimals(0);
    bar.setNumSegments(1);
    bar.setSmooth(state.range(0) == 1);
    bar.setShowText(state.range(0) != 2);
    bar.setMax(kStops);
    bar.setTextUnit(QStringLiteral("  -  10000  -  I-40 Barstow CA to Wilmington NC"));
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (!window.windowHandle()->isExposed() && waited.elapsed() < 5000)
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    if (!window.windowHandle()->isExposed()) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    int stop = 0;
    for (auto _ : state) {
        bar.setPosition(stop);
        stop = (stop + 1) % kStops;
    }
    state.counters["repaints_per_s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                          benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PieProgressBarPosition)->ArgName("mode")->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace
