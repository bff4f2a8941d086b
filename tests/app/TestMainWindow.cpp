// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowRig.h"
#include "alarms/DigitField.h"
#include "fakes/DatabaseLockHolder.h"
#include "stopwatch/LogStrip.h"
#include "widgets/DisplayField.h"

using tikkro::fakes::DatabaseLockHolder;
using tikkro::settings::SettingsDatabase;
using namespace std::chrono_literals;
using tikkro::stopwatch::CommandSet;
using tikkro::stopwatch::Stopwatch;
using Rig = tikkro::testing::MainWindowRig;

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<Rig> rig;
    std::unique_ptr<tikkro::app::MainWindow> window;

    CommandSet shown() const
    {
        const auto on = [this](const char* name) {
            return child(QLatin1String(name) + QLatin1String("Button"))->isEnabled();
        };
        return {on("start"), on("lap"), on("resume"), on("pause"), on("reset")};
    }
    template <typename Widget = QWidget> Widget* child(const QString& name) const
    {
        auto* found = window->findChild<Widget*>(name);
        Q_ASSERT(found != nullptr);
        return found;
    }
    void trigger(const char* action) { child<QAction>(QLatin1String(action))->trigger(); }
    tikkro::stopwatch::LogStrip* logStrip() const
    {
        return child<tikkro::stopwatch::LogStrip>("logStrip");
    }
    QString display(const char* name) const
    {
        return child<tikkro::widgets::DisplayField>(QLatin1String(name))->text();
    }
    void click(const char* command, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(child(QLatin1String(command) + QLatin1String("Button")), button, {},
                          QPoint(20, 10));
    }
    void advance(qint64 ms) { rig->counter.advanceMs(ms); }
    QString strip() const { return logStrip()->text(); }
    // Keys go to the window as the keyboard sends them: to the focused
    // control first, then up to the window.
    static void key(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(window->windowHandle(), key, modifiers);
    }
    void restart(const SettingsDatabase* database = nullptr)
    {
        window = rig->makeWindow(nullptr, database);
        window->restoreSession();
    }
    QString onlyMessage() const
    {
        return rig->messages.messages.size() == 1 ? rig->messages.messages[0].text : "(not one)";
    }
    void setTimer(int field, const QString& value)
    {
        trigger("timerAction1");
        auto* dialog = window->alarmWindows().timerDialog();
        dialog->nameField()->setText("Tea");
        dialog->field(field)->setText(value);
        QTest::mouseClick(dialog->setButton(), Qt::LeftButton);
    }

