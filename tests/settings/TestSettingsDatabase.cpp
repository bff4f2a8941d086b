// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/DatabaseError.h"
#include "settings/SettingsDatabase.h"

#include "fakes/DatabaseLockHolder.h"
#include "fakes/FakeMessageService.h"
#include "fakes/ScratchDatabase.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QTest>

#include <functional>
#include <unistd.h>

using tikkro::fakes::DatabaseLockHolder;
using tikkro::fakes::FakeMessageService;
using tikkro::fakes::ScratchDatabase;
using tikkro::settings::DatabaseError;
using tikkro::settings::SettingsDatabase;
using namespace std::chrono_literals;

namespace {

using Operation = std::function<void(const SettingsDatabase&)>;

// The description of the DatabaseError that operation throws, or a note that
// it threw none.
QString failureOf(const SettingsDatabase& database, const Operation& operation)
{
    try {
        operation(database);
    } catch (const DatabaseError& error) {
        return error.description();
    }
    return QStringLiteral("(no error)");
}

const QString Schema =
    QStringLiteral("SELECT type, name, tbl_name FROM sqlite_master ORDER BY name");

} // namespace

class TestSettingsDatabase : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        // Every operation lets go of its connection, even when it fails.
        QCOMPARE(QSqlDatabase::connectionNames(), QStringList());
    }

    void pathIsTheProgramFolderAndTheFileName_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("path");
        QTest::newRow("plain") << "/opt/tikkro/bin"
                               << "/opt/tikkro/bin/tikkro.mdb";
        QTest::newRow("no separator removed") << "/opt/tikkro/"
                                              << "/opt/tikkro//tikkro.mdb";
        QTest::newRow("root") << ""
                              << "/tikkro.mdb";
    }
    void pathIsTheProgramFolderAndTheFileName()
    {
        QFETCH(QString, folder);
        QFETCH(QString, path);
        QCOMPARE(SettingsDatabase::pathIn(folder), path);
    }

    void queryText_data()
    {
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QString>("text");
        QTest::newRow("no condition") << ""
                                      << "SELECT MeLeft FROM tUser;";
        QTest::newRow("condition") << "MeTop > 0"
                                   << "SELECT MeLeft FROM tUser WHERE MeTop > 0;";
    }
    void queryText()
    {
        QFETCH(QString, condition);
        QFETCH(QString, text);
        QCOMPARE(SettingsDatabase::queryText(QStringLiteral("MeLeft"), QStringLiteral("tUser"),
                                             condition),
                 text);
    }

    // Names go into the text unquoted, so anything but a plain name is
    // refused before the file is even opened.
    void refusesNamesThatAreNotPlain_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("table");
        QTest::newRow("statement in field") << "MeLeft FROM tUser; DROP TABLE tAlarm; --"
                                            << "tUser";
        QTest::newRow("statement in table") << "MeLeft"
                                            << "tUser; DROP TABLE tAlarm";
        QTest::newRow("quote") << "MeLeft"
                               << "\"tUser\"";
        QTest::newRow("blank") << "Me Left"
                               << "tUser";
        QTest::newRow("empty field") << ""
                                     << "tUser";
        QTest::newRow("empty table") << "MeLeft"
                                     << "";
        QTest::newRow("leading digit") << "1MeLeft"
                                       << "tUser";
        QTest::newRow("star") << "*"
                              << "tUser";
        QTest::newRow("not ASCII") << "MeLeft"
                                   << "tÜser";
    }
    void refusesNamesThatAreNotPlain()
    {
        QFETCH(QString, field);
        QFETCH(QString, table);
        ScratchDatabase scratch;
        FakeMessageService messages;
        const SettingsDatabase database(scratch.path(), messages);
        database.createIfMissing();
        const QByteArray before = scratch.bytes();

        for (const Operation& operation :
             {Operation([&](const SettingsDatabase& db) { db.DGetValue(field, table, {}); }),
              Operation([&](const SettingsDatabase& db) { db.DSetValue(field, table, 1, {}); })}) {
            const QString failure = failureOf(database, operation);
            QVERIFY2(failure.contains(QStringLiteral("is not a valid")), qPrintable(failure));
        }
        QCOMPARE(scratch.bytes(), before);
        QCOMPARE(messages.messages.size(), 0);
    }

    void createsAMissingFileComplete()
    {
        ScratchDatabase scratch;
        FakeMessageService messages;
        const SettingsDatabase database(scratch.path(), messages);
        database.createIfMissing();

        QCOMPARE(scratch.filesInFolder(), QStringList{QStringLiteral("tikkro.mdb")});
        const QList<QVariantList> expected{{"index", "PrimaryKey", "tAlarm"},
                                           {"table", "tAlarm", "tAlarm"},
                                           {"table", "tUser", "tUser"}};
        QCOMPARE(scratch.rows(Schema), expected);
        QCOMPARE(scratch.rows(QStringLiteral("SELECT \"unique\" FROM pragma_index_list('tAlarm')")),
                 QList<QVariantList>{{1}});
        QCOMPARE(scratch.rows(QStringLiteral("SELECT count(*) FROM tUser")),
                 QList<QVariantList>{{0}});
        QCOMPARE(scratch.rows(QStringLiteral("SELECT count(*) FROM tAlarm")),
                 QList<QVariantList>{{0}});
    }

    void leavesAnExistingFileAlone_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a database") << QByteArray("not a database at all");
    }
    void leavesAnExistingFileAlone()
    {
        QFETCH(QByteArray, content);
        ScratchDatabase scratch;
        QVERIFY(scratch.writeBytes(content));
        FakeMessageService messages;
        SettingsDatabase(scratch.path(), messages).createIfMissing();
        QCOMPARE(scratch.bytes(), content);
        QCOMPARE(scratch.filesInFolder(), QStringList{QStringLiteral("tikkro.mdb")});
    }

    void cannotCreateInAMissingFolder()
    {
        ScratchDatabase scratch;
        FakeMessageService messages;
        const QString path = scratch.folder() + QStringLiteral("/gone/tikkro.mdb");
        const QString failure = failureOf(SettingsDatabase(path, messages),
                                          [](const SettingsDatabase& db) { db.createIfMissing(); });
        QVERIFY2(failure.startsWith(QStringLiteral("Cannot create the database file ") + path),
                 qPrintable(failure));
        QCOMPARE(scratch.filesInFolder(), QStringList());
    }

    void emptyUserTableReadsNull()
    {
        ScratchDatabase scratch;
        FakeMessageService messages;
        const SettingsDatabase database(scratch.path(), messages);
        database.createIfMissing();
        const QVariant value =
            database.DGetValue(QStringLiteral("MeLeft"), QStringLiteral("tUser"), {});
        QVERIFY(value.isNull());
        QVERIFY(!value.isValid());
    }

    // The main window's close: the first write adds the record, the second
    // finds it.
    void closingTwiceKeepsOneRecord()
    {
        ScratchDatabase scratch;
        FakeMessageService messages;
        const SettingsDatabase database(scratch.path(), messages);
        database.createIfMissing();
        for (const float left : {1200.0F, 7365.5F}) {
            database.DSetValue(QStringLiteral("MeLeft"), QStringLiteral("tUser"), left, {});
            database.DSetValue(QStringLiteral("MeTop"), QStringLiteral("tUser"), 270.0F, {});
        }
        QCOMPARE(scratch.rows(QStringLiteral("SELECT MeLeft, MeTop, typeof(MeLeft) FROM tUser")),
                 (QList<QVariantList>{{7365.5, 270.0, "real"}}));
        const QVariant left =
            database.DGetValue(QStringLiteral("MeLeft"), QStringLiteral("tUser"), {});
        QCOMPARE(left.typeId(), QMetaType::Double);
        QCOMPARE(left.toDouble(), 7365.5);
        QCOMPARE(messages.messages.size(), 0);
    }

    void readsAndWritesOnlyTheFirstRecord_data()
    {
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QVariant>("read");
        QTest::addColumn<QList<QVariantList>>("afterWrite");
        QTest::newRow("no condition") << QString() << QVariant(1.0)
                                      << QList<QVariantList>{{9.0, 2.0}, {3.0, 4.0}, {5.0, 6.0}};
        QTest::newRow("condition") << "MeTop > 3" << QVariant(3.0)
                                   << QList<QVariantList>{{1.0, 2.0}, {9.0, 4.0}, {5.0, 6.0}};
    }
    void readsAndWritesOnlyTheFirstRecord()
    {
        QFETCH(QString, condition);
        QFETCH(QVariant, read);
        QFETCH(QList<QVariantList>, afterWrite);
        ScratchDatabase scratch;
        FakeMessageService messages;
        const SettingsDatabase database(scratch.path(), messages);
        database.createIfMissing();
        QVERIFY(scratch.exec(
            QStringLiteral("INSERT INTO tUser (MeLeft, MeTop) VALUES (1, 2), (3, 4), (5, 6)")));

        QCOMPARE(database.DGetValue(QStringLiteral("MeLeft"), QStringLiteral("tUser"), condition),
                 read);
        database.DSetValue(QStringLiteral("MeLeft"), QStringLiteral("tUser"), 9.0, condition);
        QCOMPARE(scratch.rows(QStringLiteral("SELECT MeLeft, MeTop FROM tUser ORDER BY rowid")),
                 afterWrite);
    }

    void nullFieldReadsLikeNoRecord()
    {
        ScratchDatabase scratch;
        FakeMessageService messages;
        const SettingsDatabase database(scratch.path(), messages);
        database.createIfMissing();
        QVERIFY(scratch.exec(QStringLiteral("INSERT INTO tUser (MeLeft, MeTop) VALUES (NULL, 5)")));
        QVERIFY(database.DGetValue(QStringLiteral("MeLeft"), QStringLiteral("tUser"), {}).isNull());
        QCOMPARE(database.DGetValue(QStringLiteral("MeTop"), QStringLiteral("tUser"), {}), 5.0);

        // And Null can be written back.
        database.DSetValue(QStringLiteral("MeTop"), QStringLiteral("tUser"), QVariant(), {});
        QCOMPARE(scratch.rows(QStringLiteral("SELECT MeLeft, MeTop FROM tUser")),
                 (QList<QVariantList>{{QVariant(), QVariant()}}));
    }

    void storesValuesOfEveryKind_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("stored");
        QTest::newRow("single") << QVariant(12.5F) << QVariant(12.5);
        QTest::newRow("integer") << QVariant(42) << QVariant(42.0);
        QTest::newRow("yes") << QVariant(true) << QVariant(1.0);
        QTest::newRow("date and time")
            << QVariant(QDateTime(QDate(2000, 1, 1), QTime(12, 0))) << QVariant(36526.5);
        QTest::newRow("quote in text") << QVariant(QStringLiteral("it's")) << QVariant("it's");
    }
    void storesValuesOfEveryKind()
    {
        QFETCH(QVariant, value);
        QFETCH(QVariant, stored);
        ScratchDatabase scratch;
        FakeMessageService messages;
        const SettingsDatabase database(scratch.path(), messages);
        database.createIfMissing();
        database.DSetValue(QStringLiteral("MeTop"), QStringLiteral("tUser"), value, {});
        QCOMPARE(database.DGetValue(QStringLiteral("MeTop"), QStringLiteral("tUser"), {}), stored);
    }

    // Only "tUser", spelt exactly so, gains a record when there is none.
    void recordNotFoundOutsideTheUserTable_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("table");
        QTest::newRow("alarm table") << "aF"
                                     << "tAlarm";
        QTest::newRow("user table in other case") << "MeLeft"
                                                  << "tuser";
        QTest::newRow("user table in capitals") << "MeLeft"
                                                << "TUSER";
    }
    void recordNotFoundOutsideTheUserTable()
    {
        QFETCH(QString, field);
        QFETCH(QString, table);
        ScratchDatabase scratch;
        FakeMessageService messages;
        const SettingsDatabase database(scratch.path(), messages);
        database.createIfMissing();
        const QByteArray before = scratch.bytes();

        database.DSetValue(field, table, 1, {});

        QCOMPARE(messages.beeps, 1);
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(messages.messages[0].text, QStringLiteral("Record not found!"));
        QCOMPARE(messages.messages[0].title, QStringLiteral("DSetValue"));
        QCOMPARE(messages.messages[0].icon, FakeMessageService::Icon::Information);
        QVERIFY(!messages.messages[0].modeless);
        QCOMPARE(scratch.bytes(), before);
    }

    void handleClosesItsConnectionOnce()
    {
        ScratchDatabase scratch;
        FakeMessageService messages;
        const SettingsDatabase database(scratch.path(), messages);
        database.createIfMissing();
        {
            auto first = database.DOpenDatabase();
            QVERIFY(first.isOpen());
            auto moved = std::move(first);
            QVERIFY(moved.isOpen());
            QVERIFY(!first.isOpen());
            QCOMPARE(QSqlDatabase::connectionNames().size(), 1);
            moved = database.DOpenDatabase();
            QCOMPARE(QSqlDatabase::connectionNames().size(), 1);
            QCOMPARE(moved.exec(QStringLiteral("SELECT count(*) FROM tUser")).next(), true);
        }
        QCOMPARE(QSqlDatabase::connectionNames(), QStringList());
    }

    // Each fault gives a DatabaseError naming the file and the reason, and
    // leaves what else is in the file as it was.
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
        if (fault == QLatin1String("corrupt")) {
            QByteArray noise(8192, Qt::Uninitialized);
            QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(noise.data()),
                                          noise.size() / 4);
            QVERIFY(scratch.writeBytes(noise));
        } else if (fault != QLatin1String("missing")) {
            const QString user =
                fault == QLatin1String("no MeLeft")
                    ? QStringLiteral("CREATE TABLE tUser (Other REAL)")
                    : QStringLiteral("CREATE TABLE tUser (MeLeft REAL, MeTop REAL)");
            QStringList statements{
                QStringLiteral("CREATE TABLE tAlarm (aA INTEGER, an TEXT, aT REAL, aF INTEGER)"),
                QStringLiteral("INSERT INTO tAlarm VALUES (0, 'Wake', 45000.25, 1)")};
            if (fault != QLatin1String("no tUser")) {
                statements << user << QStringLiteral("INSERT INTO tUser DEFAULT VALUES");
            }
            QVERIFY(scratch.exec(statements));
        }
        const QByteArray before = scratch.bytes();
        const auto others = scratch.rows(QStringLiteral("SELECT * FROM tAlarm"));

        FakeMessageService messages;
        const SettingsDatabase database(scratch.path(), messages, 100ms);
        std::unique_ptr<DatabaseLockHolder> lock;
        if (fault == QLatin1String("locked")) {
            lock = std::make_unique<DatabaseLockHolder>(scratch.path(), 60s);
            QVERIFY(lock->locked());
        }
        const Operation read = [](const SettingsDatabase& db) {
            db.DGetValue(QStringLiteral("MeLeft"), QStringLiteral("tUser"), {});
        };
        const Operation write = [](const SettingsDatabase& db) {
            db.DSetValue(QStringLiteral("MeLeft"), QStringLiteral("tUser"), 5.0, {});
        };
        for (const Operation& operation : {read, write}) {
            const QString failure = failureOf(database, operation);
            QVERIFY2(failure.contains(scratch.path()) && failure.contains(reason),
                     qPrintable(failure));
        }
        lock.reset();

        QCOMPARE(scratch.bytes(), before);
        QCOMPARE(scratch.rows(QStringLiteral("SELECT * FROM tAlarm")), others);
        QCOMPARE(QFile::exists(scratch.path()), fault != QLatin1String("missing"));
        QCOMPARE(messages.messages.size(), 0);
    }

    // Another running copy writing for a moment is waited for.
    void waitsForABriefLock()
    {
        ScratchDatabase scratch;
        FakeMessageService messages;
        const SettingsDatabase database(scratch.path(), messages, 10s);
        database.createIfMissing();
        {
            const DatabaseLockHolder lock(scratch.path(), 150ms);
            QVERIFY(lock.locked());
            database.DSetValue(QStringLiteral("MeLeft"), QStringLiteral("tUser"), 5.0, {});
        }
        QCOMPARE(database.DGetValue(QStringLiteral("MeLeft"), QStringLiteral("tUser"), {}), 5.0);
    }

    void readOnlyFileRefusesWritesOnly()
    {
        if (::geteuid() == 0) {
            QSKIP("file permissions do not bind the superuser");
        }
        ScratchDatabase scratch;
        FakeMessageService messages;
        const SettingsDatabase database(scratch.path(), messages);
        database.createIfMissing();
        database.DSetValue(QStringLiteral("MeLeft"), QStringLiteral("tUser"), 5.0, {});
        QVERIFY(QFile::setPermissions(scratch.path(), QFile::ReadOwner | QFile::ReadUser));

        QCOMPARE(database.DGetValue(QStringLiteral("MeLeft"), QStringLiteral("tUser"), {}), 5.0);
        const QString failure = failureOf(database, [](const SettingsDatabase& db) {
            db.DSetValue(QStringLiteral("MeLeft"), QStringLiteral("tUser"), 9.0, {});
        });
        QVERIFY2(failure.contains(scratch.path()) && failure.contains(QStringLiteral("readonly")),
                 qPrintable(failure));
        QCOMPARE(database.DGetValue(QStringLiteral("MeLeft"), QStringLiteral("tUser"), {}), 5.0);
    }
};

int runSettingsDatabaseTests(int argc, char** argv)
{
    TestSettingsDatabase test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestSettingsDatabase.moc"
