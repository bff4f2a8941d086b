// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/stopwatch/ElapsedFormat.h"
#include "core/stopwatch/InputClock.h"
#include "core/stopwatch/LogStripCsv.h"
#include "core/stopwatch/Stopwatch.h"
#include "fakes/FakeCounter.h"
#include "fakes/FakeFileDialogService.h"
#include "fakes/FakeIntervalTimer.h"
#include "fakes/FakeMessageService.h"
#include "fakes/FakeWallClock.h"
#include "fakes/FullDiskSaveFile.h"
#include "stopwatch/SaveLogCommand.h"

#include "TestSupport.h"

using namespace tikkro;
using fakes::FakeCounter;
using stopwatch::ElapsedFormat;
using stopwatch::LogStripCsv;
using stopwatch::SaveLogCommand;

namespace {

// A stopwatch on fake time, ready as after start-up, with a view that keeps
// the display.
struct Rig final : stopwatch::StopwatchView
{
    Rig()
    {
        watch.readFrequency();
        watch.reset();
    }
    void setElapsedDisplay(const QString& text) override { display = text; }
    void setAvailableCommands(const stopwatch::CommandSet&) override {}
    void appendToLog(const QString&) override {}
    bool logIsEmpty() const override { return true; }
    void focusLogEnd() override {}

    QString display;
    FakeCounter counter;
    fakes::FakeWallClock clock;
    fakes::FakeIntervalTimer timer;
    stopwatch::Stopwatch watch{counter, clock, timer, *this};
};

const QString Columns =
    QStringLiteral("run,started,event,elapsed,elapsed_ms,split_ms,resumed_at,note");
const QString TextFilter = QStringLiteral("Text (*.txt)");
const QString CsvFilter = QStringLiteral("CSV (*.csv)");

// Every line ended by LF, as the log strip reads back.
QString lines(const QStringList& list)
{
    return list.join(u'\n') + (list.isEmpty() ? "" : "\n");
}

// A run with a lap and a pause, and a note with characters beyond ASCII.
QString sampleStrip()
{
    return lines({"05.12.2026  09:57:37  Date/Time started", "00:00:00.000   Start",
                  "00:00:01.500   Lap", "00:00:02.200   Pause", "Zürich – „fast“, lane 2"});
}

} // namespace

