// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/SysInfoLauncher.h"
#include "alarms/AlarmSlots.h"
#include "app/FrmStart.h"
#include "fakes/FakeCounter.h"
#include "fakes/FakeMessageService.h"
#include "fakes/FakePrintDialog.h"
#include "fakes/FakeProgramLauncher.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeSoundService.h"
#include "fakes/FakeWallClock.h"
#include "fakes/RecordingPrinterFactory.h"
#include "fakes/ScratchDatabase.h"
#include "printing/PrintCommand.h"
#include "settings/SettingsDatabase.h"
#include "stopwatch/LogStrip.h"
#include "ui/DisplayField.h"
#include "ui/ImageWidget.h"
#include "ui/Twips.h"

#include <QAction>
#include <QScreen>
#include <QTest>
#include <memory>

using tikkro::app::FrmStart;

namespace {

struct Availability
{
    bool start, lap, resume, pause, reset;
    bool operator==(const Availability&) const = default;
};

// The main window with every outside service replaced, on a settings file in
// a fresh temporary program folder.
struct Rig
{
    Rig()
        : database(scratch.path(), messages),
          print(std::make_unique<tikkro::fakes::FakePrintDialog>(),
                std::make_unique<tikkro::fakes::RecordingPrinterFactory>(), messages)
    {}

    std::unique_ptr<FrmStart> makeWindow()
    {
        return std::make_unique<FrmStart>(FrmStart::Services{
            counter, clock, messages, slots, database, sound, sysInfo, print, [this] { ++waits; }});
    }

    tikkro::fakes::ScratchDatabase scratch;
    tikkro::fakes::FakeCounter counter;
    tikkro::fakes::FakeWallClock clock;
    tikkro::fakes::FakeMessageService messages;
    tikkro::fakes::FakeSoundService sound;
    tikkro::fakes::FakeRegistry registry;
    tikkro::fakes::FakeProgramLauncher launcher;
    tikkro::about::SysInfoLauncher sysInfo{registry, launcher, messages};
    tikkro::alarms::AlarmSlots slots;
    tikkro::settings::SettingsDatabase database;
    tikkro::printing::PrintCommand print;
    int waits = 0;
};

QRect primaryScreen()
{
    return QGuiApplication::primaryScreen()->geometry();
}

} // namespace

class TestFrmStart : public QObject
{
    Q_OBJECT

    std::unique_ptr<Rig> rig;
    std::unique_ptr<FrmStart> window;
    tikkro::fakes::FakeCounter& counter() { return rig->counter; }

