// The Routes window on the real main window, offscreen: a 10,000-stop route through
// "Process" with every synchronous repaint of the bar (goal: under 0.5 s), and the
// parts of one stop's cost: the computation alone, the main window's fields, Calc and
// labels, the bar's repaint. Reverse of a 10,000-line report and the report box
// filling with 10,000 lines: under 50 ms each. The "stop" and "line" counters give
// the time per stop or line. "Local times" checked: each stop's own local day and zone
// too; the same route with it stays within 1.5 times the route without it (the Towns
// pair: 10,000 stops at shipped towns, every one with a zone; the Long route's stops are
// partly beyond every town's reach). Report medians:
//   dawnrule_bench --benchmark_filter=RoutesWindow --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include "app/calc.h"
#include "app/dawnrule_windows.h"
#include "app/zururuz.h"
#include "bench_app.h"
#include "controls/combo_box.h"
#include "controls/currency_edit.h"
#include "controls/date_edit.h"
#include "controls/pie_progress_bar.h"
#include "fake_platform.h"
#include "window_parts.h"
#include "locations/place_zones_table.h"
#include "windows/troutes.h"

#include <QCheckBox>

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

using dawnrule::test::Parts;

using namespace dawnrule;

constexpr int kStops = 10000;
constexpr int kCentral = 1;  // offset list entry, -6

struct Stop {
    double latitude;
    double longitude;
};

// Stops whose coordinates all differ, so every stop changes both fields.
std::vector<Stop> Stops()
{
    std::vector<Stop> stops;
    for (int i = 0; i < kStops; ++i)
        stops.push_back({25.0 + (i % 2400) * 0.01, -(67.0 + (i % 5700) * 0.01)});
    return stops;
}

// A route file laid out as the shipped ones: a title, a state line every 100 stops.
QByteArray LongRoute()
{
    QByteArray text = "Long  west to east  9,999 miles\r\n";
    const std::vector<Stop> stops = Stops();
    for (int i = 0; i < kStops; ++i) {
        if (i % 100 == 0)
            text += "\r\nState " + QByteArray::number(i / 100) + "\r\n";
        char line[80];
        std::snprintf(line, sizeof line, "  Town %05d, ST  [%.2f %.2f]\r\n", i, stops[i].latitude,
                      stops[i].longitude);
        text += line;
    }
    return text;
}

// 10,000 stops at shipped towns all over the country, in the town table's order (by
// latitude, so the zone changes often from one stop to the next).
QByteArray TownsRoute()
{
    QByteArray text = "Towns  10,000 of them\r\n";
    const size_t step = kPlaceZoneRows.size() / kStops;
    for (int i = 0; i < kStops; ++i) {
        const PlaceZoneRow& row = kPlaceZoneRows[static_cast<size_t>(i) * step];
        char line[80];
        std::snprintf(line, sizeof line, "  Town %05d, ST  [%.2f %.2f]\r\n", i, row.latitude / 100.0,
                      row.longitude / 100.0);
        text += line;
    }
    return text;
}

// The program's windows in a scratch folder holding the long route, the main window
// set to a winter date and Central time and hidden, the Routes window shown, as
// after a click on "Routes".
struct RoutesShown {
    RoutesShown()
    {
        BenchApplication();
        platform.folder = dir.path() + QLatin1Char('/');
        QFile f(platform.folder + QStringLiteral("Long.txt"));
        if (f.open(QIODevice::WriteOnly))
            f.write(LongRoute());
        f.close();
        QFile towns(platform.folder + QStringLiteral("Towns.txt"));
        if (towns.open(QIODevice::WriteOnly))
            towns.write(TownsRoute());
        towns.close();
        windows = std::make_unique<DawnruleWindows>(platform);
        TZuruRuz1& main = windows->main;
        main.FormActivate();
        platform.messages.clear();  // no settings file in the scratch folder
        Parts(main).DateEdit1->setDate(QDate(2026, 1, 15));
        Parts(main).ComboBox1->setItemIndex(kCentral);
        main.ComboBox1Change();
        windows->routes.show();
        if (!QTest::qWaitForWindowExposed(&windows->routes))
            std::fprintf(stderr, "the Routes window did not show\n");
        windows->routes.repaint();
    }
    TZuruRuz1& main() { return windows->main; }
    TRoutes& routes() { return windows->routes; }

    QTemporaryDir dir;
    test::FakePlatform platform;
    std::unique_ptr<DawnruleWindows> windows;
};