private Q_SLOTS:
    void init()
    {
        rig = std::make_unique<Rig>();
        rig->clock.set(QDateTime(QDate(2026, 12, 5), QTime(9, 57, 37)));
        restart();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup()
    {
        window.reset();
        rig.reset();
    }

    // In German and French, at the desktop's font and at 16 pt, every window
    // grows to show each label and button whole rather than cutting a word.
    void translatedWindowsShowEveryTextWhole_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("points");
        for (const int points : {0, 16}) {
            QTest::addRow("de %d", points) << "de" << points;
            QTest::addRow("fr %d", points) << "fr" << points;
        }
    }
    void translatedWindowsShowEveryTextWhole()
    {
        QFETCH(QString, language);
        QFETCH(int, points);
        QTranslator catalogue;
        QVERIFY(catalogue.load("tikkro_" + language, QStringLiteral(TIKKRO_TRANSLATIONS)));
        QCoreApplication::installTranslator(&catalogue);
        const QFont desktop = QApplication::font();
        const auto restoreFont = qScopeGuard([&desktop] { QApplication::setFont(desktop); });
        if (points > 0) {
            QFont larger = desktop;
            larger.setPointSize(points);
            QApplication::setFont(larger);
        }
        cleanup();
        init();
        window->alarmWindows().showAlarmDialog(0);
        window->alarmWindows().showTimerDialog(0);
        window->alarmWindows().showEvents();
        trigger("aboutAction");
        int windows = 0;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (!top->isVisible()) {
                continue;
            }
            ++windows;
            for (const QLabel* label : top->findChildren<QLabel*>()) {
                const bool whole = label->wordWrap()
                                       ? label->heightForWidth(label->width()) <= label->height()
                                       : label->width() >= label->minimumSizeHint().width();
                QVERIFY2(whole, qPrintable(label->text()));
            }
            for (const QAbstractButton* button : top->findChildren<QAbstractButton*>()) {
                QVERIFY2(button->width() >= button->minimumSizeHint().width(),
                         qPrintable(button->text()));
            }
        }
        QCOMPARE(windows, 5);
    }

    // A whole run with the mouse, checking the buttons after every command
    // and the exact text of the strip at the end.
    void wholeRunWithTheMouse()
    {
        click("start");
        QCOMPARE(shown(), (CommandSet{false, true, false, true, false}));
        QCOMPARE(QApplication::focusWidget(), logStrip());
        advance(12'345);
        click("lap", Qt::RightButton); // any mouse button runs the command
        QCOMPARE(shown(), (CommandSet{false, true, false, true, true}));
        advance(7'656);
        click("pause", Qt::MiddleButton);
        QCOMPARE(shown(), (CommandSet{false, false, true, false, true}));
        QCOMPARE(display("elapsedTime"), QStringLiteral("00:00:20.00"));

        rig->clock.set(QDateTime(QDate(2026, 12, 5), QTime(9, 58, 30)));
        advance(60'000);
        click("resume");
        QCOMPARE(shown(), (CommandSet{false, true, false, true, false}));
        advance(1'000);
        click("lap");
        click("reset");
        QCOMPARE(shown(), (CommandSet{true, false, false, false, false}));
        QCOMPARE(display("elapsedTime"), QStringLiteral("00:00:00.000"));

        rig->clock.set(QDateTime(QDate(2026, 12, 5), QTime(10, 0, 1)));
        click("start");
        QCOMPARE(strip(), QStringLiteral("05.12.2026  09:57:37  Date/Time started\n"
                                         "00:00:00.000   Start\n"
                                         "00:00:12.345   Lap\n"
                                         "00:00:20.001   Pause\n"
                                         "\n"
                                         "09:58:30          Res'Time\n"
                                         "00:00:21.001   Lap\n"
                                         "\n"
                                         "05.12.2026  10:00:01  Date/Time started\n"
                                         "00:00:00.000   Start\n"));
        // The caret follows the last line.
        QCOMPARE(logStrip()->textCursor().position(), logStrip()->document()->characterCount() - 1);
    }

    // The Alt keys run the commands offered, wherever the focus is, and type
    // nothing; in German they follow the German captions, and the strip,
    // which the CSV is made from, reads as in English.
    void altKeysRunCommands_data()
    {
        QTest::addColumn<QString>("focus"); // empty: no control has it
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("keys"); // Start, Lap, Pause, Resume, Reset
        QTest::newRow("log strip") << "logStrip"
                                   << "en"
                                   << "SLPRT";
        QTest::newRow("elapsed time") << "elapsedTime"
                                      << "en"
                                      << "SLPRT";
        QTest::newRow("the window itself") << ""
                                           << "en"
                                           << "SLPRT";
        QTest::newRow("German") << "logStrip"
                                << "de"
                                << "SRPWN";
    }
    void altKeysRunCommands()
    {
        QFETCH(QString, focus);
        QFETCH(QString, language);
        QFETCH(QString, keys);
        QTranslator catalogue;
        if (language != "en") {
            QVERIFY(catalogue.load("tikkro_" + language, QStringLiteral(TIKKRO_TRANSLATIONS)));
            QCoreApplication::installTranslator(&catalogue);
            cleanup();
            init();
        }
        focus.isEmpty() ? QApplication::focusWidget()->clearFocus() : child(focus)->setFocus();
        const auto alt = [&](int command, Qt::KeyboardModifiers extra = {}) {
            key(window.get(), Qt::Key(keys.at(command).unicode()), Qt::AltModifier | extra);
        };
        enum
        {
            Start,
            Lap,
            Pause,
            Resume,
            Reset
        };
        alt(Lap); // not offered: nothing
        alt(Start, Qt::ControlModifier);
        alt(Start, Qt::ShiftModifier);
        QCOMPARE(window->watch().state(), Stopwatch::State::Reset);
        alt(Start);
        alt(Reset); // not offered before a Lap
        QCOMPARE(window->watch().state(), Stopwatch::State::Started);
        advance(1'500);
        alt(Lap);
        advance(500);
        alt(Pause);
        alt(Resume);
        QCOMPARE(window->watch().state(), Stopwatch::State::Running);
        alt(Pause);
        alt(Reset);
        QCOMPARE(window->watch().state(), Stopwatch::State::Reset);
        QVERIFY2(
            strip().startsWith("05.12.2026  09:57:37  Date/Time started\n00:00:00.000   Start\n"
                               "00:00:01.500   Lap\n00:00:02.000   Pause\n\n09:57:37 "),
            qPrintable(strip()));
        QVERIFY(strip().endsWith("00:00:02.000   Pause\n\n"));
    }

    // Typed text stays and the log follows it; Clear keeps the watch
    // running, and Reset on an empty strip adds no separating line.
    void typedTextStaysAndClearKeepsTheWatchRunning()
    {
        logStrip()->setFocus();
        QTest::keyClicks(logStrip(), QStringLiteral("runner 7"));
        click("start");
        QVERIFY(strip().startsWith(QStringLiteral("runner 705.12.2026  09:57:37  Date/Time")));
        QTest::keyClick(logStrip(), Qt::Key_Return);
        QTest::keyClicks(logStrip(), QStringLiteral("note"));
        advance(2'000);
        click("lap");
        QVERIFY(strip().endsWith(QStringLiteral("Start\n\nnote00:00:02.000   Lap\n")));
        trigger("clearLogAction");
        advance(2'000);
        click("lap");
        QCOMPARE(strip(), QStringLiteral("00:00:04.000   Lap\n"));
        trigger("clearLogAction");
        click("reset");
        QVERIFY(logStrip()->isEmpty());
    }

    // Ctrl+S saves the strip from wherever the focus is, and the file holds
    // exactly what the strip reads, its lines ended by CR LF.
    void ctrlSSavesTheStripAsShown()
    {
        click("start");
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("run.txt"));
        rig->fileDialogs.answer = tikkro::desktop::FileDialogService::SaveChoice{path, {}};
        child("elapsedTime")->setFocus();
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), strip().replace(u'\n', QStringLiteral("\r\n")).toUtf8());
    }

    // Open Timer 1, set 00:00:03, let it ring: no mouse anywhere.
    void keyboardOnlyRun()
    {
        key(window.get(), Qt::Key_A, Qt::AltModifier); // &Alarm
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_C); // &CountDown
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_1); // Timer&1
        QDialog* dialog = window->alarmWindows().timerDialog();
        QVERIFY(dialog != nullptr);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        for (int tab = 0; tab < 3; ++tab) {
            key(dialog, Qt::Key_Tab);
        }
        for (int up = 0; up < 3; ++up) {
            key(dialog, Qt::Key_Up);
        }
        key(dialog, Qt::Key_Return); // Set is the default button
        QVERIFY(rig->slots.timers[0].active);

        // The first monitor tick after the three seconds.
        rig->clock.advanceMs(3'500);
        Q_EMIT window->monitorTimer().tick();
        QCOMPARE(display("clockField"), QStringLiteral("05.12.26   09:57:40"));
        QVERIFY(window->alarmWindows().events()->text().startsWith(
            QStringLiteral("Timer 'Timer 1':\n    was due at: 05/12/2026 09:57:40\n")));
        QCOMPARE(rig->notifier.sent.size(), 1);
    }

    void refreshStopsWhileHiddenAndResumesExact_data()
    {
        QTest::addColumn<bool>("minimise"); // or hide
        QTest::newRow("hidden") << false;
        QTest::newRow("minimised") << true;
    }
    void refreshStopsWhileHiddenAndResumesExact()
    {
        QFETCH(bool, minimise);
        click("start");
        minimise ? window->showMinimized() : window->hide();
        QVERIFY(!window->refreshTimer().isTicking());
        advance(75'000);
        window->showNormal();
        QTRY_COMPARE(display("elapsedTime"), QStringLiteral("00:01:15.0"));
        // Assistive technology reads what is shown.
        QAccessibleInterface* elapsed = QAccessible::queryAccessibleInterface(child("elapsedTime"));
        QCOMPARE(elapsed->text(QAccessible::Value), QStringLiteral("00:01:15.0"));
        advance(500);
        click("lap");
        QVERIFY(strip().endsWith(QStringLiteral("00:01:15.500   Lap\n")));
    }

    // --- start-up and shut-down ------------------------------------------

    // init() started a window on a folder without a settings file; the
    // window shows the time at once, and the monitor starts at the next
    // whole second.
    void firstStart()
    {
        QCOMPARE(rig->scratch.rows("SELECT COUNT(*) FROM tUser").value(0).value(0), QVariant(0));
        QVERIFY(rig->messages.messages.isEmpty());
        QCOMPARE(shown(), (CommandSet{true, false, false, false, false}));
        QVERIFY(!window->refreshTimer().isTicking()); // a reset watch costs nothing
        QCOMPARE(QApplication::focusWidget(), logStrip());

        rig->untilWholeSecond = 30;
        restart();
        window->show();
        QCOMPARE(display("clockField"), QStringLiteral("05.12.26   09:57:37"));
        QVERIFY(!window->monitorTimer().isTicking());
        QTRY_VERIFY(window->monitorTimer().isTicking());
    }

    void exitSavesThePositionAndTheNextStartRestoresIt()
    {
        window->move(100, 50);
        trigger("exitAction");
        QCOMPARE(rig->scratch.rows("SELECT MeLeft, MeTop FROM tUser"),
                 (QList<QVariantList>{{1500.0, 750.0}}));
        window->close(); // a second close writes the same record again
        QCOMPARE(rig->scratch.rows("SELECT COUNT(*) FROM tUser").value(0).value(0), QVariant(1));
        restart();
        QCOMPARE(window->pos(), QPoint(100, 50));
    }

    void savedLeftWithoutTopTakesTheDefaultTop()
    {
        QVERIFY(rig->scratch.exec("INSERT INTO tUser (MeLeft, MeTop) VALUES (1500, NULL)"));
        restart();
        QCOMPARE(window->pos(), QPoint(100, 18));
    }

    void unreadableSettingsFileIsReportedOnce()
    {
        window.reset();
        QFile file(rig->scratch.path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, '\x5a'));
        file.close();
        restart();
        QVERIFY(onlyMessage().contains(rig->scratch.path()));
        window->close(); // shut-down ignores the failures
        QCOMPARE(rig->messages.messages.size(), 1);
        QCOMPARE(file.size(), 4096);
    }

    void exitClosesEveryOtherWindow()
    {
        trigger("eventsAction");
        trigger("eventsAction"); // the one events window, activated again
        trigger("alarmAction1");
        trigger("timerAction2");
        trigger("aboutAction");
        QCOMPARE(rig->slots.currentTimer, qint16(1));
        const auto shownWindows = [] {
            const QWidgetList all = QApplication::topLevelWidgets();
            return std::count_if(all.begin(), all.end(), [](QWidget* w) { return w->isVisible(); });
        };
        QCOMPARE(shownWindows(), 5);
        trigger("exitAction");
        QCOMPARE(shownWindows(), 0);
        QVERIFY(window->aboutBox() == nullptr);
    }

    // --- a busy, odd or read-only settings file, slow input ----------------

    // A missing table costs only what it holds: each start-up step goes on,
    // and the one warning names what failed.
    void startupStepsAreIndependent_data()
    {
        QTest::addColumn<QString>("missing");
        QTest::newRow("no tUser") << "tUser";
        QTest::newRow("no tAlarm") << "tAlarm";
    }
    void startupStepsAreIndependent()
    {
        QFETCH(QString, missing);
        QVERIFY(rig->scratch.exec("INSERT INTO tUser (MeLeft, MeTop) VALUES (1500, 750)"));
        QVERIFY(rig->scratch.exec(
            "INSERT INTO tAlarm (aA, an, aT, aF) VALUES (101, 'Tea', 46000.5, 1)"));
        QVERIFY(rig->scratch.exec("DROP TABLE " + missing));
        restart();
        const QString warning = onlyMessage();
        QVERIFY2(warning.contains("no such table: " + missing), qPrintable(warning));
        QCOMPARE(window->pos() == QPoint(100, 50), missing != "tUser");
        QCOMPARE(child<QAction>("timerAction2")->text().endsWith("Tea"), missing != "tAlarm");
    }

    // A file that cannot be written is said once, at start; Set keeps its
    // slot for the session and says so, and Exit says nothing more.
    void readOnlyFileIsSaidOnceEarly()
    {
        const SettingsDatabase readOnly(rig->scratch.path(), SettingsDatabase::DefaultBusyTimeout,
                                        SettingsDatabase::Access::ReadOnly);
        restart(&readOnly);
        QVERIFY2(onlyMessage().contains("readonly"), qPrintable(onlyMessage()));
        setTimer(1, "5");
        QCOMPARE(rig->messages.messages.size(), 2);
        QVERIFY(rig->slots.timers[0].active);
        trigger("exitAction");
        QCOMPARE(rig->messages.messages.size(), 2);
        QVERIFY(rig->scratch.rows("SELECT * FROM tAlarm").isEmpty());
        QVERIFY(rig->scratch.rows("SELECT * FROM tUser").isEmpty());
    }

    // With the file held by another program, Set answers without a word and
    // keeps the slot, the monitor fires it, and both records reach the file,
    // in order, once it is free.
    void heldFileHoldsUpNothingAndLosesNothing()
    {
        {
            const DatabaseLockHolder lock(rig->scratch.path(), 1500ms);
            QVERIFY(lock.locked());
            setTimer(0, "5");
            QVERIFY(rig->slots.timers[0].active);
            rig->clock.advanceMs(5'000);
            Q_EMIT window->monitorTimer().tick();
            QVERIFY(!rig->slots.timers[0].active);
        }
        QTRY_COMPARE(rig->scratch.rows("SELECT aA, an, aF FROM tAlarm"),
                     (QList<QVariantList>{{100, "Tea", 0}}));
        QVERIFY(rig->messages.messages.isEmpty());
    }

    void exitWithAHeldFileSaysThePositionWasNotKept()
    {
        const DatabaseLockHolder lock(rig->scratch.path(), 2s);
        QVERIFY(lock.locked());
        trigger("exitAction");
        QVERIFY(!window->isVisible());
        QVERIFY2(onlyMessage().contains("database is locked"), qPrintable(onlyMessage()));
        // A note that goes by itself never holds up a logout.
        QVERIFY(rig->messages.messages.first().timeout > 0ms);
    }

    // A click or key that waits behind a stalled window is timed when it was
    // given: the event carries its stamp, both clocks run on while the loop
    // stands still, and the Lap logs the moment of the input.
    void inputDelayedByAStallIsTimedWhenGiven_data()
    {
        QTest::addColumn<bool>("key");
        QTest::newRow("click") << false;
        QTest::newRow("Alt+L") << true;
    }
    void inputDelayedByAStallIsTimedWhenGiven()
    {
        QFETCH(bool, key);
        click("start");
        rig->eventClock.set(5'000'000LL * 1'000'000 + 600'000);
        const auto both = [this](qint64 ms) {
            advance(ms);
            rig->eventClock.advanceMs(ms);
        };
        both(6'380);
        const quint64 stamp = 5'006'380;
        if (key) {
            both(3'100);
            // As the platform hands on a key: tried as a shortcut first.
            qt_sendShortcutOverrideEvent(logStrip(), stamp, Qt::Key_L, Qt::AltModifier);
        } else {
            QWidget* lap = child("lapButton");
            auto* press = new QMouseEvent(QEvent::MouseButtonPress, QPointF(20, 10),
                                          lap->mapToGlobal(QPointF(20, 10)), Qt::LeftButton,
                                          Qt::LeftButton, Qt::NoModifier);
            press->setTimestamp(stamp);
            QCoreApplication::postEvent(lap, press);
            both(3'100);
        }
        QCoreApplication::processEvents();
        QVERIFY2(strip().endsWith("00:00:06.380   Lap\n"), qPrintable(strip()));
    }

    // A long paste goes in a slice at a time with the window's events
    // between; a Lap given meanwhile lands after the pasted text, nothing is
    // lost, and Undo takes a paste back whole.
    void longPasteGoesInWholeAndInOrder()
    {
        QString pasted;
        for (int i = 0; i < 100'000; ++i) {
            pasted += QStringLiteral("line %1\r\n").arg(i);
        }
        QApplication::clipboard()->setText(pasted);
        click("start");
        const QString before = strip();
        QTest::keyClick(logStrip(), Qt::Key_V, Qt::ControlModifier);
        QVERIFY(logStrip()->isPasting());
        advance(1'000);
        click("lap");
        QTRY_VERIFY(!logStrip()->isPasting());
        QCOMPARE(strip(), before + QString(pasted).remove(u'\r') + "00:00:01.000   Lap\n");

        const QString withLap = strip();
        QTest::keyClick(logStrip(), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(logStrip(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(strip(), withLap);
    }
};

TIKKRO_TEST(TestMainWindow)
#include "TestMainWindow.moc"
