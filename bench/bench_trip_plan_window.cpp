// The Trip Plan window's "Plan" as the user clicks it: Daylight.txt read, PlanTrip, both
// tables filled and painted, the inputs saved, on the real windows after a paint
// (offscreen). Beside it, BM_TripPlanShippedRoute/33 is the same plan (I-90, end to end)
// without any window.
#include "app/dawnrule_windows.h"
#include "bench_app.h"
#include "fake_platform.h"
#include "window_parts.h"
#include "windows/ttripplan.h"

#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using dawnrule::test::Parts;
using namespace dawnrule;

void BM_TripPlanWindowPlan(benchmark::State& state)
{
    BenchApplication();
    QTemporaryDir dir;
    test::FakePlatform platform;
    platform.folder = dir.path() + QLatin1Char('/');
    platform.clock = QDateTime(QDate(2026, 1, 15), QTime(9, 0));
    for (const char* name : {"I-90.txt", "Daylight.txt"})
        QFile::copy(QStringLiteral(DAWNRULE_SOURCE_DIR "/data/") + QLatin1String(name), platform.folder + QLatin1String(name));
    DawnruleWindows windows(platform);
    windows.main.FormActivate();
    TTripPlan& plan = *Parts(windows.routes).TripPlan;
    if (!plan.Prepare({QStringLiteral("I-90")}) || !plan.Plan())
        state.SkipWithError("no plan");
    plan.show();
    if (!QTest::qWaitForWindowExposed(&plan))
        std::fprintf(stderr, "the Trip Plan window did not show\n");
    plan.repaint();
    QToolButton* button = Parts(plan).PlanButton;
    for (auto _ : state) {
        button->click();
        plan.repaint();  // the tables as the user sees them
        benchmark::DoNotOptimize(Parts(plan).StopsTable->rowCount());
    }
    state.counters["rows"] = static_cast<double>(plan.Plan()->rows.size());
    plan.hide();
}
BENCHMARK(BM_TripPlanWindowPlan)->Unit(benchmark::kMillisecond);

} // namespace
