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
    // Never destroyed: Qt's own statics (the input device list that showing a window
    // fills) go before a static application object would, and its end would crash.
    static auto* app = new QApplication(argc, argv);
    return *app;
}
