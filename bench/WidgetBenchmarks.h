// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

namespace tikkro::bench {

// The main of a benchmark program that needs widgets: offscreen unless a
// platform is chosen, so that it runs without a display.
inline int runWidgetBenchmarks(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace tikkro::bench
