#pragma once

#include <QApplication>

// The one application object of the benchmark run, created on first use on the
// offscreen platform (benchmarks never need a display).
inline QApplication& BenchApplication()
{
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        return *app;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "dawnrule_bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}
