// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowRig.h"
#include "core/stopwatch/LogStripCsv.h"
#include "stopwatch/LogStrip.h"
#include "widgets/DisplayField.h"

#include <QMenuBar>
#include <QTest>
#include <QTranslator>

// The program in German: its words and Alt keys translated, and what it
// stores or writes for other programs byte for byte as in English.
class TestGerman : public QObject
{
    Q_OBJECT

    // A run with the Alt keys of Start, Lap, Pause, Resume, Pause and Reset; the
    // log strip, the clock field and the menu bar's words.
    static QStringList run(const QString& keys)
    {
        tikkro::testing::MainWindowRig rig;
        rig.clock.set(QDateTime(QDate(2026, 12, 5), QTime(9, 57, 37)));
        const auto window = rig.makeWindow();
        window->restoreSession();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) {
            return {};
        }
        auto* strip = window->findChild<tikkro::stopwatch::LogStrip*>(QStringLiteral("logStrip"));
        for (const QChar key : keys) {
            rig.counter.advanceMs(1'234);
            QTest::keyClick(strip, key.toLatin1(), Qt::AltModifier);
        }
        return {
            strip->text(), QString::fromUtf8(tikkro::stopwatch::LogStripCsv::csv(strip->text())),
            window->findChild<tikkro::widgets::DisplayField*>(QStringLiteral("clockField"))->text(),
            window->menuBar()->actions().constFirst()->text()};
    }

private Q_SLOTS:
    void storedTextsStayEnglish()
    {
        const QStringList english = run(QStringLiteral("slprpt"));
        QTranslator german;
        QVERIFY(german.load(QStringLiteral("tikkro_de"), QStringLiteral(TIKKRO_TRANSLATIONS)));
        QCoreApplication::installTranslator(&german);
        const QStringList inGerman = run(QStringLiteral("srpwpn"));
        QCOMPARE(inGerman.value(3), QStringLiteral("&Datei"));
        QVERIFY2(english.value(1).contains(QLatin1String("Reset")), qPrintable(english.value(1)));
        QCOMPARE(inGerman.mid(0, 3), english.mid(0, 3));
    }
};

QTEST_MAIN(TestGerman)
#include "TestGerman.moc"
