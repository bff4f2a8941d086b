// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/QtSoundService.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>

using tikkro::ui::QtSoundService;

class TestSoundService : public QObject
{
    Q_OBJECT
    const QString built = QStringLiteral(TIKKRO_SOUNDS_DIR);

private Q_SLOTS:
    void resolve_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("resolved"); // relative to the folder; empty: nothing
        const QStringList ours{"default.wav", "notify.wav", "ringin.wav"};
        QTest::newRow("found") << ours << "notify.wav"
                               << "notify.wav";
        QTest::newRow("any case") << ours << "RingIn.WAV"
                                  << "ringin.wav";
        QTest::newRow("missing: default") << ours << "Der Microsoft Sound.wav"
                                          << "default.wav";
        QTest::newRow("stays in the folder") << ours << "../sounds/notify.wav"
                                             << "default.wav";
        QTest::newRow("no default: silence") << QStringList{"notify.wav"} << "ringin.wav"
                                             << "";
    }
    void resolve()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, name);
        QFETCH(QString, resolved);
        QTemporaryDir folder;
        for (const QString& file : files)
            QVERIFY(QFile(folder.filePath(file)).open(QIODevice::WriteOnly));
        const QtSoundService sound(folder.path());
        QCOMPARE(sound.resolve(name), resolved.isEmpty() ? QString() : folder.filePath(resolved));
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
        for (int i = 0; i < 10; ++i) {
            for (const char* name : {"notify.wav", "ringin.wav", "Der Microsoft Sound.wav"})
                sound.play(QString::fromLatin1(name));
        }
        QVERIFY2(elapsed.elapsed() < 500, qPrintable(QString::number(elapsed.elapsed())));
        // Qt loads sounds on a thread of its own and complains once loaded.
        QTest::qWait(500);
    }

    // The generated files are small and Qt Multimedia can load them.
    void builtSounds_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"default.wav", "notify.wav", "ringin.wav"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void builtSounds()
    {
        QFETCH(QString, name);
        QFile file(built + "/" + name);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QByteArray wave = file.readAll();
        QVERIFY(wave.size() > 44 && wave.size() < 200 * 1024);
        QCOMPARE(wave.left(4) + wave.mid(8, 8) + wave.mid(36, 4), QByteArray("RIFFWAVEfmt data"));
        QSoundEffect effect;
        effect.setSource(QUrl::fromLocalFile(file.fileName()));
        QTRY_COMPARE(effect.status(), QSoundEffect::Ready);
    }
};

QTEST_MAIN(TestSoundService)
#include "TestSoundService.moc"
