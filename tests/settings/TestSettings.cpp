// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/DatabaseError.h"
#include "core/settings/OleDate.h"
#include "core/settings/SettingsDatabase.h"
#include "core/settings/SettingsWriter.h"
#include "fakes/DatabaseLockHolder.h"
#include "fakes/ScratchDatabase.h"

#include "TestSupport.h"

#include <cmath>

using tikkro::fakes::DatabaseLockHolder;
using tikkro::fakes::failureOf;
using tikkro::settings::DatabaseError;
using tikkro::settings::OleDate;
using tikkro::settings::SettingsDatabase;
using tikkro::settings::SettingsWriter;
using State = SettingsWriter::State;
using namespace std::chrono_literals;

namespace {

// A fresh database file with empty tables, the operations on it, and a
// writer on it that tries every 20 ms for retryFor.
struct Fixture
{
    explicit Fixture(std::chrono::milliseconds busyTimeout = SettingsDatabase::DefaultBusyTimeout,
                     std::chrono::milliseconds retryFor = 5s)
        : database(scratch.path(), busyTimeout),
          writer(database, SettingsWriter::Timing{20ms, 20ms, retryFor})
    {
        database.createIfMissing();
    }

    static SettingsWriter::Work store(double left)
    {
        return [left](const SettingsDatabase& db) { db.savePosition(left, 0.0); };
    }
    QList<QVariantList> stored() const { return scratch.rows("SELECT MeLeft FROM tUser"); }

    tikkro::fakes::ScratchDatabase scratch;
    SettingsDatabase database;
    SettingsWriter writer;
    QSignalSpy reports{&writer, &SettingsWriter::failed};
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
        // Rounding up to the next midnight carries into the next day.
        QCOMPARE(OleDate::toDateTime(36525.0 + 0.99999999999), local(2000, 1, 1));
    }

    // Every operation lets go of its connection, even when it fails.
    void cleanup() { QCOMPARE(QSqlDatabase::connectionNames(), QStringList()); }

    // Each fault (the row's name) gives a DatabaseError naming the file and
    // the reason, and leaves the rest of the file as it was. A file the user
    // may only read still gives its values.
    void faultsAreReportedAndLoseNothing_data()
    {
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing file") << QStringLiteral("the file does not exist");
        QTest::newRow("random bytes") << QStringLiteral("file is not a database");
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
        } else if (fault == "random bytes") {
            QVERIFY(f.scratch.writeBytes(QByteArray(8192, 'Z')));
            f.database.createIfMissing(); // there, so not replaced
        } else if (fault == "read-only") {
            QVERIFY(QFile::setPermissions(f.scratch.path(), QFile::ReadOwner));
        }
        const QByteArray before = f.scratch.bytes();
        std::optional<DatabaseLockHolder> lock;
        if (fault == "locked too long") {
            QVERIFY(lock.emplace(f.scratch.path(), 10s).locked());
        }
        QStringList failures{failureOf([&] { f.database.savePosition(5.0, 5.0); }),
                             failureOf([&] { f.database.checkWritable(); })};
        if (fault == "read-only") {
            QCOMPARE(f.database.storedPosition().left, 3.0);
        } else {
            failures << failureOf([&] { f.database.storedPosition(); });
        }
        for (const QString& failure : failures) {
            QVERIFY2(failure.contains(f.scratch.path()) && failure.contains(reason),
                     qPrintable(failure));
            // Only a file another program holds is worth writing again later.
            QCOMPARE(failure.startsWith("(busy) "), fault == "locked too long");
        }
        lock.reset();
        QCOMPARE(f.scratch.bytes(), before);
        QCOMPARE(QFile::exists(f.scratch.path()), fault != "missing file");
    }

    // Held for longer than the writer tries, the writes that failed in a row
    // come in one box that names the file and the reason, and the writer
    // goes on working once the file is free. What shut-down gives up is
    // handed back, not reported.
    void eachFailureIsToldOnce()
    {
        Fixture f(SettingsDatabase::DefaultBusyTimeout, 100ms);
        std::optional<DatabaseLockHolder> lock;
        QVERIFY(lock.emplace(f.scratch.path(), 10s).locked());
        f.writer.write("Alarm 1 has rung.", Fixture::store(1));
        f.writer.write("Timer 2 is set.", Fixture::store(1));
        QTRY_COMPARE(f.reports.size(), 1);
        lock.reset();
        const QString report = f.reports.first().first().toString();
        QVERIFY2(report.startsWith("Alarm 1 has rung.\n") &&
                     report.contains(f.scratch.path() + ": database is locked") &&
                     report.contains("\nTimer 2 is set.\n"),
                 qPrintable(report));
        QCOMPARE(f.writer.writeAndWait("later", Fixture::store(3), 10s).state, State::Stored);
        QVERIFY(lock.emplace(f.scratch.path(), 10s).locked());
        f.writer.write("The window position could not be kept.", Fixture::store(2));
        const QStringList givenUp = f.writer.finish(50ms);
        QCOMPARE(givenUp.size(), 1);
        QVERIFY(givenUp.first().startsWith("The window position could not be kept."));
        lock.reset();
        QCoreApplication::processEvents();
        QCOMPARE(f.stored(), (QList<QVariantList>{{3.0}}));
        QCOMPARE(f.reports.size(), 1);
    }

    // A held file is tried again until the writer gives up; after that, the
    // next writes get one try each while it stays held, so that a long hold
    // costs one wait, not one per write.
    void oneTryPerWriteAfterGivingUp()
    {
        Fixture f(SettingsDatabase::DefaultBusyTimeout, 100ms);
        int tries = 0;
        const auto work = [&](const SettingsDatabase&) {
            ++tries;
            throw DatabaseError(QStringLiteral("database is locked"), true);
        };
        QCOMPARE(f.writer.writeAndWait("first", work, 10s).state, State::Failed);
        QVERIFY(tries > 1);
        for (const char* what : {"second", "third"}) {
            tries = 0;
            QCOMPARE(f.writer.writeAndWait(what, work, 10s).state, State::Failed);
            QCOMPARE(tries, 1);
        }
    }
};

TIKKRO_TEST(TestSettings)
#include "TestSettings.moc"
