// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/QtSoundService.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using tikkro::ui::QtSoundService;

namespace {

const QString Built = QStringLiteral(TIKKRO_SOUNDS_DIR);

int warnings = 0;
void countWarnings(QtMsgType type, const QMessageLogContext&, const QString&)
{
    if (type != QtDebugMsg && type != QtInfoMsg) {
        ++warnings;
    }
}

} // namespace

class TestSoundService : public QObject
{
    Q_OBJECT
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
        QVERIFY(folder.isValid());
        for (const QString& file : files) {
            QFile touch(folder.filePath(file));
            QVERIFY(touch.open(QIODevice::WriteOnly));
        }
        const QtSoundService sound(folder.path());
        QCOMPARE(sound.resolve(name), resolved.isEmpty() ? QString() : folder.filePath(resolved));
    }

    // Nothing may wait for a sound: a machine without audio reports sounds as
    // playing long after their end. Qt may complain once about the missing
    // audio server, but never again for each sound.
    void playReturnsAtOnceAndStaysQuiet()
    {
        QtSoundService sound(Built);
        sound.play(QStringLiteral("notify.wav"));

        warnings = 0;
        const QtMessageHandler previous = qInstallMessageHandler(countWarnings);
        QElapsedTimer elapsed;
        elapsed.start();
        for (int i = 0; i < 10; ++i) {
            sound.play(QStringLiteral("notify.wav"));
            sound.play(QStringLiteral("ringin.wav"));
            sound.play(QStringLiteral("Der Microsoft Sound.wav"));
        }
        const qint64 took = elapsed.elapsed();
        // Qt loads sounds on a thread of its own and complains once loaded;
        // there is no clock of ours to advance, so give it real time.
        QTest::qWait(500);
        qInstallMessageHandler(previous);

        QVERIFY2(took < 500, qPrintable(QStringLiteral("30 plays took %1 ms").arg(took)));
        QCOMPARE(warnings, 0);
    }

    void builtSounds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("default beep") << "default.wav";
        QTest::newRow("alarm chime") << "notify.wav";
        QTest::newRow("countdown ring") << "ringin.wav";
    }
    // The generated files are small, start and end in silence (no click),
    // and Qt Multimedia can load them.
    void builtSounds()
    {
        QFETCH(QString, name);
        QFile file(Built + "/" + name);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QByteArray wave = file.readAll();
        QVERIFY(wave.size() > 44 && wave.size() < 200 * 1024);
        QCOMPARE(wave.left(4) + wave.mid(8, 8) + wave.mid(36, 4), QByteArray("RIFFWAVEfmt data"));
        const auto sample = [&](qsizetype at) {
            return std::abs(qFromLittleEndian<qint16>(wave.constData() + at));
        };
        QVERIFY(sample(44) < 64 && sample(wave.size() - 2) < 64);

        QSoundEffect effect;
        effect.setSource(QUrl::fromLocalFile(file.fileName()));
        QTRY_COMPARE(effect.status(), QSoundEffect::Ready);
    }
};

QTEST_MAIN(TestSoundService)
#include "TestSoundService.moc"
