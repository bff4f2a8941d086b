// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowRig.h"
#include "alarms/DigitField.h"
#include "fakes/DatabaseLockHolder.h"
#include "placement/Twips.h"
#include "stopwatch/LogStrip.h"
#include "widgets/CommandButton.h"
#include "widgets/DisplayField.h"

#include "TestSupport.h"

using tikkro::app::MainWindow;
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
    std::unique_ptr<MainWindow> window;
    tikkro::fakes::FakeCounter& counter() { return rig->counter; }

    CommandSet shown() const
    {
        return {button("start")->isEnabled(), button("lap")->isEnabled(),
                button("resume")->isEnabled(), button("pause")->isEnabled(),
                button("reset")->isEnabled()};
    }
    template <typename Widget = QWidget> Widget* child(const QString& name) const
    {
        auto* found = window->findChild<Widget*>(name);
        Q_ASSERT(found != nullptr);
        return found;
    }
    tikkro::widgets::CommandButton* button(const char* command) const
    {
        return child<tikkro::widgets::CommandButton>(QLatin1String(command) +
                                                     QLatin1String("Button"));
    }
    QAction* action(const char* name) const { return child<QAction>(QLatin1String(name)); }
    tikkro::stopwatch::LogStrip* logStrip() const
    {
        return child<tikkro::stopwatch::LogStrip>(QStringLiteral("logStrip"));
    }
    QString display(const char* name) const
    {
        return child<tikkro::widgets::DisplayField>(QLatin1String(name))->text();
    }
    void click(const char* command, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(this->button(command), button, {}, QPoint(20, 10));
    }
    void altKey(Qt::Key key, Qt::KeyboardModifiers extra = {})
    {
        this->key(window.get(), key, Qt::AltModifier | extra);
    }
    QString strip() const { return logStrip()->text(); }
    // Keys go to the window as the keyboard sends them: to the focused
    // control first, then up to the window.
    static void key(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(window->windowHandle(), key, modifiers);
    }

