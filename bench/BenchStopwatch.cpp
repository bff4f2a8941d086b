// SPDX-License-Identifier: GPL-3.0-or-later
// The refresh's arithmetic and a Lap on the real log strip, empty and after a
// long day of laps.
#include "WidgetBenchmarks.h"
#include "core/stopwatch/Stopwatch.h"
#include "fakes/FakeCounter.h"
#include "fakes/FakeIntervalTimer.h"
#include "fakes/FakeWallClock.h"
#include "stopwatch/LogStrip.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

struct StripView final : tikkro::stopwatch::StopwatchView
{
    void setElapsedDisplay(const QString& text) override { display = text; }
    void setAvailableCommands(const tikkro::stopwatch::CommandSet&) override {}
    void appendToLog(const QString& piece) override { strip.append(piece); }
    bool logIsEmpty() const override { return strip.isEmpty(); }
    void focusLogEnd() override { strip.moveToEnd(); }

    tikkro::stopwatch::LogStrip strip;
    QString display;
};

void refresh(benchmark::State& state)
{
    tikkro::fakes::FakeCounter counter(1'000'000'000);
    tikkro::fakes::FakeWallClock clock;
    tikkro::fakes::FakeIntervalTimer timer;
    StripView view;
    tikkro::stopwatch::Stopwatch watch(counter, clock, timer, view);
    watch.readFrequency();
    watch.reset();
    watch.start();
    for (auto _ : state) {
        counter.set(counter.ticks() + 15'000'000);
        watch.refresh();
        benchmark::DoNotOptimize(watch.elapsedText());
    }
}
BENCHMARK(refresh);

void Lap(benchmark::State& state)
{
    tikkro::fakes::FakeCounter counter(1'000'000'000);
    tikkro::fakes::FakeWallClock clock;
    tikkro::fakes::FakeIntervalTimer timer;
    StripView view;
    view.strip.resize(229, 133);
    view.strip.show();
    tikkro::stopwatch::Stopwatch watch(counter, clock, timer, view);
    watch.readFrequency();
    watch.reset();
    watch.start();
    for (qint64 i = 0; i < state.range(0); ++i) {
        counter.set(counter.ticks() + 1'234'567);
        watch.lap();
    }
    QCoreApplication::processEvents();
    for (auto _ : state) {
        counter.set(counter.ticks() + 1'234'567);
        watch.lap();
        // With the second argument set, the repaint that follows the Lap is
        // counted too.
        if (state.range(1) != 0) {
            QCoreApplication::processEvents();
        }
    }
    state.counters["lines"] = static_cast<double>(view.strip.blockCount());
}
BENCHMARK(Lap)
    ->ArgsProduct({{0, 100'000}, {0, 1}})
    ->ArgNames({"lines", "repaint"})
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return tikkro::bench::runWidgetBenchmarks(argc, argv);
}
