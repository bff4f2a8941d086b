// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/DatabaseError.h"
#include "core/settings/OleDate.h"
#include "core/settings/SettingsDatabase.h"
#include "fakes/DatabaseLockHolder.h"
#include "fakes/ScratchDatabase.h"

#include "TestSupport.h"

#include <cmath>

using tikkro::fakes::DatabaseLockHolder;
using tikkro::fakes::failureOf;
using tikkro::settings::OleDate;
using tikkro::settings::SettingsDatabase;
using namespace std::chrono_literals;

namespace {

// A fresh database file with empty tables, and the operations on it.
struct Fixture
{
    explicit Fixture(std::chrono::milliseconds busyTimeout = SettingsDatabase::DefaultBusyTimeout)
        : database(scratch.path(), busyTimeout)
    {
        database.createIfMissing();
    }

    tikkro::fakes::ScratchDatabase scratch;
    SettingsDatabase database;
};

// Local time is Europe/Berlin (set for every test), so there are
// daylight-saving changes to cross.
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

class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void convertsBothWays_data()
    {
        addColumns<QDateTime, double>({"dateTime", "oleDate"});
        QTest::newRow("fraction counts forward before the epoch")
            << local(1899, 12, 29, 6) << -1.25;
        QTest::newRow("year 100") << local(100, 1, 1, 23, 59, 59, 999) << -657434.0 - LastMs;
        QTest::newRow("year 9999") << local(9999, 12, 31, 23, 59, 59, 999) << 2958465.0 + LastMs;
        // A wall-clock day: 06:00 is .25 on the 25-hour day summer time ends.
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

    void edgesOfTheCalendarAndTheClock()
    {
        // A skipped wall time stands for the end of the gap.
        QCOMPARE(OleDate::toDateTime(45382.0 + 2.5 / 24.0), local(2024, 3, 31, 3, 0));
        // Both passes of 02:30 in autumn are the same wall time; it stands
        // for the first unless the second is asked for.
        const double twice = 45592.0 + 2.5 / 24.0;
        for (const int utcHour : {0, 1}) {
            const QDateTime utc(QDate(2024, 10, 27), QTime(utcHour, 30), Qt::UTC);
            QVERIFY(sameInstant(OleDate::fromDateTime(utc), twice));
            QCOMPARE(OleDate::toInstant(twice, utcHour == 1), utc.toMSecsSinceEpoch());
        }
        QVERIFY(!OleDate::toDateTime(std::nan("")).isValid());
        QVERIFY(!OleDate::toDateTime(2958466.0).isValid());
        QVERIFY(std::isnan(OleDate::fromDateTime(local(99, 12, 31, 23))));
        // Rounding up to the next midnight carries into the next day.
        QCOMPARE(OleDate::toDateTime(36525.0 + 0.99999999999), local(2000, 1, 1));
        // Before the epoch the fraction counts forward too.
        QVERIFY(sameInstant(OleDate::addSeconds(-1.75, 21600.0), 0.0));
        QVERIFY(sameInstant(OleDate::addSeconds(0.25, -43200.0), -1.75));
    }

    // Every operation lets go of its connection, even when it fails.
    void cleanup() { QCOMPARE(QSqlDatabase::connectionNames(), QStringList()); }

    void createsTheFileOnlyWhenMissing()
    {
        Fixture f;
        // The file appears complete: nothing half-made is left beside it.
        QCOMPARE(QDir(QFileInfo(f.scratch.path()).path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"tikkro.mdb"});
        QVERIFY(f.scratch.writeBytes("not a database"));
        f.database.createIfMissing();
        QCOMPARE(f.scratch.bytes(), "not a database");
    }

    // The first save adds the one record, later ones edit it; with several
    // records only the first is read and written, and one whose left edge
    // holds no value reads as no position at all.
    void positionLivesInTheFirstRecord()
    {
        Fixture f;
        QVERIFY(!f.database.storedPosition().left);
        f.database.savePosition(7365.5, 270.0);
        f.database.savePosition(7365.5, 285.0);
        QCOMPARE(f.scratch.rows("SELECT MeLeft, MeTop, typeof(MeLeft) FROM tUser"),
                 (QList<QVariantList>{{7365.5, 285.0, "real"}}));
        QVERIFY(f.scratch.exec("DELETE FROM tUser"));
        QVERIFY(f.scratch.exec("INSERT INTO tUser (MeLeft, MeTop) VALUES (NULL, 2), (3, 4)"));
        QVERIFY(!f.database.storedPosition().left && !f.database.storedPosition().top);
        f.database.savePosition(9.0, 8.0);
        QCOMPARE(f.scratch.rows("SELECT MeLeft, MeTop FROM tUser ORDER BY rowid"),
                 (QList<QVariantList>{{9.0, 8.0}, {3.0, 4.0}}));
        QCOMPARE(f.database.storedPosition().top, 8.0);
    }

    // Each fault (the row's name) gives a DatabaseError naming the file and
    // the reason, and leaves the rest of the file as it was. A file the user
    // may only read still gives its values.
    void faultsAreReportedAndLoseNothing_data()
    {
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing file") << QStringLiteral("the file does not exist");
        QTest::newRow("random bytes") << QStringLiteral("file is not a database");
        QTest::newRow("missing table") << QStringLiteral("no such table: tUser");
        QTest::newRow("locked too long") << QStringLiteral("database is locked");
        QTest::newRow("read-only") << QStringLiteral("readonly");
    }
    void faultsAreReportedAndLoseNothing()
    {
        QFETCH(QString, reason);
        const QByteArray fault = QTest::currentDataTag();
        if (fault == "read-only" && ::geteuid() == 0) {
            QSKIP("file permissions do not bind the superuser");
        }
        Fixture f(100ms);
        QVERIFY(f.scratch.exec("INSERT INTO tUser (MeLeft, MeTop) VALUES (3, 4)"));
        if (fault == "missing file") {
            QVERIFY(QFile::remove(f.scratch.path()));
        } else if (fault == "missing table") {
            QVERIFY(f.scratch.exec("ALTER TABLE tUser RENAME TO tOther"));
        } else if (fault == "random bytes") {
            QVERIFY(f.scratch.writeBytes(QByteArray(8192, 'Z')));
        } else if (fault == "read-only") {
            QVERIFY(QFile::setPermissions(f.scratch.path(), QFile::ReadOwner));
        }
        const QByteArray before = f.scratch.bytes();
        std::optional<DatabaseLockHolder> lock;
        if (fault == "locked too long") {
            QVERIFY(lock.emplace(f.scratch.path(), 10s).locked());
        }
        QStringList failures{failureOf([&] { f.database.savePosition(5.0, 5.0); })};
        if (fault == "read-only") {
            QCOMPARE(f.database.storedPosition().left, 3.0);
        } else {
            failures << failureOf([&] { f.database.storedPosition(); });
        }
        for (const QString& failure : failures) {
            QVERIFY2(failure.contains(f.scratch.path()) && failure.contains(reason),
                     qPrintable(failure));
        }
        lock.reset();
        QCOMPARE(f.scratch.bytes(), before);
        QCOMPARE(QFile::exists(f.scratch.path()), fault != "missing file");
    }

    // Another running copy writing for a moment is waited for.
    void waitsForABriefLock()
    {
        Fixture f(10s);
        {
            const DatabaseLockHolder lock(f.scratch.path(), 150ms);
            QVERIFY(lock.locked());
            f.database.savePosition(5.0, 5.0);
        }
        QCOMPARE(f.database.storedPosition().left, 5.0);
    }
};

TIKKRO_TEST(TestSettings)
#include "TestSettings.moc"
