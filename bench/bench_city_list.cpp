// The town list as a driver uses it, on the real window after a paint: clicking the
// largest state (PA, 1,128 towns) until its list is open, and one typed character
// with the highlight following. Report medians:
//   dawnrule_bench --benchmark_filter=CityList --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include "app/dawnrule_windows.h"
#include "bench_app.h"
#include "controls/city_combo_box.h"
#include "fake_platform.h"
#include "window_parts.h"

#include <QAbstractItemView>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using dawnrule::test::Parts;

using namespace dawnrule;

constexpr int kPennsylvania = 38;

// The shipped PA.txt in a scratch program folder, the windows shown and painted.
struct ShownWindows {
    ShownWindows()
    {
        BenchApplication();
        platform.folder = dir.path() + QLatin1Char('/');
        QFile::copy(QStringLiteral(DAWNRULE_SOURCE_DIR "/data/PA.txt"), platform.folder + QStringLiteral("PA.txt"));
        windows = std::make_unique<DawnruleWindows>(platform);
        windows->main.SetWideLayout(true);
        windows->main.show();
        if (!QTest::qWaitForWindowExposed(&windows->main))
            std::abort();
        windows->main.repaint();
    }
    QTemporaryDir dir;
    test::FakePlatform platform;
    std::unique_ptr<DawnruleWindows> windows;
};

void BM_CityListOpenLargestState(benchmark::State& state)
{
    ShownWindows w;
    TZuruRuz1& main = w.windows->main;
    for (auto _ : state) {
        Parts(main).SpeedButton(kPennsylvania)->click();
        Parts(main).ComboBox2->view()->viewport()->repaint();  // the open list painted
        benchmark::DoNotOptimize(Parts(main).ComboBox2->view()->isVisible());
        state.PauseTiming();
        Parts(main).ComboBox2->hidePopup();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["towns"] = Parts(main).ComboBox2->count();
}
BENCHMARK(BM_CityListOpenLargestState)->Unit(benchmark::kMillisecond);

void BM_CityListTypeOneCharacter(benchmark::State& state)
{
    ShownWindows w;
    TZuruRuz1& main = w.windows->main;
    Parts(main).SpeedButton(kPennsylvania)->click();
    QWidget* popup = Parts(main).ComboBox2->view();
    // Alternating between a late and an early prefix keeps the search and the scroll
    // at work on every character.
    const char* keys[] = {"w", "\b"};
    int i = 0;
    for (auto _ : state) {
        const char* k = keys[i++ % 2];
        if (*k == '\b')
            QTest::keyClick(popup, Qt::Key_Backspace);
        else
            QTest::keyClicks(popup, QString::fromLatin1(k));
        Parts(main).ComboBox2->view()->viewport()->repaint();  // the list scrolled and painted
        Parts(main).ComboBox2->lineEdit()->repaint();
        benchmark::DoNotOptimize(Parts(main).ComboBox2->highlightedRow());
    }
}
BENCHMARK(BM_CityListTypeOneCharacter)->Unit(benchmark::kMicrosecond);

} // namespace
