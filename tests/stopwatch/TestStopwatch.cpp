// SPDX-License-Identifier: GPL-3.0-or-later
#include "StopwatchRig.h"
#include "core/stopwatch/ElapsedFormat.h"
#include "core/stopwatch/InputClock.h"

using tikkro::fakes::FakeCounter;
using tikkro::stopwatch::ElapsedFormat;
using Rig = tikkro::testing::StopwatchRig;

class TestStopwatch : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void elapsedText_data()
    {
        addColumns<qint64, qint64, QString>({"ticks", "frequency", "text"});
        QTest::newRow("tie rounds down to even") << 10'005'000LL << 10'000'000LL << "00:00:01.000";
        QTest::newRow("tie rounds up to even") << 10'015'000LL << 10'000'000LL << "00:00:01.002";
        QTest::newRow("tie at one minute") << 599'999'995LL << 10'000'000LL << "00:01:00.000";
        QTest::newRow("noise below a tie still ties")
            << 1'001'499'999LL << 1'000'000'000LL << "00:00:01.002";
        QTest::newRow("past the 32-bit millisecond limit")
            << 597LL * 3600 * 1'000'000'000 + 1'234'000'000 << 1'000'000'000LL << "597:00:01.234";
        QTest::newRow("no counter frequency") << 12'345LL << 0LL << "00:00:00.000";
    }
    void elapsedText()
    {
        QFETCH(qint64, ticks);
        QFETCH(qint64, frequency);
        QTEST(ElapsedFormat::text(ElapsedFormat::wholeMilliseconds(ticks, frequency)), "text");
    }

    // The display coarsens at one and at five minutes, cut rather than
    // rounded, and the refresh interval follows while the watch runs.
    void displayLevels_data()
    {
        addColumns<qint64, QString, int>({"ms", "display", "interval"});
        QTest::newRow("first refresh") << 20LL << "00:00:00.02" << 15;
        QTest::newRow("just before a minute") << 59'999LL << "00:00:59.99" << 15;
        QTest::newRow("one minute") << 60'000LL << "00:01:00.0" << 100;
        QTest::newRow("five minutes") << 300'000LL << "00:05:00" << 500;
        QTest::newRow("straight past five minutes") << 400'000LL << "00:06:40" << 500;
        QTest::newRow("three-digit hours") << 360'000'999LL << "100:00:00" << 500;
    }
    void displayLevels()
    {
        QFETCH(qint64, ms);
        Rig rig;
        rig.watch.start();
        rig.tickAfterMs(ms);
        QTEST(rig.display, "display");
        QTEST(rig.timer.interval(), "interval");
    }

    // Paused time is left out; a resumed watch keeps the level it reached,
    // which only Reset makes fine again; a lap logs milliseconds whatever
    // the display shows.
    void pauseResumeAndLap()
    {
        Rig rig;
        rig.watch.start();
        rig.counter.advanceMs(180'000);
        rig.watch.pause();
        QCOMPARE(rig.timer.interval(), 0);
        rig.counter.advanceMs(100'000);
        rig.watch.resume();
        QCOMPARE(rig.timer.interval(), 100);
        rig.counter.advanceMs(5'000);
        rig.watch.lap();
        rig.tickAfterMs(4'250);
        QCOMPARE(rig.display, QStringLiteral("00:03:09.2"));
        rig.counter.advanceMs(1'234);
        rig.watch.lap();
        QVERIFY(rig.log.endsWith(QStringLiteral("00:03:05.000   Lap\n00:03:10.484   Lap\n")));
        rig.watch.pause();
        rig.watch.reset();
        rig.watch.start();
        QCOMPARE(rig.timer.interval(), 15);
    }

    // A command given a reading logs that moment, the wall-clock time of the
    // header with it; a reading before the last command's counts as that.
    void commandsLogTheMomentOfTheirInput()
    {
        Rig rig;
        rig.counter.advanceMs(2'000);
        rig.watch.start(rig.counter.ticks() - 20'000'000);
        QVERIFY(rig.log.startsWith(QStringLiteral("05.12.2026  09:57:35  Date/Time started")));
        rig.counter.advanceMs(10'000);
        const qint64 lapMoment = rig.counter.ticks() - 31'000'000;
        rig.watch.lap(lapMoment);
        rig.watch.pause(lapMoment - 1);
        QVERIFY(rig.log.endsWith(QStringLiteral("00:00:08.900   Lap\n"
                                                "00:00:08.900   Pause\n")));
    }

    // The moment of an input event on the counter: its stamp on the
    // platform's clock (now at 0.6 ms into millisecond nowMs), how long ago
    // that was, and the counter that much earlier. -1: no moment.
    void inputClockPlacesEvents_data()
    {
        addColumns<qint64, quint64, qint64>({"nowMs", "stamp", "waitedUs"});
        QTest::newRow("waited behind a stall") << 5'000'000LL << 4'996'900ULL << 3'100'100LL;
        QTest::newRow("no stamp") << 5'000'000LL << 0ULL << -1LL;
        QTest::newRow("later than now") << 5'000'000LL << 5'000'005ULL << -1LL;
        QTest::newRow("over a minute ago") << 5'000'000LL << 4'939'999ULL << -1LL;
        QTest::newRow("32-bit stamp after 49.7 days") << 4'294'968'296LL << 750ULL << 250'100LL;
    }
    void inputClockPlacesEvents()
    {
        QFETCH(qint64, nowMs);
        QFETCH(quint64, stamp);
        QFETCH(qint64, waitedUs);
        FakeCounter counter(1'000'000'000);
        FakeCounter eventClock(1'000'000'000);
        eventClock.set(nowMs * 1'000'000 + 600'000);
        const std::optional<qint64> moment =
            tikkro::stopwatch::InputClock(counter, eventClock).counterAt(stamp);
        QCOMPARE(moment.has_value(), waitedUs >= 0);
        if (moment) {
            QCOMPARE(counter.ticks() - *moment, waitedUs * 1000);
        }
    }
};

TIKKRO_TEST(TestStopwatch)
#include "TestStopwatch.moc"