benchmark::Counter PerItem(int count)
{
    return benchmark::Counter(count, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The whole batch as the user starts it.
void BM_RoutesWindowProcess(benchmark::State& state)
{
    RoutesShown w;
    for (auto _ : state) {
        state.PauseTiming();
        w.routes().SetReportLines({QStringLiteral("Long")});
        Parts(w.routes()).SpeedButton2->setEnabled(true);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        Parts(w.routes()).SpeedButton2->click();
    }
    const int lines = static_cast<int>(w.routes().ReportLines().size());
    if (!w.platform.messages.isEmpty() || lines < kStops)
        state.SkipWithError(("batch failed: " + w.platform.messages.join(QLatin1Char(' ')).toStdString()).c_str());
    state.counters["stop"] = PerItem(kStops);
}
BENCHMARK(BM_RoutesWindowProcess)->Unit(benchmark::kMillisecond);

// A route's whole batch with "Local times" unchecked (0) or checked (1).
void ProcessRoute(benchmark::State& state, const QString& route)
{
    RoutesShown w;
    Parts(w.routes()).CheckBox1->setChecked(state.range(0) != 0);
    for (auto _ : state) {
        state.PauseTiming();
        w.routes().SetReportLines({route});
        Parts(w.routes()).SpeedButton2->setEnabled(true);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        Parts(w.routes()).SpeedButton2->click();
    }
    const QStringList report = w.routes().ReportLines();
    // With local times every stop line carries a zone or says it has none.
    const int zoned = static_cast<int>(report.filter(QRegularExpression(QStringLiteral("[A-Z]{3,4}$"))).size());
    const int noZone = static_cast<int>(report.filter(QStringLiteral("no zone")).size());
    // Calc's messages (the polar towns of Alaska in January) are recorded, not shown.
    if (report.size() < kStops || w.platform.messages.filter(QStringLiteral("not found")).size() > 0)
        state.SkipWithError(("batch failed: " + w.platform.messages.join(QLatin1Char(' ')).toStdString()).c_str());
    state.counters["stop"] = PerItem(kStops);
    state.counters["messages"] = static_cast<double>(w.platform.messages.size()) / state.iterations();
    state.counters["zoned"] = zoned;
    state.counters["no_zone"] = noZone;
}

void BM_RoutesWindowProcessLocalTimes(benchmark::State& state)
{
    ProcessRoute(state, QStringLiteral("Long"));
}
BENCHMARK(BM_RoutesWindowProcessLocalTimes)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_RoutesWindowProcessTowns(benchmark::State& state)
{
    ProcessRoute(state, QStringLiteral("Towns"));
}
BENCHMARK(BM_RoutesWindowProcessTowns)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// First share: the computation alone, as Calc calls it for each stop.
void BM_RoutesWindowStopComputation(benchmark::State& state)
{
    RoutesShown w;
    const std::vector<Stop> stops = Stops();
    CalcFields fields = w.main().ZuruRuzInit();
    fields.latitude = stops.front().latitude;
    fields.longitude = stops.front().longitude;
    ZuruRuzInput in = *ZuruRuzInputOf(fields);
    for (auto _ : state) {
        for (const Stop& s : stops) {
            in.latitude = s.latitude;
            in.longitude = s.longitude;
            const ZuruRuzResult r = ComputeZuruRuz(in);
            in.eventKind = r.eventKind;
            benchmark::DoNotOptimize(r);
        }
    }
    state.counters["stop"] = PerItem(kStops);
}
BENCHMARK(BM_RoutesWindowStopComputation)->Unit(benchmark::kMillisecond);

// Second share: what the batch does on the main window for each stop: the latitude and
// longitude fields (with their label resets), Calc through SpeedButton52Click, the
// two labels read back. Less the first share, this is the fields' and labels' share.
void BM_RoutesWindowStopFieldsCalcLabels(benchmark::State& state)
{
    RoutesShown w;
    TZuruRuz1& main = w.main();
    const std::vector<Stop> stops = Stops();
    for (auto _ : state) {
        for (const Stop& s : stops) {
            Parts(main).CurrencyEdit2->setValue(s.latitude);
            Parts(main).CurrencyEdit1->setValue(s.longitude);
            Parts(main).BatchCalc = true;
            main.SpeedButton52Click();
            benchmark::DoNotOptimize(Parts(main).Label5->text().toStdString());
            benchmark::DoNotOptimize(Parts(main).Label7->text().toStdString());
        }
    }
    state.counters["stop"] = PerItem(kStops);
}
BENCHMARK(BM_RoutesWindowStopFieldsCalcLabels)->Unit(benchmark::kMillisecond);

// Third share: the bar's synchronous repaint at each stop, on the shown window.
void BM_RoutesWindowStopRepaint(benchmark::State& state)
{
    RoutesShown w;
    TPieProgressBar* bar = Parts(w.routes()).PieProgressBar1;
    bar->setMax(kStops);
    bar->setTextUnit(QStringLiteral("  -  10000  -  Long"));
    bar->show();
    for (auto _ : state) {
        for (int i = 0; i < kStops; ++i)
            bar->setPosition(i);
        state.PauseTiming();
        bar->setPosition(-1);
        state.ResumeTiming();
    }
    bar->hide();
    state.counters["stop"] = PerItem(kStops);
}
BENCHMARK(BM_RoutesWindowStopRepaint)->Unit(benchmark::kMillisecond);

QStringList LongReport()
{
    QStringList report{QStringLiteral("01/15/2026"), QString()};
    for (int i = 0; i < kStops; ++i)
        report << QStringLiteral("  Town %1, ST    7:12A  5:21P").arg(i, 5, 10, QLatin1Char('0'));
    return report;
}

// The report box taking a finished batch's 10,002 lines.
void BM_RoutesWindowFillBox(benchmark::State& state)
{
    RoutesShown w;
    const QStringList report = LongReport();
    for (auto _ : state) {
        w.routes().SetReportLines(report);
        Parts(w.routes()).RichEdit1->viewport()->repaint();
        state.PauseTiming();
        Parts(w.routes()).RichEdit1->clear();
        state.ResumeTiming();
    }
    state.counters["line"] = PerItem(static_cast<int>(report.size()));
}
BENCHMARK(BM_RoutesWindowFillBox)->Unit(benchmark::kMillisecond);

// "Reverse" on a 10,002-line report, with the box's repaint.
void BM_RoutesWindowReverse(benchmark::State& state)
{
    RoutesShown w;
    const QStringList report = LongReport();
    w.routes().SetReportLines(report);
    for (auto _ : state) {
        Parts(w.routes()).SpeedButton4->click();
        Parts(w.routes()).RichEdit1->viewport()->repaint();
    }
    state.counters["line"] = PerItem(static_cast<int>(report.size()));
}
BENCHMARK(BM_RoutesWindowReverse)->Unit(benchmark::kMillisecond);

} // namespace
