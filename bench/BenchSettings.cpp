// SPDX-License-Identifier: GPL-3.0-or-later
// What the open-per-operation rule costs: the monitor stores a fired slot's
// flag from a timer tick, and start-up reads the window position and loads
// the alarms before the window is shown.
#include "core/alarms/AlarmStore.h"
#include "core/settings/OleDate.h"
#include "core/settings/SettingsDatabase.h"

#include "fakes/FakeAlarmMenu.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using tikkro::settings::SettingsDatabase;

struct Bench
{
    Bench() : database(SettingsDatabase::pathIn(dir.path())), store(database, slots)
    {
        database.createIfMissing();
        database.savePosition(1200.0, 270.0);
        for (const qint16 key : {0, 1, 100, 101}) {
            store.save(key);
        }
    }
    QTemporaryDir dir;
    SettingsDatabase database;
    tikkro::alarms::AlarmSlots slots;
    tikkro::alarms::AlarmStore store;
};

void BM_StoredPosition(benchmark::State& state)
{
    Bench bench;
    for (auto _ : state) {
        benchmark::DoNotOptimize(bench.database.storedPosition());
    }
}
BENCHMARK(BM_StoredPosition);

void BM_SavePosition(benchmark::State& state)
{
    Bench bench;
    for (auto _ : state) {
        bench.database.savePosition(1200.0, 270.0);
    }
}
BENCHMARK(BM_SavePosition);

void BM_LoadSlots(benchmark::State& state)
{
    Bench bench;
    tikkro::fakes::FakeAlarmMenu menu;
    for (auto _ : state) {
        bench.store.load(menu);
    }
}
BENCHMARK(BM_LoadSlots);

void BM_SaveArmedFlag(benchmark::State& state)
{
    Bench bench;
    for (auto _ : state) {
        bench.store.saveArmedFlag(101);
    }
}
BENCHMARK(BM_SaveArmedFlag);

void BM_OleDateRoundTrip(benchmark::State& state)
{
    const QDateTime now(QDate(2026, 12, 5), QTime(9, 57, 37, 123));
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            tikkro::settings::OleDate::toDateTime(tikkro::settings::OleDate::fromDateTime(now)));
    }
}
BENCHMARK(BM_OleDateRoundTrip);

} // namespace

int main(int argc, char** argv)
{
    const QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