    Availability shown() const
    {
        return {!window->imgStart->isHidden(), !window->imgLap->isHidden(),
                !window->imgResume->isHidden(), !window->imgPause->isHidden(),
                !window->imgReset->isHidden()};
    }
    void click(tikkro::ui::ImageWidget* image, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(image, button, {}, QPoint(20, 10));
    }
    void altKey(Qt::Key key, Qt::KeyboardModifiers extra = {})
    {
        QTest::keyClick(window->Text1, key, Qt::AltModifier | extra);
    }
    QString strip() const { return window->Text1->text(); }

private Q_SLOTS:
    void init()
    {
        rig = std::make_unique<Rig>();
        rig->clock.set(QDateTime(QDate(2026, 12, 5), QTime(9, 57, 37)));
        window = rig->makeWindow();
        window->Form_Load();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup()
    {
        window.reset();
        rig.reset();
    }

    // A whole run with the mouse, checking the buttons after every command
    // and the exact text of the strip at the end.
    void wholeRunWithTheMouse()
    {
        click(window->imgStart);
        QCOMPARE(shown(), (Availability{false, true, false, true, false}));
        QCOMPARE(window->timer1().interval(), 15);
        QCOMPARE(QApplication::focusWidget(), window->Text1);

        counter().advanceMs(12'345);
        click(window->imgLap);
        QCOMPARE(shown(), (Availability{false, true, false, true, true}));
        counter().advanceMs(7'656);
        click(window->imgPause);
        QCOMPARE(shown(), (Availability{false, false, true, false, true}));
        QCOMPARE(window->ElapsedTime->text(), QStringLiteral("00:00:20.00"));

        rig->clock.set(QDateTime(QDate(2026, 12, 5), QTime(9, 58, 30)));
        counter().advanceMs(60'000);
        click(window->imgResume);
        QCOMPARE(shown(), (Availability{false, true, false, true, false}));
        counter().advanceMs(1'000);
        click(window->imgLap);
        click(window->imgReset);
        QCOMPARE(shown(), (Availability{true, false, false, false, false}));
        QCOMPARE(window->ElapsedTime->text(), QStringLiteral("00:00:00.000"));

        rig->clock.set(QDateTime(QDate(2026, 12, 5), QTime(10, 0, 1)));
        click(window->imgStart);
        QCOMPARE(strip(), QStringLiteral("05.12.2026  09:57:37  Date/Time started\r\n"
                                         "00:00:00.000   Start\r\n"
                                         "00:00:12.345   Lap\r\n"
                                         "00:00:20.001   Pause\r\n"
                                         "\r\n"
                                         "09:58:30          Res'Time\r\n"
                                         "00:00:21.001   Lap\r\n"
                                         "\r\n"
                                         "05.12.2026  10:00:01  Date/Time started\r\n"
                                         "00:00:00.000   Start\r\n"));
        // The caret follows the last line.
        QCOMPARE(window->Text1->textCursor().position(),
                 window->Text1->document()->characterCount() - 1);
    }

    void anyMouseButtonRunsTheCommand_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }
    void anyMouseButtonRunsTheCommand()
    {
        QFETCH(Qt::MouseButton, button);
        click(window->imgStart, button);
        QCOMPARE(window->watch().WatchState, qint16(1));
        click(window->imgPause, button);
        QCOMPARE(window->watch().WatchState, qint16(2));
    }

    void altKeysInTheStrip()
    {
        window->Text1->setFocus();
        altKey(Qt::Key_L); // Lap is hidden: nothing
        altKey(Qt::Key_T); // Reset is hidden: nothing
        altKey(Qt::Key_S, Qt::ControlModifier);
        altKey(Qt::Key_S, Qt::ShiftModifier);
        QCOMPARE(window->watch().WatchState, qint16(5));
        QCOMPARE(strip(), QString());

        altKey(Qt::Key_S);
        QCOMPARE(window->watch().WatchState, qint16(1));
        altKey(Qt::Key_T); // Reset is not offered before a Lap
        QCOMPARE(window->watch().WatchState, qint16(1));
        counter().advanceMs(1'500);
        altKey(Qt::Key_L);
        counter().advanceMs(500);
        altKey(Qt::Key_P);
        QCOMPARE(shown(), (Availability{false, false, true, false, true}));
        altKey(Qt::Key_R);
        QCOMPARE(window->watch().WatchState, qint16(3));
        altKey(Qt::Key_P);
        altKey(Qt::Key_T);
        QCOMPARE(window->watch().WatchState, qint16(5));
        QVERIFY(strip().contains(QStringLiteral("00:00:01.500   Lap\r\n00:00:02.000   Pause\r\n")));
        // The keys run commands; they type nothing into the strip.
        QVERIFY(strip().startsWith(QStringLiteral("05.12.2026  09:57:37  Date/Time started\r\n")));
        QVERIFY(strip().endsWith(QStringLiteral("Pause\r\n\r\n")));
    }

    void clearWhileRunningKeepsTheWatchRunning()
    {
        click(window->imgStart);
        counter().advanceMs(3'000);
        window->mnClearStrip->trigger();
        QVERIFY(window->Text1->isEmpty());
        QCOMPARE(window->timer1().interval(), 15);
        counter().advanceMs(1'000);
        click(window->imgLap);
        QCOMPARE(strip(), QStringLiteral("00:00:04.000   Lap\r\n"));
        // Reset on an empty strip adds no separating line.
        window->mnClearStrip->trigger();
        click(window->imgReset);
        QVERIFY(window->Text1->isEmpty());
    }

    void typedTextStaysAndIsFollowed()
    {
        window->Text1->setFocus();
        QTest::keyClicks(window->Text1, QStringLiteral("runner 7"));
        click(window->imgStart);
        QVERIFY(strip().startsWith(QStringLiteral("runner 705.12.2026  09:57:37  Date/Time")));
        QTest::keyClick(window->Text1, Qt::Key_Return);
        QTest::keyClicks(window->Text1, QStringLiteral("note"));
        counter().advanceMs(2'000);
        click(window->imgLap);
        QVERIFY(strip().endsWith(QStringLiteral("Start\r\n\r\nnote00:00:02.000   Lap\r\n")));
    }

    // --- start-up and shut-down ------------------------------------------

    void firstStartCreatesTheFileAndTouchesTheRightEdge()
    {
        // init() started a window on a folder without a settings file.
        QCOMPARE(rig->scratch.rows(QStringLiteral("SELECT COUNT(*) FROM tUser")).value(0).value(0),
                 QVariant(0));
        QTRY_COMPARE(window->frameGeometry().right(), primaryScreen().right());
        QCOMPARE(window->y(), tikkro::ui::toPixels(270));
        QCOMPARE(rig->waits, 1);
        QCOMPARE(window->timer2().interval(), 500);
        QVERIFY(rig->messages.messages.isEmpty());

        QCOMPARE(window->ElapsedTime->text(), QStringLiteral("00:00:00.000"));
        QCOMPARE(shown(), (Availability{true, false, false, false, false}));
        QCOMPARE(window->timer1().interval(), 0);
        // The start-up Reset cannot move the focus, so the first control in
        // the tab order keeps it and Alt+S does nothing until the strip has it.
        QCOMPARE(QApplication::focusWidget(), window->ElapsedTime);
    }

    void exitSavesThePositionAndTheNextStartRestoresIt()
    {
        window->move(100, 50);
        window->mnExit->trigger();
        QCOMPARE(rig->scratch.rows(QStringLiteral("SELECT MeLeft, MeTop FROM tUser")),
                 (QList<QVariantList>{{1500.0, 750.0}}));
        window->close(); // a second close writes the same record again
        QCOMPARE(rig->scratch.rows(QStringLiteral("SELECT COUNT(*) FROM tUser")).value(0).value(0),
                 QVariant(1));

        auto again = rig->makeWindow();
        again->Form_Load();
        QCOMPARE(again->pos(), QPoint(100, 50));
    }

    void savedPositionsThatCannotBeUsed_data()
    {
        QTest::addColumn<QVariant>("left");
        QTest::addColumn<QVariant>("top");
        QTest::addColumn<QPoint>("expected"); // (-1, y): at the right edge
        QTest::newRow("top missing takes the default top")
            << QVariant(1500.0) << QVariant() << QPoint(100, 18);
        QTest::newRow("off every screen")
            << QVariant(-900000.0) << QVariant(750.0) << QPoint(-1, 18);
    }
    void savedPositionsThatCannotBeUsed()
    {
        QFETCH(QVariant, left);
        QFETCH(QVariant, top);
        QFETCH(QPoint, expected);
        rig->database.createIfMissing();
        QVERIFY(rig->scratch.exec(QStringLiteral("INSERT INTO tUser (MeLeft, MeTop) VALUES (?, ?)"),
                                  {left, top}));
        auto restarted = rig->makeWindow();
        restarted->Form_Load();
        if (expected.x() < 0) {
            expected.setX(primaryScreen().right() + 1 - restarted->frameGeometry().width());
        }
        QCOMPARE(restarted->pos(), expected);
    }

    void storedAlarmsNameTheirMenuItems()
    {
        rig->database.createIfMissing();
        QVERIFY(rig->scratch.exec(
            QStringLiteral("INSERT INTO tAlarm (aA, an, aT, aF) VALUES (101, 'Tea', 46000.5, 1)")));
        auto restarted = rig->makeWindow();
        restarted->Form_Load();
        QCOMPARE(restarted->mnCounter[1]->text(), QStringLiteral("&2: Tea"));
        QCOMPARE(restarted->mnCounter[0]->text(), QStringLiteral("Timer&1"));
        QVERIFY(rig->slots.Timers[1].Active);
    }

    void unreadableSettingsFileIsReportedOnce()
    {
        window.reset();
        QFile file(rig->scratch.path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, '\x5a'));
        file.close();
        auto broken = rig->makeWindow();
        broken->Form_Load();
        QCOMPARE(rig->messages.messages.size(), 1);
        QVERIFY(rig->messages.messages.first().text.contains(rig->scratch.path()));
        QCOMPARE(broken->y(), tikkro::ui::toPixels(270));
        QCOMPARE(broken->mnSetEdit[0]->text(), QStringLiteral("Alarm&1"));
        QCOMPARE(broken->timer2().interval(), 500);
        broken->close(); // shut-down ignores the failures
        QCOMPARE(rig->messages.messages.size(), 1);
        QCOMPARE(file.size(), 4096);
    }

    void exitClosesEveryOtherWindow()
    {
        window->mnEvents->trigger();
        window->mnEvents->trigger(); // the one events window, activated again
        window->mnSetEdit[0]->trigger();
        window->mnCounter[1]->trigger();
        window->mnAbout->trigger();
        QVERIFY(window->alarmWindows().events() != nullptr);
        QVERIFY(window->alarmWindows().alarmDialog() != nullptr);
        QVERIFY(window->alarmWindows().timerDialog() != nullptr);
        QVERIFY(window->aboutBox() != nullptr);
        window->mnExit->trigger();
        QVERIFY(window->alarmWindows().events() == nullptr);
        QVERIFY(window->alarmWindows().alarmDialog() == nullptr);
        QVERIFY(window->alarmWindows().timerDialog() == nullptr);
        QVERIFY(window->aboutBox() == nullptr);
        QVERIFY(!window->isVisible());
    }

    void monitorTickFillsTheClockField()
    {
        rig->clock.set(QDateTime(QDate(2026, 12, 7), QTime(8, 5, 9)));
        Q_EMIT window->timer2().tick();
        QCOMPARE(window->Uhr->text(), QStringLiteral("07.12.26   08:05:09"));
    }

    void alarmMenusChooseTheSlot()
    {
        QCOMPARE(window->mnCounter[1]->text(), QStringLiteral("Timer&2"));
        window->mnSetEdit[1]->trigger();
        QCOMPARE(rig->slots.CurrentAlarm, qint16(1));
        window->mnCounter[1]->trigger();
        QCOMPARE(rig->slots.CurrentTimer, qint16(1));
    }
};

QTEST_MAIN(TestFrmStart)
#include "TestFrmStart.moc"
