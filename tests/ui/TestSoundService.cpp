// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/QtSoundService.h"

#include "TestSupport.h"
#include <QAudioDevice>
#include <QMediaDevices>
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

    // Qt may complain once about a missing audio server, but never again
    // for each sound; and every sound the build generates loads.
    void playStaysQuietAndBuiltSoundsLoad()
    {
        QtSoundService sound(built);
        sound.play(QStringLiteral("notify.wav"));
        const bool noDevice = QMediaDevices::defaultAudioOutput().isNull();
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        for (int i = 0; i < 10; ++i) {
            for (const char* name : {"notify.wav", "ringin.wav", "Der Microsoft Sound.wav"}) {
                sound.play(QString::fromLatin1(name));
            }
        }
        // Qt loads sounds on a thread of its own, in turn, and complains once
        // one is loaded: these load after the service's.
        for (const char* name : {"default.wav", "notify.wav", "ringin.wav"}) {
            if (noDevice) {
                QTest::ignoreMessage(QtWarningMsg, "No audio device detected");
            }
            QSoundEffect effect;
            effect.setSource(QUrl::fromLocalFile(built + "/" + name));
            QTRY_COMPARE(effect.status(), QSoundEffect::Ready);
        }
    }
};

TIKKRO_TEST(TestSoundService)
#include "TestSoundService.moc"
