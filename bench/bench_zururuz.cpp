// Cost of one rise/set computation, alone and through the main window's "Calc "
// handler. Report medians:
//   dawnrule_bench --benchmark_filter=ZuruRuz --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include "app/tzururuz1.h"
#include "app/zururuz.h"
#include "bench_app.h"
#include "controls/combo_box.h"
#include "controls/currency_edit.h"
#include "controls/date_edit.h"
#include "fake_platform.h"
#include "window_parts.h"

#include <QTemporaryDir>

#include "rise_set_inputs.h"

#include <benchmark/benchmark.h>

namespace {

using dawnrule::test::Parts;

using namespace dawnrule;


void BM_ZuruRuzCompute(benchmark::State& state)
{
    int i = 0;
    for (auto _ : state) {
        ZuruRuzResult r = ComputeZuruRuz(RiseSetInput(i++));
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_ZuruRuzCompute);

// The whole "Calc " click on the real window: reading the fields, the computation,
// writing the two labels.
void BM_ZuruRuzCalcHandler(benchmark::State& state)
{
    BenchApplication();
    QTemporaryDir dir;
    test::FakePlatform platform;
    platform.folder = dir.path() + QLatin1Char('/');
    TZuruRuz1 window(platform);
    Parts(window).ComboBox1->setItemIndex(0);
    window.ComboBox1Change();
    Parts(window).DateEdit1->setDate(QDate(2005, 11, 9));
    Parts(window).CurrencyEdit2->setValue(40.7);
    int i = 0;
    for (auto _ : state) {
        Parts(window).CurrencyEdit1->setValue(-74.0 - (i++ % 50) * 0.5);
        window.SpeedButton52Click();
    }
}
BENCHMARK(BM_ZuruRuzCalcHandler);

} // namespace