class TestStopwatch : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void elapsedText_data()
    {
        addColumns<qint64, qint64, QString>({"ticks", "frequency", "text"});
        QTest::newRow("tie rounds down to even") << 10'005'000LL << 10'000'000LL << "00:00:01.000";
        QTest::newRow("tie rounds up to even") << 10'015'000LL << 10'000'000LL << "00:00:01.002";
        QTest::newRow("tie at one minute") << 599'999'995LL << 10'000'000LL << "00:01:00.000";
        QTest::newRow("noise below a tie still ties")
            << 1'001'499'999LL << 1'000'000'000LL << "00:00:01.002";
        QTest::newRow("past the 32-bit millisecond limit")
            << 597LL * 3600 * 1'000'000'000 + 1'234'000'000 << 1'000'000'000LL << "597:00:01.234";
        QTest::newRow("no counter frequency") << 12'345LL << 0LL << "00:00:00.000";
    }
    void elapsedText()
    {
        QFETCH(qint64, ticks);
        QFETCH(qint64, frequency);
        QTEST(ElapsedFormat::text(ElapsedFormat::wholeMilliseconds(ticks, frequency)), "text");
    }

    // The display coarsens at one and at five minutes, cut rather than
    // rounded, and the refresh interval follows while the watch runs. A
    // display that refreshes itself shows the same at the same reading, up
    // to the next level.
    void displayLevels_data()
    {
        addColumns<qint64, QString, int, qint64>({"ms", "display", "interval", "untilMs"});
        QTest::newRow("first refresh") << 20LL << "00:00:00.02" << 15 << 60'000LL;
        QTest::newRow("just before a minute") << 59'999LL << "00:00:59.99" << 15 << 60'000LL;
        QTest::newRow("one minute") << 60'000LL << "00:01:00.0" << 100 << 300'000LL;
        QTest::newRow("five minutes") << 300'000LL << "00:05:00" << 500 << -1LL;
        QTest::newRow("straight past five minutes") << 400'000LL << "00:06:40" << 500 << -1LL;
        QTest::newRow("three-digit hours") << 360'000'999LL << "100:00:00" << 500 << -1LL;
    }
    void displayLevels()
    {
        QFETCH(qint64, ms);
        QFETCH(qint64, untilMs);
        Rig rig;
        rig.watch.start();
        rig.counter.advanceMs(ms);
        rig.watch.refresh();
        QTEST(rig.display, "display");
        QTEST(rig.timer.interval(), "interval");

        const std::optional<stopwatch::RunningDisplay> running = rig.watch.runningDisplay();
        QVERIFY(running);
        std::array<char16_t, ElapsedFormat::MaxLength> text{};
        const auto shownAt = [&](qint64 atMs) {
            const qint64 ticks = rig.counter.ticks() + (atMs - ms) * rig.counter.frequency() / 1000;
            return QString(reinterpret_cast<const QChar*>(text.data()),
                           running->writeAt(ticks, text));
        };
        QCOMPARE(shownAt(ms), rig.display);
        if (untilMs > 0) {
            QVERIFY(!shownAt(untilMs - 1).isEmpty());
            QVERIFY(shownAt(untilMs).isEmpty());
        }
    }

    // Only a running watch's display may refresh itself.
    void runningDisplayOnlyWhileRunning()
    {
        Rig rig;
        QVERIFY(!rig.watch.runningDisplay());
        rig.watch.start();
        rig.watch.lap();
        QVERIFY(rig.watch.runningDisplay());
        rig.watch.pause();
        QVERIFY(!rig.watch.runningDisplay());
        rig.watch.resume();
        QVERIFY(rig.watch.runningDisplay());
    }

    // The moment of an input event on the counter: its stamp on the
    // platform's clock (now at 0.6 ms into millisecond nowMs), how long ago
    // that was, and the counter that much earlier. -1: no moment.
    void inputClockPlacesEvents_data()
    {
        addColumns<qint64, quint64, qint64>({"nowMs", "stamp", "waitedUs"});
        QTest::newRow("waited behind a stall") << 5'000'000LL << 4'996'900ULL << 3'100'100LL;
        QTest::newRow("no stamp") << 5'000'000LL << 0ULL << -1LL;
        QTest::newRow("later than now") << 5'000'000LL << 5'000'005ULL << -1LL;
        QTest::newRow("over a minute ago") << 5'000'000LL << 4'939'999ULL << -1LL;
        QTest::newRow("32-bit stamp after 49.7 days") << 4'294'968'296LL << 750ULL << 250'100LL;
    }
    void inputClockPlacesEvents()
    {
        QFETCH(qint64, nowMs);
        QFETCH(quint64, stamp);
        QFETCH(qint64, waitedUs);
        FakeCounter counter(1'000'000'000);
        FakeCounter eventClock(1'000'000'000);
        eventClock.set(nowMs * 1'000'000 + 600'000);
        const std::optional<qint64> moment =
            stopwatch::InputClock(counter, eventClock).counterAt(stamp);
        QCOMPARE(moment ? counter.ticks() - *moment : -1000, waitedUs * 1000);
    }

    void csv_data()
    {
        addColumns<QString, QStringList>({"strip", "rows"});
        const QString header = QStringLiteral("05.12.2026  09:57:37  Date/Time started");
        const QString run1 = QStringLiteral("1,2026-12-05T09:57:37,");

        QTest::newRow("empty strip") << QString() << QStringList();
        // A split runs from the last Lap across the pause, less the time
        // paused; a second run starts its splits afresh.
        QTest::newRow("pause, resume and a second run")
            << lines({"05.12.2026  09:57:37  Date/Time started", "00:00:00.000   Start",
                      "00:00:12.345   Lap", "00:00:13.345   Pause", "",
                      "09:58:50          Res'Time", "00:00:15.345   Lap", "00:00:15.845   Lap", "",
                      "05.12.2026  09:58:53  Date/Time started", "00:00:00.000   Start",
                      "00:00:00.250   Lap"})
            << QStringList{run1 + "Start,00:00:00.000,0,,,",
                           run1 + "Lap,00:00:12.345,12345,12345,,",
                           run1 + "Pause,00:00:13.345,13345,1000,,",
                           run1 + "Resume,,,,09:58:50,",
                           run1 + "Lap,00:00:15.345,15345,3000,,",
                           run1 + "Lap,00:00:15.845,15845,500,,",
                           run1 + "Reset,,,,,",
                           "2,2026-12-05T09:58:53,Start,00:00:00.000,0,,,",
                           "2,2026-12-05T09:58:53,Lap,00:00:00.250,250,250,,"};
        QTest::newRow("hours beyond 99")
            << lines({header, "99:59:59.999   Lap", "1234:05:06.007   Pause"})
            << QStringList{run1 + "Lap,99:59:59.999,359999999,,,",
                           run1 + "Pause,1234:05:06.007,4442706007,4082706008,,"};
        // Cleared while running, then Reset; a header and a Start deleted;
        // empty lines before a Res'Time added and deleted; lines that only
        // look like the stopwatch's own are notes.
        QTest::newRow("edited by hand")
            << lines({"00:00:05.000   Lap", "00:00:07.500   Pause", "", "", "Heat 2, lane \"4\"",
                      "05.12.2026  10:15:00  Date/Time started", "00:00:09.000   Lap",
                      "00:00:12.000   Lap", "00:00:14.000   Pause", "", "",
                      "10:20:00          Res'Time", "00:00:15.000   Lap",
                      "31.02.2026  10:15:00  Date/Time started", "00:60:00.000   Lap"})
            << QStringList{",,Lap,00:00:05.000,5000,,,",
                           ",,Pause,00:00:07.500,7500,2500,,",
                           ",,Reset,,,,,",
                           ",,,,,,,\"Heat 2, lane \"\"4\"\"\"",
                           "1,2026-12-05T10:15:00,Lap,00:00:09.000,9000,,,",
                           "1,2026-12-05T10:15:00,Lap,00:00:12.000,12000,3000,,",
                           "1,2026-12-05T10:15:00,Pause,00:00:14.000,14000,2000,,",
                           "1,2026-12-05T10:15:00,Resume,,,,10:20:00,",
                           "1,2026-12-05T10:15:00,Lap,00:00:15.000,15000,3000,,",
                           ",,,,,,,31.02.2026  10:15:00  Date/Time started",
                           ",,,,,,,00:60:00.000   Lap"};
        QTest::newRow("last line without its end")
            << QStringLiteral("typed") << QStringList{",,,,,,,typed"};
    }
    void csv()
    {
        QFETCH(QString, strip);
        QFETCH(QStringList, rows);
        QCOMPARE(QString::fromUtf8(LogStripCsv::csv(strip)),
                 lines(QStringList{Columns} + rows).replace(u'\n', QStringLiteral("\r\n")));
    }

    // A file old.csv holds "earlier"; a replace question is answered No.
    // The dialog asks itself before a typed name is replaced; an added
    // extension is asked about here. A full disk keeps the earlier file whole
    // and names it and the reason.
    void save_data()
    {
        addColumns<QString, QString, bool, QString, QString, QString>(
            {"typed", "filter", "fullDisk", "saved", "content", "message"});
        QTest::newRow(".txt under CSV") << "log.txt" << CsvFilter << false << "log.txt"
                                        << "text"
                                        << "";
        QTest::newRow(".CSV under Text") << "LOG.CSV" << TextFilter << false << "LOG.CSV"
                                         << "csv"
                                         << "";
        QTest::newRow("bare name, Text") << "log" << TextFilter << false << "log.txt"
                                         << "text"
                                         << "";
        QTest::newRow("other extension, CSV") << "log.v2" << CsvFilter << false << "log.v2.csv"
                                              << "csv"
                                              << "";
        QTest::newRow("typed name replaced") << "old.csv" << TextFilter << false << "old.csv"
                                             << "csv"
                                             << "";
        QTest::newRow("added extension asked") << "old" << CsvFilter << false << "old.csv"
                                               << "earlier"
                                               << "";
        QTest::newRow("disk full") << "old.csv" << CsvFilter << true << "old.csv"
                                   << "earlier"
                                   << "No space left on device";
    }
    void save()
    {
        QFETCH(QString, typed);
        QFETCH(QString, filter);
        QFETCH(bool, fullDisk);
        QFETCH(QString, saved);
        QFETCH(QString, content);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QFile old(dir.filePath(QStringLiteral("old.csv")));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("earlier") == 7);
        old.close();
        fakes::FakeFileDialogService dialogs;
        dialogs.answer = {{dir.filePath(typed), filter}};
        dialogs.replace = false;
        fakes::FakeMessageService messages;
        SaveLogCommand(dialogs, messages, [&](const QString& path) {
            return std::make_unique<fakes::FullDiskSaveFile>(path, fullDisk);
        }).run(nullptr, sampleStrip());

        QStringList entries{QStringLiteral("old.csv"), saved};
        entries.removeDuplicates();
        entries.sort();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), entries);
        const QMap<QString, QByteArray> contents{
            {"text", sampleStrip().replace(u'\n', QStringLiteral("\r\n")).toUtf8()},
            {"csv", LogStripCsv::csv(sampleStrip())},
            {"earlier", "earlier"}};
        QFile file(dir.filePath(saved));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), contents.value(content));
        QCOMPARE(messages.messages.size(), message.isEmpty() ? 0 : 1);
        for (const auto& shown : messages.messages) {
            QVERIFY2(shown.text.contains(old.fileName()) && shown.text.contains(message),
                     qPrintable(shown.text));
        }
    }
};

TIKKRO_TEST(TestStopwatch)
#include "TestStopwatch.moc"
