// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/AlarmSlots.h"
#include "app/FrmStart.h"
#include "fakes/FakeCounter.h"
#include "fakes/FakeMessageService.h"
#include "fakes/FakeWallClock.h"
#include "stopwatch/LogStrip.h"
#include "ui/DisplayField.h"
#include "ui/ImageWidget.h"

#include <QAction>
#include <QMenu>
#include <QTest>
#include <memory>

using tikkro::app::FrmStart;

namespace {

struct Availability
{
    bool start, lap, resume, pause, reset;
    bool operator==(const Availability&) const = default;
};

} // namespace

class TestFrmStart : public QObject
{
    Q_OBJECT

    tikkro::fakes::FakeCounter counter;
    tikkro::fakes::FakeWallClock clock;
    tikkro::fakes::FakeMessageService messages;
    tikkro::alarms::AlarmSlots slots;
    std::unique_ptr<FrmStart> window;

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
        clock.set(QDateTime(QDate(2026, 12, 5), QTime(9, 57, 37)));
        window = std::make_unique<FrmStart>(FrmStart::Services{counter, clock, messages, slots});
        window->Form_Load();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { window.reset(); }

    void readyAfterStartUp()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Tikkro"));
        QCOMPARE(window->ElapsedTime->text(), QStringLiteral("00:00:00.000"));
        QCOMPARE(shown(), (Availability{true, false, false, false, false}));
        QVERIFY(window->Text1->isEmpty());
        QCOMPARE(window->timer1().interval(), 0);
        // The start-up Reset cannot move the focus, so the first control in
        // the tab order has it and Alt+S in the window does nothing yet.
        QCOMPARE(QApplication::focusWidget(), window->ElapsedTime);
        QVERIFY(!window->imgStartGrau->isHidden());
        QCOMPARE(window->imgStart->accessibleName(), QStringLiteral("Start"));
    }

    // A whole run with the mouse, checking the buttons after every command
    // and the exact text of the strip at the end.
    void wholeRunWithTheMouse()
    {
        click(window->imgStart);
        QCOMPARE(shown(), (Availability{false, true, false, true, false}));
        QCOMPARE(window->timer1().interval(), 15);
        QCOMPARE(QApplication::focusWidget(), window->Text1);

        counter.advanceMs(12'345);
        click(window->imgLap);
        QCOMPARE(shown(), (Availability{false, true, false, true, true}));
        counter.advanceMs(7'656);
        click(window->imgPause);
        QCOMPARE(shown(), (Availability{false, false, true, false, true}));
        QCOMPARE(window->ElapsedTime->text(), QStringLiteral("00:00:20.00"));

        clock.set(QDateTime(QDate(2026, 12, 5), QTime(9, 58, 30)));
        counter.advanceMs(60'000);
        click(window->imgResume);
        QCOMPARE(shown(), (Availability{false, true, false, true, false}));
        counter.advanceMs(1'000);
        click(window->imgLap);
        click(window->imgReset);
        QCOMPARE(shown(), (Availability{true, false, false, false, false}));
        QCOMPARE(window->ElapsedTime->text(), QStringLiteral("00:00:00.000"));

        clock.set(QDateTime(QDate(2026, 12, 5), QTime(10, 0, 1)));
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

    void resetOnEmptyStripAppendsNothing()
    {
        window->Text1->setFocus();
        click(window->imgStart);
        click(window->imgLap);
        window->mnClearStrip->trigger();
        click(window->imgReset);
        QCOMPARE(strip(), QString());
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
        counter.advanceMs(1'500);
        altKey(Qt::Key_L);
        counter.advanceMs(500);
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
        counter.advanceMs(3'000);
        window->mnClearStrip->trigger();
        QVERIFY(window->Text1->isEmpty());
        QCOMPARE(window->timer1().interval(), 15);
        counter.advanceMs(1'000);
        click(window->imgLap);
        QCOMPARE(strip(), QStringLiteral("00:00:04.000   Lap\r\n"));
    }

    void typedTextStaysAndIsFollowed()
    {
        window->Text1->setFocus();
        QTest::keyClicks(window->Text1, QStringLiteral("runner 7"));
        click(window->imgStart);
        QVERIFY(strip().startsWith(QStringLiteral("runner 705.12.2026  09:57:37  Date/Time")));
        QTest::keyClick(window->Text1, Qt::Key_Return);
        QTest::keyClicks(window->Text1, QStringLiteral("note"));
        counter.advanceMs(2'000);
        click(window->imgLap);
        QVERIFY(strip().endsWith(QStringLiteral("Start\r\n\r\nnote00:00:02.000   Lap\r\n")));
    }

    void refreshTicksShowTheRunningTime()
    {
        click(window->imgStart);
        counter.advanceMs(61'234);
        Q_EMIT window->timer1().tick();
        QCOMPARE(window->ElapsedTime->text(), QStringLiteral("00:01:01.2"));
        QCOMPARE(window->timer1().interval(), 100);
    }

    void menus()
    {
        const auto captions = [](QMenu* menu) {
            QStringList texts;
            for (QAction* action : menu->actions()) {
                texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
            }
            return texts;
        };
        QCOMPARE(captions(window->mnFile), (QStringList{"&Print Log Strip", "-", "E&xit"}));
        QCOMPARE(captions(window->mnAbsolute), (QStringList{"Alarm&1", "Alarm&2"}));
        QCOMPARE(captions(window->mnCountDown), (QStringList{"Timer&1", "Timer&2"}));
        QCOMPARE(captions(window->mnExtra),
                 (QStringList{"&Clear Log Strip", "Show &Events Window"}));
        QCOMPARE(captions(window->mnHelp), (QStringList{"&About"}));

        window->mnSetEdit[1]->trigger();
        QCOMPARE(slots.CurrentAlarm, qint16(1));
        window->mnCounter[1]->trigger();
        QCOMPARE(slots.CurrentTimer, qint16(1));
        window->mnCounter[0]->trigger();
        QCOMPARE(slots.CurrentTimer, qint16(0));
    }
};

QTEST_MAIN(TestFrmStart)
#include "TestFrmStart.moc"
