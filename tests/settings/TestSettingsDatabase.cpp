// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/DatabaseError.h"
#include "settings/SettingsDatabase.h"

#include "fakes/DatabaseLockHolder.h"
#include "fakes/FakeMessageService.h"
#include "fakes/ScratchDatabase.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <functional>
#include <optional>
#include <unistd.h>

using tikkro::fakes::DatabaseLockHolder;
using tikkro::fakes::FakeMessageService;
using tikkro::fakes::ScratchDatabase;
using tikkro::settings::DatabaseError;
using tikkro::settings::SettingsDatabase;
using namespace std::chrono_literals;

namespace {

const QString MeLeft = QStringLiteral("MeLeft");
const QString tUser = QStringLiteral("tUser");

QString failureOf(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const DatabaseError& error) {
        return error.description();
    }
    return QStringLiteral("(no error)");
}

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

    // An empty text stands for a refused name: names go into the text
    // unquoted, so only plain names get there.
    void queryText_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QString>("text");
        QTest::newRow("no condition") << "MeLeft"
                                      << "tUser"
                                      << ""
                                      << "SELECT MeLeft FROM tUser;";
        QTest::newRow("condition") << "MeLeft"
                                   << "tUser"
                                   << "MeTop > 0"
                                   << "SELECT MeLeft FROM tUser WHERE MeTop > 0;";
        QTest::newRow("statement") << "MeLeft"
                                   << "tUser; DROP TABLE tAlarm"
                                   << ""
                                   << "";
        QTest::newRow("quote") << "\"MeLeft\""
                               << "tUser"
                               << ""
                               << "";
        QTest::newRow("empty") << ""
                               << "tUser"
                               << ""
                               << "";
        QTest::newRow("leading digit") << "1MeLeft"
                                       << "tUser"
                                       << ""
                                       << "";
        QTest::newRow("not ASCII") << "MeLeft"
                                   << "tÜser"
                                   << ""
                                   << "";
    }
    void queryText()
    {
        QFETCH(QString, field);
        QFETCH(QString, table);
        QFETCH(QString, condition);
        QFETCH(QString, text);
        if (text.isEmpty()) {
            QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                     SettingsDatabase::queryText(field, table, condition));
        } else {
            QCOMPARE(SettingsDatabase::queryText(field, table, condition), text);
        }
    }

    void createsAMissingFileCompleteAndOnlyThen()
    {
        ScratchDatabase scratch;
        FakeMessageService messages;
        QCOMPARE(SettingsDatabase::pathIn(scratch.folder()), scratch.path());
        const SettingsDatabase database(scratch.path(), messages);
        database.createIfMissing();
        QCOMPARE(scratch.filesInFolder(), QStringList{"tikkro.mdb"});
        QCOMPARE(scratch.rows("SELECT type, name FROM sqlite_master ORDER BY name"),
                 (QList<QVariantList>{
                     {"index", "PrimaryKey"}, {"table", "tAlarm"}, {"table", "tUser"}}));
        QCOMPARE(scratch.rows("SELECT \"unique\" FROM pragma_index_list('tAlarm')"),
                 QList<QVariantList>{{1}});

        QVERIFY(scratch.writeBytes("not a database"));
        database.createIfMissing();
        QCOMPARE(scratch.bytes(), "not a database");

        const QString elsewhere = scratch.folder() + "/gone/tikkro.mdb";
        const QString failure =
            failureOf([&] { SettingsDatabase(elsewhere, messages).createIfMissing(); });
        QVERIFY2(failure.startsWith("Cannot create the database file " + elsewhere),
                 qPrintable(failure));
        QCOMPARE(scratch.filesInFolder(), QStringList{"tikkro.mdb"});
    }

    // The main window's close writes MeLeft and then MeTop, twice over.
    void userRecordIsAddedOnce()
    {
        Fixture f;
        const auto& [scratch, messages, database] = f;
        QVERIFY(database.DGetValue(MeLeft, tUser, {}).isNull());
        for (const float left : {1200.0F, 7365.5F}) {
            database.DSetValue(MeLeft, tUser, left, {});
            database.DSetValue(QStringLiteral("MeTop"), tUser, 270.0F, {});
        }
        QCOMPARE(scratch.rows("SELECT MeLeft, MeTop, typeof(MeLeft) FROM tUser"),
                 (QList<QVariantList>{{7365.5, 270.0, "real"}}));
        QCOMPARE(database.DGetValue(MeLeft, tUser, {}), QVariant(7365.5));
        QCOMPARE(messages.messages.size(), 0);
    }

    void touchesOnlyTheFirstRecord_data()
    {
        QTest::addColumn<QString>("records");
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QVariant>("read");
        QTest::addColumn<QList<QVariantList>>("afterWrite");
        QTest::newRow("no condition")
            << "(1, 2), (3, 4)"
            << "" << QVariant(1.0) << QList<QVariantList>{{9.0, 2.0}, {3.0, 4.0}};
        QTest::newRow("condition") << "(1, 2), (3, 4), (5, 6)"
                                   << "MeTop > 3" << QVariant(3.0)
                                   << QList<QVariantList>{{1.0, 2.0}, {9.0, 4.0}, {5.0, 6.0}};
        QTest::newRow("null reads as missing")
            << "(NULL, 5)"
            << "" << QVariant() << QList<QVariantList>{{9.0, 5.0}};
    }
    void touchesOnlyTheFirstRecord()
    {
        QFETCH(QString, records);
        QFETCH(QString, condition);
        QFETCH(QVariant, read);
        QFETCH(QList<QVariantList>, afterWrite);
        Fixture f;
        const auto& [scratch, messages, database] = f;
        QVERIFY(scratch.exec("INSERT INTO tUser (MeLeft, MeTop) VALUES " + records));

        QCOMPARE(database.DGetValue(MeLeft, tUser, condition), read);
        database.DSetValue(MeLeft, tUser, 9.0, condition);
        QCOMPARE(scratch.rows("SELECT MeLeft, MeTop FROM tUser ORDER BY rowid"), afterWrite);
    }

    // Only "tUser", spelt exactly so, gains a record when there is none.
    void recordNotFound_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("table");
        QTest::newRow("alarm table") << "aF"
                                     << "tAlarm";
        QTest::newRow("user table in other case") << "MeLeft"
                                                  << "tuser";
    }
    void recordNotFound()
    {
        QFETCH(QString, field);
        QFETCH(QString, table);
        Fixture f;
        const auto& [scratch, messages, database] = f;
        const QByteArray before = scratch.bytes();

        database.DSetValue(field, table, 1, {});

        QCOMPARE(messages.beeps, 1);
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(messages.messages[0].text, "Record not found!");
        QCOMPARE(messages.messages[0].title, "DSetValue");
        QCOMPARE(messages.messages[0].icon, FakeMessageService::Icon::Information);
        QCOMPARE(scratch.bytes(), before);
    }

    // Each fault gives a DatabaseError naming the file and the reason, and
    // leaves the rest of the file as it was.
    void faultsAreReportedAndLoseNothing_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing file") << "missing"
                                      << "the file does not exist";
        QTest::newRow("random bytes") << "corrupt"
                                      << "file is not a database";
        QTest::newRow("missing table") << "no tUser"
                                       << "no such table: tUser";
        QTest::newRow("missing field") << "no MeLeft"
                                       << "no such column: MeLeft";
        QTest::newRow("locked too long") << "locked"
                                         << "database is locked";
    }
    void faultsAreReportedAndLoseNothing()
    {
        QFETCH(QString, fault);
        QFETCH(QString, reason);
        ScratchDatabase scratch;
        if (fault == "corrupt") {
            QByteArray noise(8192, Qt::Uninitialized);
            QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(noise.data()),
                                          noise.size() / 4);
            QVERIFY(scratch.writeBytes(noise));
        } else if (fault != "missing") {
            QStringList statements{"CREATE TABLE tAlarm (aA INTEGER, an TEXT, aT REAL, aF INTEGER)",
                                   "INSERT INTO tAlarm VALUES (0, 'Wake', 45000.25, 1)"};
            if (fault != "no tUser") {
                statements << (fault == "no MeLeft"
                                   ? "CREATE TABLE tUser (MeTop REAL)"
                                   : "CREATE TABLE tUser (MeLeft REAL, MeTop REAL)")
                           << "INSERT INTO tUser (MeTop) VALUES (3)";
            }
            QVERIFY(scratch.exec(statements));
        }
        const QByteArray before = scratch.bytes();
        FakeMessageService messages;
        const SettingsDatabase database(scratch.path(), messages, 100ms);
        std::optional<DatabaseLockHolder> lock;
        if (fault == "locked") {
            QVERIFY(lock.emplace(scratch.path(), 60s).locked());
        }

        for (const auto& operation :
             {std::function<void()>([&] { database.DGetValue(MeLeft, tUser, {}); }),
              std::function<void()>([&] { database.DSetValue(MeLeft, tUser, 5.0, {}); })}) {
            const QString failure = failureOf(operation);
            QVERIFY2(failure.contains(scratch.path()) && failure.contains(reason),
                     qPrintable(failure));
        }
        lock.reset();
        QCOMPARE(scratch.bytes(), before);
        QCOMPARE(QFile::exists(scratch.path()), fault != "missing");
    }

    // Another running copy writing for a moment is waited for.
    void waitsForABriefLock()
    {
        Fixture f(10s);
        const auto& [scratch, messages, database] = f;
        {
            const DatabaseLockHolder lock(scratch.path(), 150ms);
            QVERIFY(lock.locked());
            database.DSetValue(MeLeft, tUser, 5.0, {});
        }
        QCOMPARE(database.DGetValue(MeLeft, tUser, {}), QVariant(5.0));
    }

    void readOnlyFileRefusesWritesOnly()
    {
        if (::geteuid() == 0) {
            QSKIP("file permissions do not bind the superuser");
        }
        Fixture f;
        const auto& [scratch, messages, database] = f;
        database.DSetValue(MeLeft, tUser, 5.0, {});
        QVERIFY(QFile::setPermissions(scratch.path(), QFile::ReadOwner));

        const QString failure = failureOf([&] { database.DSetValue(MeLeft, tUser, 9.0, {}); });
        QVERIFY2(failure.contains(scratch.path()) && failure.contains("readonly"),
                 qPrintable(failure));
        QCOMPARE(database.DGetValue(MeLeft, tUser, {}), QVariant(5.0));
    }
};

int runSettingsDatabaseTests(int argc, char** argv)
{
    TestSettingsDatabase test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestSettingsDatabase.moc"
