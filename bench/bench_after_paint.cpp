// The computations' own cost right after Qt has painted, against a clean start.
//
// Qt's raster painting can leave the upper halves of the AVX registers in use, and on many
// processors the scalar arithmetic after it then runs several times slower. Each pair
// times one computation twice: _QtFree from the clean vector state of a process that never
// painted, _AfterPaint right after a line drawn into a QImage (as the windows paint before
// Calc, before each stop of the Routes batch, and before the moon picture computes).
// Only the computation is timed (manual time); BM_PaintLineIntoImage gives the paint's own
// cost. Report medians:
//   dawnrule_bench --benchmark_filter='QtFree|AfterPaint|PaintLine' --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include "app/zururuz.h"
#include "astro/sun_moon.h"
#include "common/vector_state.h"
#include "bench_app.h"

#include <QImage>
#include <QPainter>

#include "rise_set_inputs.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using namespace dawnrule;
using Clock = std::chrono::steady_clock;

void DrawLineInto(QImage& image)
{
    QPainter painter(&image);
    painter.drawLine(0, 0, image.width() - 1, image.height() / 2);
}

QImage Canvas()
{
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

// Times compute(i) alone in every iteration, after a paint or from a clean state.
template <typename Compute>
void TimeComputation(benchmark::State& state, bool paintFirst, Compute compute)
{
    QImage image;
    if (paintFirst) {
        BenchApplication();
        image = Canvas();
    }
    int i = 0;
    for (auto _ : state) {
        if (paintFirst)
            DrawLineInto(image);
        else
            ClearUpperVectorState(); // what a process that never painted has
        const Clock::time_point start = Clock::now();
        compute(i++);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
}


void ComputeRiseSet(int i)
{
    ZuruRuzResult r = ComputeZuruRuz(RiseSetInput(i));
    benchmark::DoNotOptimize(r);
}

// Noon dates from 1990 on, one synodic-month fraction apart.
void ComputePhase(int i)
{
    benchmark::DoNotOptimize(MoonPhaseAngle(33000.5 + (i % 1000) * 13.37));
}

void BM_ZuruRuzCompute_QtFree(benchmark::State& state) { TimeComputation(state, false, ComputeRiseSet); }
void BM_ZuruRuzCompute_AfterPaint(benchmark::State& state) { TimeComputation(state, true, ComputeRiseSet); }
void BM_MoonPhaseAngle_QtFree(benchmark::State& state) { TimeComputation(state, false, ComputePhase); }
void BM_MoonPhaseAngle_AfterPaint(benchmark::State& state) { TimeComputation(state, true, ComputePhase); }

BENCHMARK(BM_ZuruRuzCompute_QtFree)->UseManualTime();
BENCHMARK(BM_ZuruRuzCompute_AfterPaint)->UseManualTime();
BENCHMARK(BM_MoonPhaseAngle_QtFree)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MoonPhaseAngle_AfterPaint)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_PaintLineIntoImage(benchmark::State& state)
{
    BenchApplication();
    QImage image = Canvas();
    for (auto _ : state) {
        DrawLineInto(image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PaintLineIntoImage);

} // namespace
