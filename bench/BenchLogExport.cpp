// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a 100,000-line strip: the CSV conversion alone, and the whole save
// from the log strip's text to the file renamed into place, as text and CSV.
#include "WidgetBenchmarks.h"
#include "core/stopwatch/LogStripCsv.h"
#include "fakes/FakeFileDialogService.h"
#include "fakes/FakeMessageService.h"
#include "stopwatch/LogStrip.h"
#include "stopwatch/SaveLogCommand.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Lines = 100'000;

// Runs of a header, a Start, laps, and a pause and resume now and then.
QString longStrip()
{
    QString strip;
    qint64 elapsed = 0;
    for (int line = 0; line < Lines;) {
        strip += QStringLiteral("05.12.2026  09:57:37  Date/Time started\n"
                                "00:00:00.000   Start\n");
        line += 2;
        for (int lap = 1; lap <= 200 && line < Lines; ++lap, ++line) {
            elapsed += 1'234'567;
            const QString time = QStringLiteral("%1:%2:%3.%4")
                                     .arg(elapsed / 3'600'000, 2, 10, QLatin1Char('0'))
                                     .arg(elapsed / 60'000 % 60, 2, 10, QLatin1Char('0'))
                                     .arg(elapsed / 1000 % 60, 2, 10, QLatin1Char('0'))
                                     .arg(elapsed % 1000, 3, 10, QLatin1Char('0'));
            if (lap % 50 == 0) {
                strip += time + QStringLiteral("   Pause\n\n10:15:00          Res'Time\n");
                line += 2;
            } else {
                strip += time + QStringLiteral("   Lap\n");
            }
        }
        strip += QStringLiteral("\n");
        ++line;
    }
    return strip;
}

void CsvOfStrip(benchmark::State& state)
{
    const QString strip = longStrip();
    for (auto _ : state) {
        benchmark::DoNotOptimize(tikkro::stopwatch::LogStripCsv::csv(strip));
    }
    state.counters["rows"] =
        static_cast<double>(tikkro::stopwatch::LogStripCsv::rows(strip).size());
}
BENCHMARK(CsvOfStrip)->Unit(benchmark::kMillisecond);

// From the strip on screen to the file in place, as the menu command does it.
void SaveFromStrip(benchmark::State& state)
{
    tikkro::stopwatch::LogStrip strip;
    strip.append(longStrip());
    QTemporaryDir dir;
    tikkro::fakes::FakeFileDialogService dialogs;
    tikkro::fakes::FakeMessageService messages;
    const bool csv = state.range(0) != 0;
    dialogs.answer = {{dir.filePath(QStringLiteral("log")),
                       csv ? QStringLiteral("CSV (*.csv)") : QStringLiteral("Text (*.txt)")}};
    tikkro::stopwatch::SaveLogCommand command(dialogs, messages);
    for (auto _ : state) {
        command.run(nullptr, strip.text());
    }
    if (!messages.messages.isEmpty()) {
        state.SkipWithError(qPrintable(messages.messages[0].text));
    }
}
BENCHMARK(SaveFromStrip)->Arg(0)->Arg(1)->ArgName("csv")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return tikkro::bench::runWidgetBenchmarks(argc, argv);
}
