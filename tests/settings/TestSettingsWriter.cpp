// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/DatabaseError.h"
#include "core/settings/SettingsDatabase.h"
#include "core/settings/SettingsWriter.h"
#include "fakes/DatabaseLockHolder.h"
#include "fakes/ScratchDatabase.h"

#include "TestSupport.h"

using tikkro::fakes::DatabaseLockHolder;
using tikkro::settings::DatabaseError;
using tikkro::settings::SettingsDatabase;
using tikkro::settings::SettingsWriter;
using State = SettingsWriter::State;
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
        addColumns<QString, bool>({"failure", "busy"});
        QTest::newRow("writable") << "" << false;
        QTest::newRow("held") << "database is locked" << true;
        QTest::newRow("read-only") << "readonly database" << false;
    }
    void checkWritableTellsHeldFromReadOnly()
    {
        QFETCH(QString, failure);
        const QByteArray file = QTest::currentDataTag();
        Fixture f;
        const QByteArray before = f.scratch.bytes();
        const SettingsDatabase readOnly(f.scratch.path(), SettingsDatabase::DefaultBusyTimeout,
                                        SettingsDatabase::Access::ReadOnly);
        std::optional<DatabaseLockHolder> lock;
        if (file == "held") {
            QVERIFY(lock.emplace(f.scratch.path(), 5s).locked());
        }
        try {
            (file == "read-only" ? readOnly : f.database).checkWritable();
            QVERIFY(failure.isEmpty());
        } catch (const DatabaseError& error) {
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
            const DatabaseLockHolder lock(f.scratch.path(), 10s);
            QVERIFY(lock.locked());
            for (const char* what : {"Alarm 1 has rung.", "Timer 2 is set."}) {
                f.writer.write(what, Fixture::store(1));
            }
            QTRY_COMPARE(f.reports.size(), 1);
        }
        const QString report = f.reports.first().first().toString();
        for (const QString& part :
             {f.scratch.path(), QStringLiteral("database is locked"),
              QStringLiteral("Alarm 1 has rung.\n"), QStringLiteral("Timer 2 is set.\n")}) {
            QVERIFY2(report.contains(part), qPrintable(report));
        }
        QCOMPARE(f.writer.writeAndWait("later", Fixture::store(3), 10s).state, State::Stored);
        QCOMPARE(f.stored(), (QList<QVariantList>{{3.0}}));
        QCOMPARE(f.reports.size(), 1);
    }

    // A held file is tried again until the writer gives up; after that, the
    // next writes get one try each while it stays held, so that a long hold
    // costs one wait, not one per write. Once a write gets through, the
    // next is tried again in full.
    void oneTryPerWriteAfterGivingUp()
    {
        Fixture f(100ms);
        int tries = 0;
        bool held = true;
        const auto work = [&](const SettingsDatabase& db) {
            ++tries;
            if (held) {
                throw DatabaseError(QStringLiteral("database is locked"), true);
            }
            db.savePosition(1.0, 0.0);
        };
        QCOMPARE(f.writer.writeAndWait("first", work, 10s).state, State::Failed);
        QVERIFY(tries > 1);
        for (const char* what : {"second", "third"}) {
            tries = 0;
            QCOMPARE(f.writer.writeAndWait(what, work, 10s).state, State::Failed);
            QCOMPARE(tries, 1);
        }
        held = false;
        QCOMPARE(f.writer.writeAndWait("free", work, 10s).state, State::Stored);
        held = true;
        tries = 0;
        QCOMPARE(f.writer.writeAndWait("held again", work, 10s).state, State::Failed);
        QVERIFY(tries > 1);
    }

    // A failure known while the caller waits is the caller's to report;
    // what shut-down gives up is handed back, not reported.
    void eachFailureIsToldOnce()
    {
        Fixture f;
        QVERIFY(f.scratch.exec("DROP TABLE tUser"));
        const SettingsWriter::Outcome refused =
            f.writer.writeAndWait("set", Fixture::store(1), 10s);
        QCOMPARE(refused.state, State::Failed);
        QVERIFY2(refused.failure.contains("no such table: tUser"), qPrintable(refused.failure));

        QVERIFY(f.scratch.exec("CREATE TABLE tUser (MeLeft REAL, MeTop REAL)"));
        std::optional<DatabaseLockHolder> lock;
        QVERIFY(lock.emplace(f.scratch.path(), 10s).locked());
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
