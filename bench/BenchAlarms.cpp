// SPDX-License-Identifier: GPL-3.0-or-later
// The alarm monitor's half-second tick: its cost when nothing is due, and a
// whole simulated day of ticks (172,800) in which each of the four slots
// rings once, with the time per tick and the memory the day leaves behind.
#include "core/alarms/AlarmMonitor.h"
#include "core/alarms/AlarmStore.h"
#include "core/settings/OleDate.h"
#include "core/settings/SettingsDatabase.h"
#include "fakes/FakeMessageService.h"
#include "fakes/FakeSoundService.h"
#include "fakes/FakeWallClock.h"
#include "fakes/ScratchDatabase.h"

#include <QCoreApplication>
#include <QFile>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

namespace {

using namespace tikkro;

constexpr int TicksPerDay = 2 * 86400;

long heapInUse()
{
    return static_cast<long>(mallinfo2().uordblks);
}

long residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

struct Monitor
{
    fakes::ScratchDatabase scratch;
    fakes::FakeMessageService messages;
    settings::SettingsDatabase database{scratch.path()};
    alarms::AlarmSlots slots;
    alarms::AlarmStore store{database, slots};
    fakes::FakeWallClock clock{QDateTime(QDate(2026, 12, 5), QTime(0, 0))};
    fakes::FakeSoundService sound;
    // The events window's text without the window.
    QString events;
    alarms::AlarmMonitor monitor{slots, store, clock};

    Monitor()
    {
        database.createIfMissing();
        QObject::connect(&monitor, &alarms::AlarmMonitor::fired,
                         [this](const alarms::AlarmMonitor::Firing& firing) {
                             sound.play(QStringLiteral("notify.wav"));
                             events += firing.name + u'\n' + firing.due + u'\n' + firing.effective +
                                       u'\n';
                         });
    }
};

void idleTick(benchmark::State& state)
{
    Monitor rig;
    rig.monitor.checkDue();
    const long heapBefore = heapInUse();
    for (auto _ : state) {
        rig.clock.advanceMs(500);
        benchmark::DoNotOptimize(rig.monitor.checkDue());
    }
    state.counters["heap_growth_B"] = static_cast<double>(heapInUse() - heapBefore);
    state.counters["time_per_tick"] =
        benchmark::Counter(static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(idleTick)->Unit(benchmark::kMicrosecond);

void simulatedDay(benchmark::State& state)
{
    Monitor rig;
    // The first day settles the allocator and the database driver; what the
    // days after it add is the growth.
    long rssAfterFirstDay = 0;
    long heapAfterFirstDay = 0;
    long rssGrowth = 0;
    long heapGrowth = 0;
    int days = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QDateTime midnight = rig.clock.now();
        const double start = settings::OleDate::fromDateTime(midnight);
        // Each slot rings once in the day, at a time between two ticks.
        rig.slots.alarms[0] = {QStringLiteral("Morning"), start + 7.25 / 24, true};
        rig.slots.timers[0] = {QStringLiteral("Tea"), start + 10.1 / 24, true};
        rig.slots.alarms[1] = {QStringLiteral("Lunch"), start + 12.5 / 24, true};
        rig.slots.timers[1] = {QStringLiteral("Parking"), start + 17.9 / 24, true};
        // The events window is closed each evening, as a user would.
        rig.events.clear();
        rig.sound.played.clear();
        state.ResumeTiming();

        for (int tick = 0; tick < TicksPerDay; ++tick) {
            benchmark::DoNotOptimize(rig.monitor.checkDue());
            rig.clock.advanceMs(500);
        }

        state.PauseTiming();
        if (rig.sound.played.size() != 4) {
            state.SkipWithError("not every slot rang");
        }
        if (++days == 1) {
            rssAfterFirstDay = residentKiB();
            heapAfterFirstDay = heapInUse();
        } else {
            rssGrowth = residentKiB() - rssAfterFirstDay;
            heapGrowth = heapInUse() - heapAfterFirstDay;
        }
        state.ResumeTiming();
    }
    state.counters["time_per_tick"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * TicksPerDay,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["rss_growth_after_day1_KiB"] = static_cast<double>(rssGrowth);
    state.counters["heap_growth_per_day_B"] =
        days > 1 ? static_cast<double>(heapGrowth) / (days - 1) : 0.0;
}
BENCHMARK(simulatedDay)->Unit(benchmark::kMillisecond)->Iterations(6);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
