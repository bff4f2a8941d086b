// SPDX-License-Identifier: GPL-3.0-or-later
#include "Version.h"
#include "app/CommandLine.h"
#include "app/FileLocations.h"
#include "app/PlatformChoice.h"
#include "app/Program.h"
#include "app/ShutdownSignals.h"
#include "app/SingleInstance.h"
#include "app/Startup.h"

#include "TestSupport.h"

using namespace tikkro;
using namespace tikkro::app;
using namespace Qt::StringLiterals;
using tikkro::stopwatch::KernelClockCounter;

class TestStartup : public QObject
{
    Q_OBJECT

    QTemporaryDir runtime;

private Q_SLOTS:
    void initTestCase()
    {
        Startup::nameProgram();
        // Sockets of this test stay out of the user's own runtime folder.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    }

    void databaseLocation_data()
    {
        addColumns<bool, bool, bool, bool, bool>(
            {"installed", "folderIsOwn", "fileExists", "fileIsOwn", "beside"});
        QTest::newRow("build tree") << false << true << false << false << true;
        QTest::newRow("portable copy with its file") << false << true << true << true << true;
        QTest::newRow("folder the user may not write") << false << false << false << false << false;
        QTest::newRow("file another user left") << false << true << true << false << false;
        QTest::newRow("installed, writable bin") << true << true << false << false << false;
        QTest::newRow("installed, old file beside") << true << true << true << true << false;
    }
    void databaseLocation()
    {
        QFETCH(bool, installed);
        QFETCH(bool, folderIsOwn);
        QFETCH(bool, fileExists);
        QFETCH(bool, fileIsOwn);
        QFETCH(bool, beside);

        const QTemporaryDir root;
        const QString bin = root.filePath(QStringLiteral("bin"));
        const QString shared = QDir(bin).filePath(QLatin1String(FileLocations::DataFromBin));
        QVERIFY(QDir().mkpath(bin));
        QVERIFY(!installed || QDir().mkpath(shared));
        const QString besideFile = bin + QStringLiteral("/tikkro.mdb");
        QVERIFY(!fileExists || QFile(besideFile).open(QIODevice::WriteOnly));
        const QSet<QString> own{folderIsOwn ? bin : QString(), fileIsOwn ? besideFile : QString()};
        const QString userData = root.filePath(QStringLiteral("home/data/Tikkro"));

        const FileLocations files(bin, userData,
                                  [&own](const QString& path) { return own.contains(path); });
        QCOMPARE(files.isInstalled(), installed);
        QCOMPARE(files.databasePath(),
                 beside ? besideFile : userData + QStringLiteral("/tikkro.mdb"));
        QCOMPARE(QDir::cleanPath(files.soundsFolder()),
                 QDir::cleanPath((installed ? shared : bin) + QStringLiteral("/sounds")));
        QVERIFY(files.makeDatabaseFolder());
        QVERIFY(QFileInfo(files.databasePath()).absoluteDir().exists());
    }

    void ownWritableCheck()
    {
        const QTemporaryDir folder;
        QVERIFY(FileLocations::isOwnWritable(folder.path()));
        if (::geteuid() == 0) {
            QSKIP("root may write everywhere and owns the system's folders");
        }
        QVERIFY(!FileLocations::isOwnWritable(QStringLiteral("/")));
        QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(!FileLocations::isOwnWritable(folder.path()));
    }

    void commandLine_data()
    {
        addColumns<QStringList, bool, bool, int, QString, QString>(
            {"arguments", "display", "run", "status", "output", "error"});
        const QString shown = u"Tikkro %1\nDatabase: /home/u/tikkro.mdb\n"_s.arg(version::text);
        QTest::newRow("nothing") << QStringList() << true << true << 0 << QString() << QString();
        QTest::newRow("-v without display")
            << QStringList{"-v"} << false << false << 0 << shown << QString();
        QTest::newRow("two commands")
            << QStringList{"--lap", "--reset"} << true << false << 1 << QString()
            << QStringLiteral("Tikkro: --lap is given alone.\n");
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, display);
        const CommandLine::Outcome outcome = CommandLine::parse(
            QStringList{"tikkro"} + arguments, QStringLiteral("/home/u/tikkro.mdb"), display);
        QTEST(outcome.run, "run");
        QTEST(outcome.status, "status");
        QTEST(outcome.output, "output");
        QTEST(outcome.error, "error");
    }

    void platformFor_data()
    {
        addColumns<QByteArray, QByteArray, QByteArray, QByteArray>(
            {"qpaPlatform", "waylandDisplay", "display", "platform"});
        const auto row = [](const char* name, const char* qpa, const char* wayland, const char* x11,
                            const char* platform) {
            QTest::newRow(name) << QByteArray(qpa) << QByteArray(wayland) << QByteArray(x11)
                                << QByteArray(platform);
        };
        row("X11 desktop", "", "", ":0", "");
        row("Wayland with XWayland", "", "wayland-0", ":0", "xcb");
        row("pure Wayland", "", "wayland-0", "", "");
        row("user's wayland stands", "wayland", "wayland-0", ":0", "");
    }
    void platformFor()
    {
        QFETCH(QByteArray, qpaPlatform);
        QFETCH(QByteArray, waylandDisplay);
        QFETCH(QByteArray, display);
        QTEST(PlatformChoice::platformFor({qpaPlatform, waylandDisplay, display}), "platform");
    }

    // The stopwatch counts on through a suspend; an input event's stamp is
    // placed on the clock the platform stamps it with.
    void programTimesOnTheRightKernelClocks()
    {
        const QTemporaryDir folder;
        Program program(folder.path(), folder.filePath(u"tikkro.mdb"_s), [] { return 0; });
        QVERIFY(program.counter().clock() == KernelClockCounter::Clock::BootTime);
        const auto* input =
            dynamic_cast<const KernelClockCounter*>(&program.start().inputEventClock());
        QVERIFY(input != nullptr && input->clock() == KernelClockCounter::Clock::Monotonic);
    }

    void secondCopyHandsOverToTheFirst()
    {
        const QTemporaryDir folder;
        const QString database = folder.filePath(QStringLiteral("tikkro.mdb"));
        SingleInstance first(database);
        QVERIFY(first.claim());
        QSignalSpy forward(&first, &SingleInstance::comeForwardRequested);

        // The same file by another spelling.
        SingleInstance second(folder.path() + QStringLiteral("/./tikkro.mdb"));
        QVERIFY(!second.claim());
        QVERIFY(forward.wait(5000));

        SingleInstance otherFile(folder.filePath(QStringLiteral("other/tikkro.mdb")));
        QVERIFY(otherFile.claim());
    }

    // Signals wait until the program can take them; one ignored from the
    // start (nohup) stays ignored, also afterwards.
    void shutdownSignals()
    {
        const auto before = ::signal(SIGHUP, SIG_IGN);
        {
            ShutdownSignals signals;
            QSignalSpy received(&signals, &ShutdownSignals::received);
            for (const int number : {SIGTERM, SIGHUP, SIGINT}) {
                ::raise(number);
            }
            QCoreApplication::processEvents();
            QCOMPARE(received.count(), 0);
            signals.startDelivering();
            QTRY_COMPARE(received.count(), 2);
            QCOMPARE(received.at(1).at(0).toInt(), SIGINT);
        }
        QVERIFY(::signal(SIGHUP, before) == SIG_IGN);
    }
};

TIKKRO_TEST(TestStartup)
#include "TestStartup.moc"
