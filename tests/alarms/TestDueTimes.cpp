// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlarmRig.h"

using namespace tikkro;
using alarms::TimerDialog;
using namespace tikkro::testing;
using Rig = testing::AlarmRig;

namespace {

QDateTime utc(int year, int month, int day, int hour, int minute)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC);
}

// The fields, hours first, after the dialog's next refresh.
QStringList shown(const TimerDialog* dialog)
{
    tick(dialog->countdownTimer());
    return fields(dialog);
}

QStringList hms(qint64 seconds)
{
    const auto two = [](qint64 n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    return {two(seconds / 3600), two(seconds / 60 % 60), two(seconds % 60)};
}

} // namespace

class TestDueTimes : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Whatever fraction of a second Set is pressed at, the countdown rings
    // at the first monitor tick at or after its end and is not marked late,
    // and the dialog counts the seconds down in step with the clock field.
    void countdownOnTimeIsNeverLate_data()
    {
        // setPhase: ms into the second Set is pressed in
        // tickPhase: ms into the second of the monitor's ticks
        // length: seconds
        addColumns<int, int, int>({"setPhase", "tickPhase", "length"});
        for (const int phase : {0, 250, 500, 750, 999}) {
            QTest::addRow("4 s set at %d ms", phase) << phase << 0 << 4;
        }
        QTest::newRow("ticks drifted late") << 750 << 490 << 4;
        QTest::newRow("no time, set early in a second") << 250 << 0 << 0;
        QTest::newRow("no time, set on the last ms") << 999 << 0 << 0;
    }
    void countdownOnTimeIsNeverLate()
    {
        QFETCH(int, setPhase);
        QFETCH(int, tickPhase);
        QFETCH(int, length);
        Rig rig;
        const QDateTime second = at(5, 9, 57, 37);
        rig.clock.set(second.addMSecs(setPhase));
        TimerDialog* dialog =
            set(timerDialog(rig, 0), "Timer 1", {"0", "0", QString::number(length)});
        QCOMPARE(shown(dialog), hms(length));

        const QDateTime end = std::max(second.addSecs(length), rig.clock.now());
        QDateTime tick = second.addMSecs(tickPhase);
        while (tick <= rig.clock.now()) {
            tick = tick.addMSecs(500);
        }
        for (; rig.slots.timers[0].active; tick = tick.addMSecs(500)) {
            QVERIFY(tick < end.addMSecs(500));
            rig.clock.set(tick);
            QCOMPARE(shown(dialog), hms(std::max<qint64>(0, length - second.secsTo(tick))));
            rig.windows.checkDue();
        }
        QVERIFY(tick.addMSecs(-500) >= end);
        QVERIFY2(!rig.log().contains(QStringLiteral("!!!")), qPrintable(rig.log()));
        QCOMPARE(shown(dialog), hms(0));
    }

    // Across the spring and autumn changes of the clocks in Berlin, the zone
    // of the tests, a countdown lasts its length in real time. An alarm for
    // a wall time the spring change skips rings at the end of the gap; one
    // for a wall time the autumn change repeats rings at its first pass.
    // Either way it rings on time, and says so.
    void changesOfTheClocks_data()
    {
        // fields: hours, minutes, seconds; or day, month, year, hour, minute,
        // second
        addColumns<QDateTime, QString, QDateTime>({"setAt", "fields", "ringsAt"});
        // 02:00 becomes 03:00 at 01:00 UTC on 28 March 2027; 03:00 becomes
        // 02:00 at 01:00 UTC on 31 October 2027.
        QTest::newRow("countdown, spring")
            << utc(2027, 3, 28, 0, 30) << "01 00 00" << utc(2027, 3, 28, 1, 30);
        QTest::newRow("countdown, first 02:30")
            << utc(2027, 10, 30, 23, 30) << "01 00 00" << utc(2027, 10, 31, 0, 30);
        QTest::newRow("countdown, second 02:30")
            << utc(2027, 10, 30, 23, 30) << "02 00 00" << utc(2027, 10, 31, 1, 30);
        QTest::newRow("alarm, skipped")
            << utc(2027, 3, 27, 1, 0) << "28 03 2027 02 30 00" << utc(2027, 3, 28, 1, 0);
        QTest::newRow("alarm, twice")
            << utc(2027, 10, 30, 0, 30) << "31 10 2027 02 30 00" << utc(2027, 10, 31, 0, 30);
    }
    void changesOfTheClocks()
    {
        QFETCH(QDateTime, setAt);
        QFETCH(QString, fields);
        QFETCH(QDateTime, ringsAt);
        const QStringList typed = fields.split(u' ');
        Rig rig;
        rig.clock.set(setAt.toLocalTime());
        const bool alarm = typed.size() > 3;
        if (alarm) {
            set(alarmDialog(rig, 0), "Alarm 1", typed);
        } else {
            QCOMPARE(shown(set(timerDialog(rig, 0), "Timer 1", typed)), typed);
        }
        rig.clock.set(ringsAt.addMSecs(-500).toLocalTime());
        rig.windows.checkDue();
        QVERIFY(rig.slots.alarms[0].active || rig.slots.timers[0].active);
        if (!alarm) {
            QCOMPARE(shown(rig.windows.timerDialog()), hms(1));
        }
        rig.clock.set(ringsAt.toLocalTime());
        rig.windows.checkDue();
        QVERIFY(!rig.slots.alarms[0].active && !rig.slots.timers[0].active);
        // Due and effective read the same, with no late mark.
        const QStringList lines = rig.log().split(u'\n');
        QCOMPARE(lines.value(1).section(QStringLiteral(": "), 1),
                 lines.value(2).section(QStringLiteral(": "), 1));
    }
};

TIKKRO_TEST(TestDueTimes)
#include "TestDueTimes.moc"
