// SPDX-License-Identifier: GPL-3.0-or-later
// Pasting 10 MB into the log strip: how long until all of it is in, and the
// longest the window's events had to wait meanwhile (a 1 ms timer measures
// the gaps). A plain QPlainTextEdit pasting in one go is the yardstick.
#include "WidgetBenchmarks.h"
#include "stopwatch/LogStrip.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>

namespace {

QString tenMegabytes(int lineLength)
{
    const QString line = QString(lineLength - 2, QLatin1Char('x')) + QStringLiteral("\r\n");
    QString text;
    text.reserve(10'000'000 + line.size());
    for (int i = 0; text.size() < 10'000'000; ++i) {
        text += line;
        // Each line different, as typed text is.
        text[text.size() - 3] = QLatin1Char(static_cast<char>('a' + i % 26));
    }
    return text;
}

template <typename Strip> void paste(benchmark::State& state)
{
    QApplication::clipboard()->setText(tenMegabytes(static_cast<int>(state.range(0))));
    double longestGapMs = 0;
    double gapsOver50Ms = 0;
    double turnCount = 0;
    for (auto _ : state) {
        Strip strip;
        strip.resize(229, 133);
        strip.show();
        strip.setPlainText(QStringLiteral("05.12.2026  09:57:37  Date/Time started\n"));
        QCoreApplication::processEvents();

        QElapsedTimer sinceTurn;
        QTimer turns;
        QObject::connect(&turns, &QTimer::timeout, [&] {
            const double gapMs = sinceTurn.nsecsElapsed() / 1e6;
            longestGapMs = std::max(longestGapMs, gapMs);
            gapsOver50Ms += gapMs > 50 ? 1 : 0;
            ++turnCount;
            sinceTurn.restart();
        });
        turns.start(1);
        sinceTurn.start();
        strip.paste();
        if constexpr (std::is_same_v<Strip, tikkro::stopwatch::LogStrip>) {
            while (strip.isPasting()) {
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            }
        }
        QCoreApplication::processEvents();
        longestGapMs = std::max(longestGapMs, sinceTurn.nsecsElapsed() / 1e6);
        benchmark::DoNotOptimize(strip.document()->blockCount());
    }
    state.counters["longest_gap_ms"] = longestGapMs;
    // Turns of the 1 ms timer that came more than 50 ms late, per paste.
    state.counters["gaps_over_50ms"] =
        benchmark::Counter(gapsOver50Ms, benchmark::Counter::kAvgIterations);
    // The process's peak so far: the strip's runs come first.
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_mb"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    state.counters["turns"] = benchmark::Counter(turnCount, benchmark::Counter::kAvgIterations);
}

void LogStripPaste(benchmark::State& state)
{
    paste<tikkro::stopwatch::LogStrip>(state);
}
BENCHMARK(LogStripPaste)
    ->Arg(40)
    ->Arg(1000)
    ->ArgName("line_length")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

// What the strip's QPlainTextEdit does on its own: the whole paste in one go.
void PlainTextEditPaste(benchmark::State& state)
{
    paste<QPlainTextEdit>(state);
}
BENCHMARK(PlainTextEditPaste)
    ->Arg(40)
    ->ArgName("line_length")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    return tikkro::bench::runWidgetBenchmarks(argc, argv);
}
