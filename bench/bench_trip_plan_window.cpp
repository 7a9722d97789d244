// The Trip Plan window's "Plan" as the user clicks it: Daylight.txt read, PlanTrip, both
// tables filled and painted, the inputs saved, on the real windows after a paint
// (offscreen). Beside it, BM_TripPlanShippedRoute/33 is the same plan (I-90, end to end)
// without any window.
//
// And the window opened on a route of 1,000, 10,000 and 100,000 stops (a long GPS track
// is that many points): the route read, From and To filled, the window shown and
// painted. Goals: 10,000 stops under 0.1 s, 100,000 under 1 s.
//
// And the route builder's type-ahead as the user types: a key in the town field, the
// list that follows it updated and painted. Goal: under 20 ms a keystroke.
#include "app/dawnrule_windows.h"
#include "bench_app.h"
#include "fake_platform.h"
#include "synthetic_route.h"
#include "window_parts.h"
#include "controls/combo_box.h"
#include "windows/route_builder.h"
#include "windows/ttripplan.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "common/text_file.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

using dawnrule::test::Parts;
using namespace dawnrule;

// The program's windows over a scratch program folder, as the start-up makes them, with
// every data file shipped in it.
struct BenchWindows {
    QTemporaryDir dir;
    test::FakePlatform platform;
    std::unique_ptr<DawnruleWindows> windows;

    BenchWindows()
    {
        BenchApplication();
        platform.folder = dir.path() + QLatin1Char('/');
        platform.clock = QDateTime(QDate(2026, 1, 15), QTime(9, 0));
        for (const QString& name : QDir(QStringLiteral(DAWNRULE_SOURCE_DIR "/data")).entryList({QStringLiteral("*.txt")}))
            QFile::copy(QStringLiteral(DAWNRULE_SOURCE_DIR "/data/") + name, platform.folder + name);
        windows = std::make_unique<DawnruleWindows>(platform);
        windows->main.FormActivate();
    }
    TTripPlan& Plan() { return *Parts(windows->routes).TripPlan; }
    // Shows the window and waits until it is on the screen.
    void Show(TTripPlan& plan)
    {
        plan.show();
        if (!QTest::qWaitForWindowExposed(&plan))
            std::fprintf(stderr, "the Trip Plan window did not show\n");
    }
};

void BM_TripPlanWindowPlan(benchmark::State& state)
{
    BenchWindows bench;
    TTripPlan& plan = bench.Plan();
    QToolButton* button = Parts(plan).PlanButton;
    plan.Prepare({QStringLiteral("I-90")});
    button->click();
    if (!plan.Plan())
        state.SkipWithError("no plan");
    bench.Show(plan);
    plan.repaint();
    for (auto _ : state) {
        button->click();
        plan.repaint();  // the tables as the user sees them
        benchmark::DoNotOptimize(Parts(plan).StopsTable->model()->rowCount());
    }
    state.counters["rows"] = static_cast<double>(plan.Plan()->rows.size());
    plan.hide();
}
BENCHMARK(BM_TripPlanWindowPlan)->Unit(benchmark::kMillisecond);

void BM_TripPlanWindowOpen(benchmark::State& state)
{
    BenchWindows bench;
    WriteTextLines((bench.platform.folder + QStringLiteral("Big.txt")).toStdString(),
                   bench::RouteFileLines(bench::SyntheticRoute(static_cast<int>(state.range(0)))));
    TTripPlan& plan = bench.Plan();
    plan.Prepare({});  // the towns of the route builder read once, as in a run
    for (auto _ : state) {
        if (!plan.Prepare({QStringLiteral("Big")}))
            state.SkipWithError("the route did not open");
        plan.show();
        plan.repaint();
        state.PauseTiming();
        plan.hide();
        state.ResumeTiming();
    }
    state.counters["stops"] = static_cast<double>(Parts(plan).FromList->count());
}
BENCHMARK(BM_TripPlanWindowOpen)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_RouteBuilderKeystroke(benchmark::State& state)
{
    BenchWindows bench;
    TTripPlan& plan = bench.Plan();
    plan.Prepare({});
    bench.Show(plan);
    QLineEdit* field = Parts(*Parts(plan).Builder).TownField;
    field->setFocus();
    const QString word = QStringLiteral("springfield, m");
    qsizetype at = 0;
    for (auto _ : state) {
        if (at == word.size()) {
            state.PauseTiming();
            field->clear();
            QCoreApplication::processEvents();
            at = 0;
            state.ResumeTiming();
        }
        QTest::keyClick(field, word[at++].toLatin1());
        QCoreApplication::processEvents();  // the list follows and paints
    }
    plan.hide();
}
BENCHMARK(BM_RouteBuilderKeystroke)->Unit(benchmark::kMillisecond);

} // namespace
