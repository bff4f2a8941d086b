// SPDX-License-Identifier: GPL-3.0-or-later
// Printing a long log strip to a PDF file: how long it takes and how much
// memory it holds at its peak.
#include "fakes/FakePrintDialog.h"
#include "printing/PrintCommand.h"
#include "printing/QtPrinterFactory.h"

#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

long peakRssKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

QString lapStrip(qsizetype length)
{
    QString strip;
    for (int i = 1; strip.size() < length; ++i)
        strip += QStringLiteral("%1  00:%2:%3.250   Lap\n")
                     .arg(i, 5, 10, QLatin1Char('0'))
                     .arg(i / 60 % 60, 2, 10, QLatin1Char('0'))
                     .arg(i % 60, 2, 10, QLatin1Char('0'));
    strip.truncate(length);
    return strip;
}

void printStripToPdf(benchmark::State& state)
{
    const QString strip = lapStrip(state.range(0));
    QTemporaryDir dir;
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(dir.filePath(QStringLiteral("strip.pdf")));
    tikkro::printing::PrintCommand command(
        std::make_unique<tikkro::fakes::FakePrintDialog>(),
        std::make_unique<tikkro::printing::QtPrinterFactory>(printer));
    const long before = peakRssKiB();
    for (auto _ : state)
        command.run(nullptr, strip);
    state.counters["peak_rss_MiB"] = static_cast<double>(peakRssKiB()) / 1024;
    state.counters["peak_rss_growth_MiB"] = static_cast<double>(peakRssKiB() - before) / 1024;
    state.counters["pdf_KiB"] =
        static_cast<double>(QFileInfo(printer->outputFileName()).size()) / 1024;
}
BENCHMARK(printStripToPdf)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
