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

// Within half a millisecond, the program's resolution.
bool sameInstant(double a, double b)
{
    return std::fabs(a - b) < 0.5 / 86'400'000.0;
}

const double LastMs = 86399999.0 / 86400000.0;

} // namespace

// Local time is Europe/Berlin (set for every test), so there are
// daylight-saving changes to cross.
class TestOleDate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void convertsBothWays_data()
    {
        QTest::addColumn<QDateTime>("dateTime");
        QTest::addColumn<double>("oleDate");
        QTest::newRow("midnight") << local(2000, 1, 1) << 36526.0;
        QTest::newRow("fraction counts forward before the epoch")
            << local(1899, 12, 29, 6) << -1.25;
        QTest::newRow("year 100") << local(100, 1, 1, 23, 59, 59, 999) << -657434.0 - LastMs;
        QTest::newRow("year 9999") << local(9999, 12, 31, 23, 59, 59, 999) << 2958465.0 + LastMs;
        // Wall-clock days: 06:00 is .25 on the days summer time starts and ends.
        QTest::newRow("summer time starts") << local(2024, 3, 31, 6) << 45382.25;
        QTest::newRow("summer time ends") << local(2024, 10, 27, 6) << 45592.25;
    }
    void convertsBothWays()
    {
        QFETCH(QDateTime, dateTime);
        QFETCH(double, oleDate);
        const double computed = OleDate::fromDateTime(dateTime);
        QVERIFY2(sameInstant(computed, oleDate), qPrintable(QString::number(computed, 'g', 17)));
        QCOMPARE(OleDate::toDateTime(oleDate), dateTime);
    }

    void roundTripsEveryMillisecondOfEveryEra()
    {
        QRandomGenerator random(20261205);
        const qint64 first = QDate(100, 1, 1).toJulianDay();
        const qint64 last = QDate(9999, 12, 31).toJulianDay();
        for (int i = 0; i < 20000; ++i) {
            const QDateTime dateTime(QDate::fromJulianDay(random.bounded(first, last + 1)),
                                     QTime::fromMSecsSinceStartOfDay(random.bounded(86'400'000)));
            const QDateTime back = OleDate::toDateTime(OleDate::fromDateTime(dateTime));
            QVERIFY2(back == dateTime, qPrintable(dateTime.toString(Qt::ISODateWithMs)));
        }
        // Rounding up to the next midnight carries into the next day.
        QCOMPARE(OleDate::toDateTime(36525.0 + 0.99999999999), local(2000, 1, 1));
    }

    void daylightSavingGapsAndOverlaps()
    {
        QCOMPARE(OleDate::toDateTime(45382.0 + 2.5 / 24.0), local(2024, 3, 31, 3, 30));
        // Both passes of 02:30 in autumn are the same wall time.
        for (const int utcHour : {0, 1}) {
            const QDateTime utc(QDate(2024, 10, 27), QTime(utcHour, 30), Qt::UTC);
            QVERIFY(sameInstant(OleDate::fromDateTime(utc), 45592.0 + 2.5 / 24.0));
        }
    }

    void refusesWhatIsNoDate()
    {
        for (const double bad :
             {std::nan(""), std::numeric_limits<double>::infinity(), -657435.0, 2958466.0}) {
            QVERIFY2(!OleDate::toDateTime(bad).isValid(), qPrintable(QString::number(bad)));
        }
        QVERIFY(std::isnan(OleDate::fromDateTime(local(99, 12, 31, 23))));
    }

    void addsWallClockSecondsAcrossTheEpoch()
    {
        struct Case
        {
            double from, seconds, to;
        };
        for (const auto& [from, seconds, to] :
             {Case{-1.25, 43200.0, -1.75}, Case{-1.75, 21600.0, 0.0},
              Case{0.25, -43200.0, -1.75}}) {
            const double sum = OleDate::addSeconds(from, seconds);
            QVERIFY2(sameInstant(sum, to), qPrintable(QString::number(sum, 'g', 17)));
        }
    }
};

int runOleDateTests(int argc, char** argv)
{
    TestOleDate test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestOleDate.moc"
