// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/DatabaseError.h"
#include "core/settings/SettingsDatabase.h"
#include "core/settings/SettingsWriter.h"

#include "fakes/DatabaseLockHolder.h"
#include "fakes/ScratchDatabase.h"

#include "TestSupport.h"

using tikkro::fakes::DatabaseLockHolder;
using tikkro::settings::SettingsDatabase;
using tikkro::settings::SettingsWriter;
using namespace std::chrono_literals;

namespace {

// A settings file, a writer on it that tries every 20 ms, and a way to write
// numbers into tUser through the writer.
struct Fixture
{
    explicit Fixture(std::chrono::milliseconds retryFor = 5s)
        : writer(database, SettingsWriter::Timing{20ms, 20ms, retryFor})
    {
        database.createIfMissing();
    }

    static SettingsWriter::Work store(double left)
    {
        return [left](const SettingsDatabase& db) { db.savePosition(left, 0.0); };
    }
    QList<QVariantList> stored() const { return scratch.rows("SELECT MeLeft FROM tUser"); }

    tikkro::fakes::ScratchDatabase scratch;
    SettingsDatabase database{scratch.path()};
    SettingsWriter writer;
    QSignalSpy reports{&writer, &SettingsWriter::failed};
};

} // namespace

class TestSettingsWriter : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The window thread tells a file it may write, one another program holds
    // for now, and one it can never write, without writing anything.
    void checkWritableTellsHeldFromReadOnly_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<bool>("busy");
        QTest::newRow("writable") << "writable"
                                  << "" << false;
        QTest::newRow("held") << "held"
                              << "database is locked" << true;
        QTest::newRow("read-only") << "read-only"
                                   << "readonly database" << false;
    }
    void checkWritableTellsHeldFromReadOnly()
    {
        QFETCH(QString, file);
        QFETCH(QString, failure);
        Fixture f;
        const QByteArray before = f.scratch.bytes();
        const SettingsDatabase readOnly(f.scratch.path(), SettingsDatabase::DefaultBusyTimeout,
                                        SettingsDatabase::Access::ReadOnly);
        std::optional<DatabaseLockHolder> lock;
        if (file == "held") {
            QVERIFY(lock.emplace(f.scratch.path(), 500ms).locked());
        }
        try {
            (file == "read-only" ? readOnly : f.database).checkWritable();
            QVERIFY(failure.isEmpty());
        } catch (const tikkro::settings::DatabaseError& error) {
            QVERIFY2(!failure.isEmpty() && error.description().contains(failure) &&
                         error.description().contains(f.scratch.path()),
                     qPrintable(error.description()));
            QTEST(error.fileBusy(), "busy");
        }
        lock.reset();
        QCOMPARE(f.scratch.bytes(), before);
    }

    // Held for longer than the writer tries: the writes that failed in a row
    // come in one box that names the file and the reason, and the writer
    // goes on working once the file is free.
    void failuresInARowMakeOneReport()
    {
        Fixture f(100ms);
        {
            const DatabaseLockHolder lock(f.scratch.path(), 1s);
            QVERIFY(lock.locked());
            for (const char* what : {"Alarm 1 has rung.", "Timer 2 is set.", "Alarm 2 has rung."}) {
                f.writer.write(what, Fixture::store(1));
            }
            QTRY_COMPARE(f.reports.size(), 1);
        }
        const QString report = f.reports.first().first().toString();
        for (const QString& part :
             {f.scratch.path(), QStringLiteral("database is locked"),
              QStringLiteral("Alarm 1 has rung."), QStringLiteral("Timer 2 is set."),
              QStringLiteral("Alarm 2 has rung.")}) {
            QVERIFY2(report.contains(part), qPrintable(report));
        }
        QCOMPARE(f.writer.writeAndWait("later", Fixture::store(3), 10s).state,
                 SettingsWriter::State::Stored);
        QCOMPARE(f.stored(), (QList<QVariantList>{{3.0}}));
        QCOMPARE(f.reports.size(), 1);
    }

    // Once a write has been given up, the next ones get one try each while
    // the file stays held, so that a long hold costs one wait, not one per
    // write.
    void oneTryPerWriteAfterGivingUp()
    {
        Fixture f(1s);
        const DatabaseLockHolder lock(f.scratch.path(), 3s);
        QVERIFY(lock.locked());
        QCOMPARE(f.writer.writeAndWait("first", Fixture::store(1), 10s).state,
                 SettingsWriter::State::Failed);
        QElapsedTimer second;
        second.start();
        QCOMPARE(f.writer.writeAndWait("second", Fixture::store(2), 10s).state,
                 SettingsWriter::State::Failed);
        QVERIFY2(second.elapsed() < 500, qPrintable(QString::number(second.elapsed())));
    }

    // A failure known while the caller waits is the caller's to report;
    // what shut-down gives up is handed back, not reported.
    void eachFailureIsToldOnce()
    {
        Fixture f;
        QVERIFY(f.scratch.exec("DROP TABLE tUser"));
        const SettingsWriter::Outcome refused =
            f.writer.writeAndWait("set", Fixture::store(1), 10s);
        QCOMPARE(refused.state, SettingsWriter::State::Failed);
        QVERIFY2(refused.failure.contains("no such table: tUser"), qPrintable(refused.failure));

        QVERIFY(f.scratch.exec("CREATE TABLE tUser (MeLeft REAL, MeTop REAL)"));
        std::optional<DatabaseLockHolder> lock;
        QVERIFY(lock.emplace(f.scratch.path(), 2s).locked());
        f.writer.write("The window position could not be kept.", Fixture::store(2));
        const QStringList givenUp = f.writer.finish(50ms);
        QCOMPARE(givenUp.size(), 1);
        QVERIFY(givenUp.first().startsWith("The window position could not be kept."));
        lock.reset();
        QCoreApplication::processEvents();
        QVERIFY(f.reports.isEmpty());
        QVERIFY(f.stored().isEmpty());
    }
};

TIKKRO_TEST(TestSettingsWriter)
#include "TestSettingsWriter.moc"
