// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/QtSoundService.h"

#include "TestSupport.h"
#include <QSoundEffect>

using tikkro::desktop::QtSoundService;

class TestSoundService : public QObject
{
    Q_OBJECT
    const QString built = QStringLiteral(TIKKRO_SOUNDS_DIR);

private Q_SLOTS:
    void resolve_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("resolved");
        QTest::newRow("any case") << "RingIn.WAV"
                                  << "ringin.wav";
        QTest::newRow("missing: default") << "Der Microsoft Sound.wav"
                                          << "default.wav";
        QTest::newRow("stays in the folder") << "../notify.wav"
                                             << "default.wav";
    }
    void resolve()
    {
        QFETCH(QString, name);
        QFETCH(QString, resolved);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir("sounds"));
        for (const char* file : {"sounds/default.wav", "sounds/ringin.wav", "notify.wav"})
            QVERIFY(QFile(folder.filePath(file)).open(QIODevice::WriteOnly));
        const QtSoundService sound(folder.filePath("sounds"));
        QCOMPARE(sound.resolve(name), folder.filePath("sounds/" + resolved));
    }

    // Nothing may wait for a sound: a machine without audio reports sounds as
    // playing long after their end. Qt may complain once about the missing
    // audio server, but never again for each sound.
    void playReturnsAtOnceAndStaysQuiet()
    {
        QtSoundService sound(built);
        sound.play(QStringLiteral("notify.wav"));
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        QElapsedTimer elapsed;
        elapsed.start();
        for (int i = 0; i < 10; ++i)
            for (const char* name : {"notify.wav", "ringin.wav", "Der Microsoft Sound.wav"})
                sound.play(QString::fromLatin1(name));
        // Waiting for the clips would take over ten seconds; the bound only
        // tells that apart, with room for a busy machine.
        QVERIFY2(elapsed.elapsed() < 5000, qPrintable(QString::number(elapsed.elapsed())));
        // Qt loads sounds on a thread of its own and complains once loaded.
        QTest::qWait(500);
    }

    // Qt Multimedia can load every sound the build generates.
    void builtSoundsLoad()
    {
        for (const char* name : {"default.wav", "notify.wav", "ringin.wav"}) {
            QSoundEffect effect;
            effect.setSource(QUrl::fromLocalFile(built + "/" + name));
            QTRY_COMPARE(effect.status(), QSoundEffect::Ready);
        }
    }
};

QTEST_MAIN(TestSoundService)
#include "TestSoundService.moc"