private Q_SLOTS:
    void init()
    {
        rig = std::make_unique<Rig>();
        rig->clock.set(QDateTime(QDate(2026, 12, 5), QTime(9, 57, 37)));
        window = rig->makeWindow();
        window->restoreSession();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup()
    {
        window.reset();
        rig.reset();
    }

    // In German the Alt keys follow the German captions, and the strip, which
    // the CSV is made from, reads byte for byte as in English.
    void germanKeysKeepTheStripEnglish()
    {
        const auto run = [this](std::initializer_list<Qt::Key> keys) {
            for (const Qt::Key key : keys) {
                counter().advanceMs(1'234);
                altKey(key);
            }
            return strip();
        };
        using Qt::Key_L, Qt::Key_N, Qt::Key_P, Qt::Key_R, Qt::Key_S, Qt::Key_T, Qt::Key_W;
        const QString english = run({Key_S, Key_L, Key_P, Key_R, Key_P, Key_T, Key_S});
        QCOMPARE(english.count(QLatin1String("Date/Time started")), 2);
        QTranslator german;
        QVERIFY(german.load(QStringLiteral("tikkro_de"), QStringLiteral(TIKKRO_TRANSLATIONS)));
        QCoreApplication::installTranslator(&german);
        cleanup();
        init();
        QCOMPARE(run({Key_S, Key_R, Key_P, Key_W, Key_P, Key_N, Key_S}), english);
    }

    // In German and French, at the desktop's font and at 16 pt, every window
    // grows to show each label and button whole rather than cutting a word.
    void translatedWindowsShowEveryTextWhole_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("fileMenu");
        for (const int points : {0, 16}) {
            QTest::addRow("de %d", points) << "de" << points << "&Datei";
            QTest::addRow("fr %d", points) << "fr" << points << "&Fichier";
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
        QTEST(window->menuBar()->actions().at(0)->text(), "fileMenu");
        window->alarmWindows().showAlarmDialog(0);
        window->alarmWindows().showTimerDialog(0);
        window->alarmWindows().showEvents();
        action("aboutAction")->trigger();
        QStringList titles;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (!top->isVisible()) {
                continue;
            }
            titles.append(top->windowTitle());
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
        titles.sort();
        if (language == "de") {
            QCOMPARE(titles, QStringList({"Alarm einstellen", "Alarm- und Timer-Ereignisse",
                                          "Tikkro", "Timer einstellen", "Über Tikkro"}));
        }
        QCOMPARE(titles.size(), 5);
    }

    // A whole run with the mouse, checking the buttons after every command
    // and the exact text of the strip at the end.
    void wholeRunWithTheMouse()
    {
        click("start");
        QCOMPARE(shown(), (CommandSet{false, true, false, true, false}));
        QCOMPARE(QApplication::focusWidget(), logStrip());

        counter().advanceMs(12'345);
        click("lap");
        QCOMPARE(shown(), (CommandSet{false, true, false, true, true}));
        counter().advanceMs(7'656);
        click("pause");
        QCOMPARE(shown(), (CommandSet{false, false, true, false, true}));
        QCOMPARE(display("elapsedTime"), QStringLiteral("00:00:20.00"));

        rig->clock.set(QDateTime(QDate(2026, 12, 5), QTime(9, 58, 30)));
        counter().advanceMs(60'000);
        click("resume");
        QCOMPARE(shown(), (CommandSet{false, true, false, true, false}));
        counter().advanceMs(1'000);
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
        click("start", button);
        QCOMPARE(window->watch().state(), Stopwatch::State::Started);
        click("pause", button);
        QCOMPARE(window->watch().state(), Stopwatch::State::Paused);
    }

    void altKeysRunCommandsWhereverTheFocusIs_data()
    {
        QTest::addColumn<QString>("focus"); // empty: no control has it
        QTest::newRow("log strip") << "logStrip";
        QTest::newRow("elapsed time") << "elapsedTime";
        QTest::newRow("the window itself") << "";
    }
    void altKeysRunCommandsWhereverTheFocusIs()
    {
        QFETCH(QString, focus);
        if (focus.isEmpty()) {
            QApplication::focusWidget()->clearFocus();
        } else {
            child(focus)->setFocus();
        }
        altKey(Qt::Key_L); // Lap is not offered: nothing
        altKey(Qt::Key_T); // nor is Reset
        altKey(Qt::Key_S, Qt::ControlModifier);
        altKey(Qt::Key_S, Qt::ShiftModifier);
        QCOMPARE(window->watch().state(), Stopwatch::State::Reset);
        QCOMPARE(strip(), QString());

        altKey(Qt::Key_S);
        QCOMPARE(window->watch().state(), Stopwatch::State::Started);
        altKey(Qt::Key_T); // Reset is not offered before a Lap
        QCOMPARE(window->watch().state(), Stopwatch::State::Started);
        counter().advanceMs(1'500);
        altKey(Qt::Key_L);
        counter().advanceMs(500);
        altKey(Qt::Key_P);
        QCOMPARE(shown(), (CommandSet{false, false, true, false, true}));
        altKey(Qt::Key_R);
        QCOMPARE(window->watch().state(), Stopwatch::State::Running);
        altKey(Qt::Key_P);
        altKey(Qt::Key_T);
        QCOMPARE(window->watch().state(), Stopwatch::State::Reset);
        QVERIFY(strip().contains(QStringLiteral("00:00:01.500   Lap\n00:00:02.000   Pause\n")));
        // The keys run commands; they type nothing into the strip.
        QVERIFY(strip().startsWith(QStringLiteral("05.12.2026  09:57:37  Date/Time started\n")));
        QVERIFY(strip().endsWith(QStringLiteral("Pause\n\n")));
    }

    void clearWhileRunningKeepsTheWatchRunning()
    {
        click("start");
        counter().advanceMs(3'000);
        action("clearLogAction")->trigger();
        QVERIFY(logStrip()->isEmpty());
        counter().advanceMs(1'000);
        click("lap");
        QCOMPARE(strip(), QStringLiteral("00:00:04.000   Lap\n"));
        // Reset on an empty strip adds no separating line.
        action("clearLogAction")->trigger();
        click("reset");
        QVERIFY(logStrip()->isEmpty());
    }

    void typedTextStaysAndIsFollowed()
    {
        logStrip()->setFocus();
        QTest::keyClicks(logStrip(), QStringLiteral("runner 7"));
        click("start");
        QVERIFY(strip().startsWith(QStringLiteral("runner 705.12.2026  09:57:37  Date/Time")));
        QTest::keyClick(logStrip(), Qt::Key_Return);
        QTest::keyClicks(logStrip(), QStringLiteral("note"));
        counter().advanceMs(2'000);
        click("lap");
        QVERIFY(strip().endsWith(QStringLiteral("Start\n\nnote00:00:02.000   Lap\n")));
    }

    // Ctrl+S saves the strip from wherever the focus is, here the elapsed
    // time, and the file holds exactly what the strip reads, its lines ended
    // by CR LF.
    void ctrlSSavesTheStripAsShown()
    {
        click("start");
        counter().advanceMs(1'250);
        click("lap");
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("run.txt"));
        rig->fileDialogs.answer = tikkro::desktop::FileDialogService::SaveChoice{path, {}};
        child(QStringLiteral("elapsedTime"))->setFocus();
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(rig->fileDialogs.openings.size(), 1);
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), strip().replace(u'\n', QStringLiteral("\r\n")).toUtf8());
    }

    // --- keyboard, assistive technology, idle cost -------------------------

    // Start the program, open Timer 1, set 00:00:03, let it ring: no mouse
    // anywhere.
    void keyboardOnlyRun()
    {
        key(window.get(), Qt::Key_A, Qt::AltModifier); // &Alarm
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_C); // &CountDown
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_1); // Timer&1
        QDialog* dialog = window->alarmWindows().timerDialog();
        QVERIFY(dialog != nullptr);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QCOMPARE(dialog->focusWidget()->objectName(), QStringLiteral("nameField"));
        for (int tab = 0; tab < 3; ++tab) {
            key(dialog, Qt::Key_Tab);
        }
        QCOMPARE(dialog->focusWidget()->accessibleName(), QStringLiteral("Seconds"));
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
        QCOMPARE(rig->notifier.sent.first().summary, QStringLiteral("Timer 'Timer 1'"));
    }

    void displaysGiveTheirTextWhenAsked()
    {
        QAccessibleInterface* elapsed =
            QAccessible::queryAccessibleInterface(child(QStringLiteral("elapsedTime")));
        QCOMPARE(elapsed->role(), QAccessible::StaticText);
        QCOMPARE(elapsed->text(QAccessible::Name), QStringLiteral("Elapsed time"));
        click("start");
        counter().advanceMs(12'345);
        Q_EMIT window->refreshTimer().tick();
        QCOMPARE(elapsed->textInterface()->text(0, -1), QStringLiteral("00:00:12.34"));
        QCOMPARE(elapsed->text(QAccessible::Value), QStringLiteral("00:00:12.34"));
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
        QVERIFY(window->refreshTimer().isTicking());
        minimise ? window->showMinimized() : window->hide();
        QVERIFY(!window->refreshTimer().isTicking());

        counter().advanceMs(75'000);
        window->showNormal();
        QVERIFY(window->refreshTimer().isTicking());
        QTRY_COMPARE(display("elapsedTime"), QStringLiteral("00:01:15.0"));
        counter().advanceMs(500);
        click("lap");
        QVERIFY(strip().endsWith(QStringLiteral("00:01:15.500   Lap\n")));
    }

    // --- start-up and shut-down ------------------------------------------

    void firstStartCreatesTheFileAndTouchesTheRightEdge()
    {
        // init() started a window on a folder without a settings file.
        QCOMPARE(rig->scratch.rows(QStringLiteral("SELECT COUNT(*) FROM tUser")).value(0).value(0),
                 QVariant(0));
        QTRY_COMPARE(window->frameGeometry().right(),
                     QGuiApplication::primaryScreen()->geometry().right());
        QCOMPARE(window->y(), tikkro::placement::toPixels(270));
        QVERIFY(rig->messages.messages.isEmpty());

        QCOMPARE(display("elapsedTime"), QStringLiteral("00:00:00.000"));
        QCOMPARE(shown(), (CommandSet{true, false, false, false, false}));
        QCOMPARE(window->refreshTimer().interval(), 0); // a reset watch costs nothing
        QCOMPARE(QApplication::focusWidget(), logStrip());
    }

    void exitSavesThePositionAndTheNextStartRestoresIt()
    {
        window->move(100, 50);
        action("exitAction")->trigger();
        QCOMPARE(rig->scratch.rows(QStringLiteral("SELECT MeLeft, MeTop FROM tUser")),
                 (QList<QVariantList>{{1500.0, 750.0}}));
        window->close(); // a second close writes the same record again
        QCOMPARE(rig->scratch.rows(QStringLiteral("SELECT COUNT(*) FROM tUser")).value(0).value(0),
                 QVariant(1));

        auto again = rig->makeWindow();
        again->restoreSession();
        QCOMPARE(again->pos(), QPoint(100, 50));
    }

    // The window shows the time at once; the monitor's first tick comes
    // half a second after the next whole second.
    void monitorStartsAtTheWholeSecondWithoutHoldingTheWindow()
    {
        rig->untilWholeSecond = 30;
        window = rig->makeWindow();
        window->restoreSession();
        QCOMPARE(display("clockField"), QStringLiteral("05.12.26   09:57:37"));
        QCOMPARE(window->monitorTimer().interval(), 530);
    }

    void savedLeftWithoutTopTakesTheDefaultTop()
    {
        rig->database.createIfMissing();
        QVERIFY(rig->scratch.exec("INSERT INTO tUser (MeLeft, MeTop) VALUES (1500, NULL)"));
        auto restarted = rig->makeWindow();
        restarted->restoreSession();
        QCOMPARE(restarted->pos(), QPoint(100, 18));
    }

    void unreadableSettingsFileIsReportedOnce()
    {
        window.reset();
        QFile file(rig->scratch.path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, '\x5a'));
        file.close();
        auto broken = rig->makeWindow();
        broken->restoreSession();
        QCOMPARE(rig->messages.messages.size(), 1);
        QVERIFY(rig->messages.messages.first().text.contains(rig->scratch.path()));
        QCOMPARE(broken->y(), tikkro::placement::toPixels(270));
        broken->close(); // shut-down ignores the failures
        QCOMPARE(rig->messages.messages.size(), 1);
        QCOMPARE(file.size(), 4096);
    }

    void exitClosesEveryOtherWindow()
    {
        action("eventsAction")->trigger();
        action("eventsAction")->trigger(); // the one events window, activated again
        action("alarmAction1")->trigger();
        action("timerAction2")->trigger();
        action("aboutAction")->trigger();
        QVERIFY(window->alarmWindows().events() != nullptr);
        QVERIFY(window->alarmWindows().alarmDialog() != nullptr);
        QVERIFY(window->alarmWindows().timerDialog() != nullptr);
        QVERIFY(window->aboutBox() != nullptr);
        action("exitAction")->trigger();
        QVERIFY(window->alarmWindows().events() == nullptr);
        QVERIFY(window->alarmWindows().alarmDialog() == nullptr);
        QVERIFY(window->alarmWindows().timerDialog() == nullptr);
        QVERIFY(window->aboutBox() == nullptr);
        QVERIFY(!window->isVisible());
    }

    void alarmMenusChooseTheSlot()
    {
        action("alarmAction2")->trigger();
        QCOMPARE(rig->slots.currentAlarm, qint16(1));
        action("timerAction2")->trigger();
        QCOMPARE(rig->slots.currentTimer, qint16(1));
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
        auto restarted = rig->makeWindow();
        restarted->restoreSession();
        QCOMPARE(rig->messages.messages.size(), 1);
        const QString warning = rig->messages.messages.first().text;
        QVERIFY2(warning.contains("no such table: " + missing), qPrintable(warning));
        const bool positionRead = missing != "tUser";
        QCOMPARE(restarted->pos() == QPoint(100, 50), positionRead);
        QCOMPARE(warning.contains("default place"), !positionRead);
        const bool alarmsLoaded = missing != "tAlarm";
        QCOMPARE(restarted->findChild<QAction*>("timerAction2")->text() == "&2: Tea", alarmsLoaded);
        QCOMPARE(warning.contains("alarms and timers could not be loaded"), !alarmsLoaded);
    }

    // A file that cannot be written is said once, at start; Set keeps its
    // slot for the session and says so, and Exit says nothing more.
    void readOnlyFileIsSaidOnceEarly()
    {
        const SettingsDatabase readOnly(rig->scratch.path(), SettingsDatabase::DefaultBusyTimeout,
                                        SettingsDatabase::Access::ReadOnly);
        window = rig->makeWindow(nullptr, &readOnly);
        window->restoreSession();
        QCOMPARE(rig->messages.messages.size(), 1);
        QVERIFY2(rig->messages.messages[0].text.contains("Changes will not be kept: ") &&
                     rig->messages.messages[0].text.contains("readonly"),
                 qPrintable(rig->messages.messages[0].text));

        action("timerAction1")->trigger();
        auto* dialog = window->alarmWindows().timerDialog();
        dialog->nameField()->setText("Tea");
        dialog->field(1)->setText("5");
        QTest::mouseClick(dialog->setButton(), Qt::LeftButton);
        QCOMPARE(rig->messages.messages.size(), 2);
        QVERIFY(rig->messages.messages[1].text.startsWith(
            "Timer 1 'Tea' is set, but only until Tikkro closes"));
        QVERIFY(rig->slots.timers[0].active);
        action("exitAction")->trigger();
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
            action("timerAction1")->trigger();
            auto* dialog = window->alarmWindows().timerDialog();
            dialog->nameField()->setText("Tea");
            dialog->field(0)->setText("5");
            QTest::mouseClick(dialog->setButton(), Qt::LeftButton);
            QVERIFY(rig->messages.messages.isEmpty());
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
        action("exitAction")->trigger();
        QVERIFY(!window->isVisible());
        QCOMPARE(rig->messages.messages.size(), 1);
        // A note that goes by itself never holds up a logout.
        QVERIFY(rig->messages.messages.first().timeout > 0ms);
        const QString note = rig->messages.messages.first().text;
        QVERIFY2(note.startsWith("The window position could not be kept.") &&
                     note.contains("database is locked") && note.contains(rig->scratch.path()),
                 qPrintable(note));
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
        const auto advance = [this](qint64 ms) {
            counter().advanceMs(ms);
            rig->eventClock.advanceMs(ms);
        };
        advance(6'380);
        const quint64 stamp = 5'006'380;
        if (key) {
            advance(3'100);
            // As the platform hands on a key: tried as a shortcut first.
            qt_sendShortcutOverrideEvent(logStrip(), stamp, Qt::Key_L, Qt::AltModifier);
        } else {
            auto* press = new QMouseEvent(QEvent::MouseButtonPress, QPointF(20, 10),
                                          button("lap")->mapToGlobal(QPointF(20, 10)),
                                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            press->setTimestamp(stamp);
            QCoreApplication::postEvent(button("lap"), press);
            advance(3'100);
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
        counter().advanceMs(1'000);
        click("lap");
        QTRY_VERIFY(!logStrip()->isPasting());
        QCOMPARE(strip(), before + QString(pasted).remove(u'\r') + "00:00:01.000   Lap\n");

        const QString withLap = strip();
        QTest::keyClick(logStrip(), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(logStrip(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(strip(), withLap);
    }
};

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
