// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/DatabaseError.h"
#include "settings/SettingsDatabase.h"

#include "fakes/DatabaseLockHolder.h"
#include "fakes/FakeMessageService.h"
#include "fakes/ScratchDatabase.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTest>

#include <optional>
#include <unistd.h>

using tikkro::fakes::DatabaseLockHolder;
using tikkro::fakes::failureOf;
using tikkro::fakes::FakeMessageService;
using tikkro::fakes::ScratchDatabase;
using tikkro::settings::DatabaseError;
using tikkro::settings::SettingsDatabase;
using namespace std::chrono_literals;

namespace {

const QString MeLeft = QStringLiteral("MeLeft");
const QString tUser = QStringLiteral("tUser");

// A fresh database file with empty tables, and the operations on it.
struct Fixture
{
    explicit Fixture(std::chrono::milliseconds busyTimeout = SettingsDatabase::DefaultBusyTimeout)
        : database(scratch.path(), messages, busyTimeout)
    {
        database.createIfMissing();
    }

    ScratchDatabase scratch;
    FakeMessageService messages;
    SettingsDatabase database;
};

} // namespace

class TestSettingsDatabase : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every operation lets go of its connection, even when it fails.
    void cleanup() { QCOMPARE(QSqlDatabase::connectionNames(), QStringList()); }

    // Names go into the text unquoted, so only plain names may get there.
    void queryText()
    {
        QCOMPARE(SettingsDatabase::queryText(MeLeft, tUser, {}), "SELECT MeLeft FROM tUser;");
        QCOMPARE(SettingsDatabase::queryText(MeLeft, tUser, "MeTop > 0"),
                 "SELECT MeLeft FROM tUser WHERE MeTop > 0;");
        for (const auto& [field, table] :
             QList<std::pair<QString, QString>>{{MeLeft, "tUser; DROP TABLE tAlarm"},
                                                {"\"MeLeft\"", tUser},
                                                {"", tUser},
                                                {MeLeft, "tÜser"}}) {
            QVERIFY_THROWS_EXCEPTION(DatabaseError, SettingsDatabase::queryText(field, table, {}));
        }
    }

    void createsTheFileOnlyWhenMissing()
    {
        Fixture f;
        QCOMPARE(f.scratch.rows("SELECT type, name FROM sqlite_master ORDER BY name"),
                 (QList<QVariantList>{
                     {"index", "PrimaryKey"}, {"table", "tAlarm"}, {"table", "tUser"}}));
        // The file appears complete: nothing half-made is left beside it.
        QCOMPARE(QDir(QFileInfo(f.scratch.path()).path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"tikkro.mdb"});
        QVERIFY(f.scratch.writeBytes("not a database"));
        f.database.createIfMissing();
        QCOMPARE(f.scratch.bytes(), "not a database");
    }

    // Only "tUser", spelt exactly so, gains a record when there is none: the
    // main window's close writes MeLeft and then MeTop into one record.
    void onlyTUserGainsARecord()
    {
        Fixture f;
        QVERIFY(f.database.DGetValue(MeLeft, tUser, {}).isNull());
        const QByteArray before = f.scratch.bytes();
        f.database.DSetValue(MeLeft, QStringLiteral("tuser"), 1, {});
        f.database.DSetValue(QStringLiteral("aF"), QStringLiteral("tAlarm"), 1, {});
        QCOMPARE(f.scratch.bytes(), before);
        QCOMPARE(f.messages.beeps, 2);
        QCOMPARE(f.messages.messages.size(), 2);
        for (const FakeMessageService::Message& message : f.messages.messages) {
            QCOMPARE(message.text, "Record not found!");
            QCOMPARE(message.title, "DSetValue");
        }
        f.database.DSetValue(MeLeft, tUser, 7365.5F, {});
        f.database.DSetValue(QStringLiteral("MeTop"), tUser, 270.0F, {});
        QCOMPARE(f.scratch.rows("SELECT MeLeft, MeTop, typeof(MeLeft) FROM tUser"),
                 (QList<QVariantList>{{7365.5, 270.0, "real"}}));
        QCOMPARE(f.messages.messages.size(), 2);
    }

    // A null field reads as missing rather than passing on to the next record.
    void touchesOnlyTheFirstRecord()
    {
        Fixture f;
        QVERIFY(
            f.scratch.exec("INSERT INTO tUser (MeLeft, MeTop) VALUES (NULL, 2), (3, 4), (5, 6)"));
        QVERIFY(f.database.DGetValue(MeLeft, tUser, {}).isNull());
        QCOMPARE(f.database.DGetValue(MeLeft, tUser, "MeTop > 3"), QVariant(3.0));
        f.database.DSetValue(MeLeft, tUser, 9.0, {});
        f.database.DSetValue(MeLeft, tUser, 8.0, "MeTop > 3");
        QCOMPARE(f.scratch.rows("SELECT MeLeft, MeTop FROM tUser ORDER BY rowid"),
                 (QList<QVariantList>{{9.0, 2.0}, {8.0, 4.0}, {5.0, 6.0}}));
    }

    // Each fault (the row's name) gives a DatabaseError naming the file and
    // the reason, and leaves the rest of the file as it was.
    void faultsAreReportedAndLoseNothing_data()
    {
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing file") << QStringLiteral("the file does not exist");
        QTest::newRow("random bytes") << QStringLiteral("file is not a database");
        QTest::newRow("missing table") << QStringLiteral("no such table: tUser");
        QTest::newRow("locked too long") << QStringLiteral("database is locked");
    }
    void faultsAreReportedAndLoseNothing()
    {
        QFETCH(QString, reason);
        const QByteArray fault = QTest::currentDataTag();
        Fixture f(100ms);
        QVERIFY(f.scratch.exec("INSERT INTO tUser (MeLeft, MeTop) VALUES (3, 4)"));
        if (fault == "missing file") {
            QVERIFY(QFile::remove(f.scratch.path()));
        } else if (fault == "missing table") {
            QVERIFY(f.scratch.exec("ALTER TABLE tUser RENAME TO tOther"));
        } else if (fault == "random bytes") {
            QByteArray noise(8192, Qt::Uninitialized);
            QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(noise.data()),
                                          noise.size() / 4);
            QVERIFY(f.scratch.writeBytes(noise));
        }
        const QByteArray before = f.scratch.bytes();
        std::optional<DatabaseLockHolder> lock;
        if (fault == "locked too long") {
            QVERIFY(lock.emplace(f.scratch.path(), 60s).locked());
        }
        for (const QString& failure :
             {failureOf([&] { f.database.DGetValue(MeLeft, tUser, {}); }),
              failureOf([&] { f.database.DSetValue(MeLeft, tUser, 5.0, {}); })}) {
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
            f.database.DSetValue(MeLeft, tUser, 5.0, {});
        }
        QCOMPARE(f.database.DGetValue(MeLeft, tUser, {}), QVariant(5.0));
    }

    void readOnlyFileRefusesWritesOnly()
    {
        if (::geteuid() == 0) {
            QSKIP("file permissions do not bind the superuser");
        }
        Fixture f;
        f.database.DSetValue(MeLeft, tUser, 5.0, {});
        QVERIFY(QFile::setPermissions(f.scratch.path(), QFile::ReadOwner));
        const QString failure = failureOf([&] { f.database.DSetValue(MeLeft, tUser, 9.0, {}); });
        QVERIFY2(failure.contains(f.scratch.path()) && failure.contains("readonly"),
                 qPrintable(failure));
        QCOMPARE(f.database.DGetValue(MeLeft, tUser, {}), QVariant(5.0));
    }
};

int runSettingsDatabaseTests(int argc, char** argv)
{
    TestSettingsDatabase test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestSettingsDatabase.moc"
