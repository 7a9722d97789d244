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
        benchmark::DoNotOptimize(Parts(plan).StopsTable->model()->rowCount());
    }
    state.counters["rows"] = static_cast<double>(plan.Plan()->rows.size());
    plan.hide();
}
BENCHMARK(BM_TripPlanWindowPlan)->Unit(benchmark::kMillisecond);

void BM_TripPlanWindowOpen(benchmark::State& state)
{
    BenchApplication();
    QTemporaryDir dir;
    test::FakePlatform platform;
    platform.folder = dir.path() + QLatin1Char('/');
    platform.clock = QDateTime(QDate(2026, 1, 15), QTime(9, 0));
    QFile::copy(QStringLiteral(DAWNRULE_SOURCE_DIR "/data/Daylight.txt"), platform.folder + QStringLiteral("Daylight.txt"));
    WriteTextLines((platform.folder + QStringLiteral("Big.txt")).toStdString(),
                   bench::RouteFileLines(bench::SyntheticRoute(static_cast<int>(state.range(0)))));
    DawnruleWindows windows(platform);
    windows.main.FormActivate();
    TTripPlan& plan = *Parts(windows.routes).TripPlan;
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
    BenchApplication();
    QTemporaryDir dir;
    test::FakePlatform platform;
    platform.folder = dir.path() + QLatin1Char('/');
    platform.clock = QDateTime(QDate(2026, 1, 15), QTime(9, 0));
    for (const QString& name : QDir(QStringLiteral(DAWNRULE_SOURCE_DIR "/data")).entryList({QStringLiteral("*.txt")}))
        QFile::copy(QStringLiteral(DAWNRULE_SOURCE_DIR "/data/") + name, platform.folder + name);
    DawnruleWindows windows(platform);
    windows.main.FormActivate();
    TTripPlan& plan = *Parts(windows.routes).TripPlan;
    plan.Prepare({});
    plan.show();
    if (!QTest::qWaitForWindowExposed(&plan))
        std::fprintf(stderr, "the Trip Plan window did not show\n");
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
