// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/OleDate.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <limits>

using tikkro::settings::OleDate;

namespace {

QDateTime local(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms));
}

// Close enough to the same millisecond for any date the program handles.
bool sameInstant(double a, double b)
{
    return std::fabs(a - b) < 1e-9 * std::max(1.0, std::fabs(a));
}

} // namespace

class TestOleDate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void convertsBothWays_data()
    {
        QTest::addColumn<QDateTime>("dateTime");
        QTest::addColumn<double>("oleDate");

        QTest::newRow("epoch") << local(1899, 12, 30) << 0.0;
        QTest::newRow("epoch noon") << local(1899, 12, 30, 12) << 0.5;
        QTest::newRow("midnight 2000") << local(2000, 1, 1) << 36526.0;
        QTest::newRow("last ms of 1999")
            << local(1999, 12, 31, 23, 59, 59, 999) << 36525.0 + 86399999.0 / 86400000.0;
        QTest::newRow("day before epoch") << local(1899, 12, 29) << -1.0;
        QTest::newRow("fraction counts forward before epoch") << local(1899, 12, 29, 6) << -1.25;
        QTest::newRow("evening before epoch") << local(1899, 12, 29, 18) << -1.75;
        QTest::newRow("1800 noon") << local(1800, 1, 1, 12) << -36522.5;
        QTest::newRow("year 100") << local(100, 1, 1) << -657434.0;
        QTest::newRow("year 100 late")
            << local(100, 1, 1, 23, 59, 59, 999) << -657434.0 - 86399999.0 / 86400000.0;
        QTest::newRow("year 9999 last ms")
            << local(9999, 12, 31, 23, 59, 59, 999) << OleDate::LastDay + 86399999.0 / 86400000.0;
        // Wall-clock days: 06:00 is .25 on the day summer time starts or ends.
        QTest::newRow("summer time starts") << local(2024, 3, 31, 6) << 45382.25;
        QTest::newRow("summer time ends") << local(2024, 10, 27, 6) << 45592.25;
        QTest::newRow("milliseconds") << local(2026, 12, 5, 9, 57, 37, 123)
                                      << 46361.0 + (9 * 3600 + 57 * 60 + 37.123) / 86400.0;
    }
    void convertsBothWays()
    {
        QFETCH(QDateTime, dateTime);
        QFETCH(double, oleDate);
        const double computed = OleDate::fromDateTime(dateTime);
        QVERIFY2(sameInstant(computed, oleDate), qPrintable(QString::number(computed, 'g', 17)));
        QCOMPARE(OleDate::toDateTime(oleDate), dateTime);
    }

    // Any millisecond of the years 100 to 9999 survives the trip.
    void roundTripsEveryEra()
    {
        QRandomGenerator random(20261205);
        const qint64 first = QDate(100, 1, 1).toJulianDay();
        const qint64 last = QDate(9999, 12, 31).toJulianDay();
        for (int i = 0; i < 20000; ++i) {
            const QDate date = QDate::fromJulianDay(random.bounded(first, last + 1));
            const QTime time = QTime::fromMSecsSinceStartOfDay(random.bounded(86'400'000));
            const QDateTime dateTime(date, time);
            if (dateTime.time() != time) {
                continue; // a wall time that a daylight-saving change skips
            }
            const QDateTime back = OleDate::toDateTime(OleDate::fromDateTime(dateTime));
            QVERIFY2(back == dateTime, qPrintable(dateTime.toString(Qt::ISODateWithMs) +
                                                  QStringLiteral(" came back as ") +
                                                  back.toString(Qt::ISODateWithMs)));
        }
    }

    void daylightSavingChanges()
    {
        // Summer time starts: the night is an hour short, the day still one.
        QCOMPARE(OleDate::fromDateTime(local(2024, 4, 1)) -
                     OleDate::fromDateTime(local(2024, 3, 31)),
                 1.0);
        // A skipped wall time comes out after the gap.
        const QDateTime skipped = OleDate::toDateTime(45382.0 + 2.5 / 24.0);
        QVERIFY(skipped.isValid());
        QCOMPARE(skipped.time(), QTime(3, 30));
        // Both 02:30 of the night summer time ends are the same wall time.
        const QDateTime firstPass(QDate(2024, 10, 27), QTime(0, 30), Qt::UTC);
        const QDateTime secondPass(QDate(2024, 10, 27), QTime(1, 30), Qt::UTC);
        QVERIFY(sameInstant(OleDate::fromDateTime(firstPass), 45592.0 + 2.5 / 24.0));
        QVERIFY(sameInstant(OleDate::fromDateTime(secondPass), 45592.0 + 2.5 / 24.0));
    }

    void otherTimeSpecsAreTakenToLocalTime()
    {
        const QDateTime utc(QDate(2024, 1, 15), QTime(11, 0), Qt::UTC);
        QVERIFY(
            sameInstant(OleDate::fromDateTime(utc), OleDate::fromDateTime(local(2024, 1, 15, 12))));
    }

    void roundsToTheMillisecond_data()
    {
        QTest::addColumn<double>("oleDate");
        QTest::addColumn<QDateTime>("expected");

        const double halfMs = 0.5 / 86400000.0;
        QTest::newRow("just under half a ms") << 0.5 + 0.9 * halfMs << local(1899, 12, 30, 12);
        QTest::newRow("just over half a ms")
            << 0.5 + 1.1 * halfMs << local(1899, 12, 30, 12, 0, 0, 1);
        QTest::newRow("carries to the next midnight")
            << 36525.0 + (1.0 - 0.2 * halfMs) << local(2000, 1, 1);
        QTest::newRow("carries across the epoch")
            << -1.0 - (1.0 - 0.2 * halfMs) << local(1899, 12, 30);
    }
    void roundsToTheMillisecond()
    {
        QFETCH(double, oleDate);
        QFETCH(QDateTime, expected);
        QCOMPARE(OleDate::toDateTime(oleDate), expected);
    }

    void refusesWhatIsNoDate()
    {
        const double inf = std::numeric_limits<double>::infinity();
        for (const double bad :
             {std::nan(""), inf, -inf, OleDate::FirstDay - 1.0, OleDate::LastDay + 1.0, 1e300}) {
            QVERIFY2(!OleDate::toDateTime(bad).isValid(), qPrintable(QString::number(bad)));
        }
        QVERIFY(std::isnan(OleDate::fromDateTime(QDateTime())));
        QVERIFY(std::isnan(OleDate::fromDateTime(local(99, 12, 31, 23))));
        QVERIFY(std::isnan(OleDate::fromDateTime(local(10000, 1, 1))));
    }

    void addsWallClockSeconds_data()
    {
        QTest::addColumn<double>("oleDate");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<double>("expected");

        QTest::newRow("an hour") << 45000.5 << 3600.0 << 45000.5 + 1.0 / 24.0;
        QTest::newRow("back a day") << 45000.5 << -86400.0 << 44999.5;
        QTest::newRow("before the epoch") << -1.25 << 43200.0 << -1.75;
        QTest::newRow("up to the epoch") << -1.75 << 21600.0 << 0.0;
        QTest::newRow("back across the epoch") << 0.25 << -43200.0 << -1.75;
        QTest::newRow("a day before the epoch") << -2.5 << 86400.0 << -1.5;
        QTest::newRow("a countdown of 99 hours") << 46361.25 << 99.0 * 3600 << 46361.25 + 99.0 / 24;
    }
    void addsWallClockSeconds()
    {
        QFETCH(double, oleDate);
        QFETCH(double, seconds);
        QFETCH(double, expected);
        const double sum = OleDate::addSeconds(oleDate, seconds);
        QVERIFY2(sameInstant(sum, expected), qPrintable(QString::number(sum, 'g', 17)));
    }
};

int runOleDateTests(int argc, char** argv)
{
    TestOleDate test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestOleDate.moc"
