// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowRig.h"
#include "fakes/DatabaseLockHolder.h"
#include "fakes/FakeWindowPixelWriter.h"
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
    QTranslator catalogue;

    CommandSet shown() const
    {
        const auto on = [this](const char* name) {
            return child(QLatin1String(name) + QLatin1String("Button"))->isEnabled();
        };
        return {on("start"), on("lap"), on("resume"), on("pause"), on("reset")};
    }
    template <typename Widget = QWidget> Widget* child(const QString& name) const
    {
        return rig->window->findChild<Widget*>(name);
    }
    void trigger(const char* action) { child<QAction>(QLatin1String(action))->trigger(); }
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
    QString onlyMessage() const
    {
        return rig->messages.messages.size() == 1 ? rig->messages.messages[0].text : "(not one)";
    }
    static qsizetype shownWindows()
    {
        const QWidgetList all = QApplication::topLevelWidgets();
        return std::count_if(all.begin(), all.end(), [](QWidget* w) { return w->isVisible(); });
    }
    void setTimer(int field, const QString& value)
    {
        trigger("timerAction1");
        auto* dialog = rig->window->alarmWindows().timerDialog();
        dialog->nameField()->setText("Tea");
        dialog->field(field)->setText(value);
        QTest::mouseClick(dialog->setButton(), Qt::LeftButton);
    }
    // Opens the window afresh with the program's texts in that language.
    void restartIn(const QString& language)
    {
        cleanup();
        QVERIFY(catalogue.load("tikkro_" + language, QStringLiteral(TIKKRO_TRANSLATIONS)));
        QCoreApplication::installTranslator(&catalogue);
        init();
    }

private Q_SLOTS:
    void init()
    {
        rig = std::make_unique<Rig>();
        rig->clock.set(QDateTime(QDate(2026, 12, 5), QTime(9, 57, 37)));
        rig->open();
        rig->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig->window.get()));
    }
    void cleanup()
    {
        rig.reset();
        QCoreApplication::removeTranslator(&catalogue);
    }

    // A whole run given by the mouse or by the Alt keys, which run the
    // commands offered wherever the focus is and type nothing; in German
    // they follow the German captions, and the strip, which the CSV is made
    // from, reads as in English. The buttons are checked after every
    // command and the exact text of the strip at the end; Ctrl+S saves it
    // from wherever the focus is, its lines ended by CR LF.
    void wholeRun_data()
    {
        // focus empty: no control has it; keys for Start, Lap, Pause, Resume,
        // Reset, or none: the mouse
        addColumns<QString, QString, QString>({"focus", "language", "keys"});
        const auto row = [](const char* name, const char* focus, const char* language,
                            const char* keys) {
            QTest::newRow(name) << QString(focus) << QString(language) << QString(keys);
        };
        row("mouse", "logStrip", "en", "");
        row("Alt keys, log strip", "logStrip", "en", "SLPRT");
        row("Alt keys, the window itself", "", "en", "SLPRT");
        row("Alt keys, German", "logStrip", "de", "SRPWN");
    }
    void wholeRun()
    {
        QFETCH(QString, focus);
        QFETCH(QString, language);
        QFETCH(QString, keys);
        if (language != "en") {
            restartIn(language);
        }
        focus.isEmpty() ? QApplication::focusWidget()->clearFocus() : child(focus)->setFocus();
        // Any mouse button runs the command.
        const auto give = [&](char16_t english, Qt::MouseButton button = Qt::LeftButton,
                              Qt::KeyboardModifiers extra = {}) {
            const qsizetype command = QStringLiteral("SLPRT").indexOf(english);
            if (keys.isEmpty()) {
                const char* names[] = {"start", "lap", "pause", "resume", "reset"};
                click(names[command], button);
            } else {
                const Qt::Key letter = Qt::Key(keys.at(command).unicode());
                // As the keyboard sends it: to the focused control first.
                QTest::keyClick(rig->window->windowHandle(), letter, Qt::AltModifier | extra);
            }
        };
        give(u'L'); // not offered: nothing
        // A click starts; Alt with another modifier does not.
        give(u'S', Qt::LeftButton, Qt::ControlModifier);
        give(u'S', Qt::LeftButton, Qt::ShiftModifier);
        QCOMPARE(rig->window->watch().state(),
                 keys.isEmpty() ? Stopwatch::State::Started : Stopwatch::State::Reset);
        give(u'S');
        give(u'T'); // not offered before a Lap
        QCOMPARE(shown(), (CommandSet{false, true, false, true, false}));
        QCOMPARE(QApplication::focusWidget(), rig->logStrip());
        advance(12'345);
        give(u'L', Qt::RightButton);
        QCOMPARE(shown(), (CommandSet{false, true, false, true, true}));
        advance(7'656);
        give(u'P', Qt::MiddleButton);
        QCOMPARE(shown(), (CommandSet{false, false, true, false, true}));

        rig->clock.set(QDateTime(QDate(2026, 12, 5), QTime(9, 58, 30)));
        advance(60'000);
        give(u'R');
        QCOMPARE(shown(), (CommandSet{false, true, false, true, false}));
        advance(1'000);
        give(u'L');
        give(u'T');
        QCOMPARE(shown(), (CommandSet{true, false, false, false, false}));

        rig->clock.set(QDateTime(QDate(2026, 12, 5), QTime(10, 0, 1)));
        give(u'S');
        QCOMPARE(rig->strip(), QStringLiteral("05.12.2026  09:57:37  Date/Time started\n"
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
        QCOMPARE(rig->logStrip()->textCursor().position(),
                 rig->logStrip()->document()->characterCount() - 1);

        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("run.txt"));
        rig->fileDialogs.answer = tikkro::desktop::FileDialogService::SaveChoice{path, {}};
        focus.isEmpty() ? QApplication::focusWidget()->clearFocus() : child(focus)->setFocus();
        QTest::keyClick(rig->window.get(), Qt::Key_S, Qt::ControlModifier);
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), rig->strip().replace(u'\n', QStringLiteral("\r\n")).toUtf8());
    }

    // Typed text stays and the log follows it; Clear keeps the watch
    // running, and Reset on an empty strip adds no separating line.
    void typedTextStaysAndClearKeepsTheWatchRunning()
    {
        QTest::keyClicks(rig->logStrip(), QStringLiteral("runner 7"));
        click("start");
        QVERIFY(rig->strip().startsWith(QStringLiteral("runner 705.12.2026  09:57:37  Date")));
        trigger("clearLogAction");
        advance(4'000);
        click("lap");
        QCOMPARE(rig->strip(), QStringLiteral("00:00:04.000   Lap\n"));
        trigger("clearLogAction");
        click("reset");
        QVERIFY(rig->logStrip()->isEmpty());
    }

    // Open Timer 1, set 00:00:03, let it ring: no mouse anywhere, and the
    // clock shows the monitor's tick.
    void keyboardOnlyRun()
    {
        QTest::keyClick(rig->window->windowHandle(), Qt::Key_A, Qt::AltModifier); // &Alarm
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_C); // &CountDown
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_1); // Timer&1
        QDialog* dialog = rig->window->alarmWindows().timerDialog();
        QVERIFY(dialog != nullptr);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        for (const Qt::Key next : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Up, Qt::Key_Up,
                                   Qt::Key_Up, Qt::Key_Return}) {
            QTest::keyClick(dialog->windowHandle(), next); // Return: Set is the default
        }
        QVERIFY(rig->slots.timers[0].active);

        // The first monitor tick after the three seconds.
        rig->clock.advanceMs(3'500);
        Q_EMIT rig->window->monitorTimer().tick();
        QCOMPARE(display("clockField"), QStringLiteral("05.12.26   09:57:40"));
        QVERIFY(!rig->slots.timers[0].active);
    }

    // Hidden or minimised, the running watch costs nothing, and shown again
    // it reads the exact time at once.
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
        minimise ? rig->window->showMinimized() : rig->window->hide();
        QVERIFY(!rig->window->refreshTimer().isTicking());
        advance(75'500);
        rig->window->showNormal();
        QTRY_COMPARE(display("elapsedTime"), QStringLiteral("00:01:15.5"));
    }

    // Where the elapsed field can write into its window, the running display
    // refreshes itself and the window's timer rests, up to the next level;
    // a command takes the display back, so that it shows what the log says,
    // and so does a minimised window, where nobody sees it, or one that goes.
    void runningDisplayRefreshesItself()
    {
        auto* field = child<tikkro::widgets::DisplayField>(QStringLiteral("elapsedTime"));
        QImage written(rig->window->size(), QImage::Format_RGB32);
        field->setPixelWriter(std::make_unique<tikkro::fakes::FakeWindowPixelWriter>(&written));
        click("start");
        Q_EMIT rig->window->refreshTimer().tick();
        QVERIFY(field->isTicking());
        QVERIFY(!rig->window->refreshTimer().isTicking());
        advance(1'234);
        QTRY_COMPARE(display("elapsedTime"), QStringLiteral("00:00:01.23"));
        advance(60'000);
        QTRY_COMPARE(display("elapsedTime"), QStringLiteral("00:01:01.2"));
        QTRY_VERIFY(field->isTicking());
        QVERIFY(!rig->window->refreshTimer().isTicking());
        advance(5);
        click("pause");
        QVERIFY(!field->isTicking());
        QCOMPARE(display("elapsedTime"), QStringLiteral("00:01:01.2"));
        QVERIFY(rig->strip().endsWith("00:01:01.239   Pause\n"));
        click("resume");
        Q_EMIT rig->window->refreshTimer().tick();
        QVERIFY(field->isTicking());
        rig->window->showMinimized();
        QVERIFY(!field->isTicking());
        // And the window goes while it ticks.
        rig->window->showNormal();
        Q_EMIT rig->window->refreshTimer().tick();
        QVERIFY(field->isTicking());
    }

    // What a screen reader finds: a push button per command, named by its
    // caption and greyed while not offered, that its press action works;
    // and the elapsed time as a text it can read.
    void screenReaderSeesTheCommandsAndTheTime()
    {
        QStringList buttons;
        for (const char* name : {"start", "lap", "resume", "pause", "reset"}) {
            const QAccessibleInterface* button = QAccessible::queryAccessibleInterface(
                child(QLatin1String(name) + QLatin1String("Button")));
            QCOMPARE(button->role(), QAccessible::Button);
            buttons << button->text(QAccessible::Name) + (button->state().disabled ? "-" : "");
        }
        QCOMPARE(buttons, QStringList({"Start", "Lap-", "Resume-", "Pause-", "Reset-"}));
        QAccessible::queryAccessibleInterface(child("startButton"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(shown(), (CommandSet{false, true, false, true, false}));
        QAccessibleInterface* elapsed = QAccessible::queryAccessibleInterface(child("elapsedTime"));
        QCOMPARE(elapsed->text(QAccessible::Name), QStringLiteral("Elapsed time"));
        QCOMPARE(elapsed->text(QAccessible::Value), display("elapsedTime"));
        QCOMPARE(elapsed->textInterface()->text(0, 8), QStringLiteral("00:00:00"));
    }

    // --- start-up and shut-down ------------------------------------------

    // init() started a window on a folder without a settings file; the
    // window shows the time at once, and the monitor starts at the next
    // whole second.
    void firstStart()
    {
        QCOMPARE(rig->scratch.rows("SELECT COUNT(*) FROM tUser"), (QList<QVariantList>{{0}}));
        QVERIFY(rig->messages.messages.isEmpty());
        QVERIFY(!rig->window->refreshTimer().isTicking()); // a reset watch costs nothing
        QCOMPARE(QApplication::focusWidget(), rig->logStrip());

        rig->untilWholeSecond = 30;
        rig->open();
        rig->window->show();
        QCOMPARE(display("clockField"), QStringLiteral("05.12.26   09:57:37"));
        QVERIFY(!rig->window->monitorTimer().isTicking());
        QTRY_VERIFY(rig->window->monitorTimer().isTicking());
    }

    // Every window shows each label and button whole, also in German and
    // French at 16 pt, rather than cutting a word. Exit closes them all and
    // keeps the position for the next start; a saved left edge without a
    // top opens at the default top.
    void everyWindowShowsItsTextsAndExitClosesThem_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << "en";
        QTest::newRow("de 16 pt") << "de";
        QTest::newRow("fr 16 pt") << "fr";
    }
    void everyWindowShowsItsTextsAndExitClosesThem()
    {
        QFETCH(QString, language);
        const QFont desktop = QApplication::font();
        const auto restoreFont = qScopeGuard([&desktop] { QApplication::setFont(desktop); });
        if (language != "en") {
            QFont larger = desktop;
            larger.setPointSize(16);
            QApplication::setFont(larger);
            restartIn(language);
        }
        trigger("eventsAction");
        trigger("eventsAction"); // the one events window, activated again
        trigger("alarmAction1");
        trigger("timerAction2");
        trigger("aboutAction");
        QCOMPARE(rig->slots.currentTimer, qint16(1));
        QCOMPARE(shownWindows(), 5);
        for (QWidget* top : QApplication::topLevelWidgets()) {
            for (const QLabel* label : top->findChildren<QLabel*>()) {
                const bool whole = label->wordWrap()
                                       ? label->heightForWidth(label->width()) <= label->height()
                                       : label->width() >= label->minimumSizeHint().width();
                QVERIFY2(!top->isVisible() || whole, qPrintable(label->text()));
            }
            for (const QAbstractButton* button : top->findChildren<QAbstractButton*>()) {
                QVERIFY2(!top->isVisible() || button->width() >= button->minimumSizeHint().width(),
                         qPrintable(button->text()));
            }
        }
        rig->window->move(100, 50);
        trigger("exitAction");
        QCOMPARE(shownWindows(), 0);
        QCOMPARE(rig->scratch.rows("SELECT MeLeft, MeTop FROM tUser"),
                 (QList<QVariantList>{{1500.0, 750.0}}));
        rig->open();
        QCOMPARE(rig->window->pos(), QPoint(100, 50));

        QVERIFY(rig->scratch.exec("UPDATE tUser SET MeTop = NULL"));
        rig->open();
        QCOMPARE(rig->window->pos(), QPoint(100, 18));
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
        rig->open();
        const QString warning = onlyMessage();
        QVERIFY2(warning.contains("no such table: " + missing), qPrintable(warning));
        QCOMPARE(rig->window->pos() == QPoint(100, 50), missing != "tUser");
        QCOMPARE(child<QAction>("timerAction2")->text().endsWith("Tea"), missing != "tAlarm");
    }

    // A file that cannot be written is said once, at start; Set keeps its
    // slot for the session and says so, and Exit says nothing more.
    void readOnlyFileIsSaidOnceEarly()
    {
        const SettingsDatabase readOnly(rig->scratch.path(), SettingsDatabase::DefaultBusyTimeout,
                                        SettingsDatabase::Access::ReadOnly);
        rig->open(&readOnly);
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
    // in order, once it is free. Exit with the file held says the position
    // was not kept, by a note that goes by itself, so it never holds up a
    // logout.
    void heldFileHoldsUpNothingAndLosesNothing()
    {
        {
            const DatabaseLockHolder lock(rig->scratch.path(), 1500ms);
            QVERIFY(lock.locked());
            setTimer(0, "5");
            QVERIFY(rig->slots.timers[0].active);
            rig->clock.advanceMs(5'000);
            Q_EMIT rig->window->monitorTimer().tick();
            QVERIFY(!rig->slots.timers[0].active);
        }
        QTRY_COMPARE(rig->scratch.rows("SELECT aA, an, aF FROM tAlarm"),
                     (QList<QVariantList>{{100, "Tea", 0}}));
        QVERIFY(rig->messages.messages.isEmpty());

        const DatabaseLockHolder lock(rig->scratch.path(), 2s);
        trigger("exitAction");
        QVERIFY(!rig->window->isVisible());
        QVERIFY2(onlyMessage().contains("database is locked"), qPrintable(onlyMessage()));
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
            qt_sendShortcutOverrideEvent(rig->logStrip(), stamp, Qt::Key_L, Qt::AltModifier);
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
        QVERIFY2(rig->strip().endsWith("00:00:06.380   Lap\n"), qPrintable(rig->strip()));
    }

    // A long paste goes in a slice at a time with the window's events
    // between; a Lap given meanwhile lands after the pasted text and nothing
    // is lost.
    void longPasteGoesInWholeAndInOrder()
    {
        QString pasted;
        for (int i = 0; i < 100'000; ++i) {
            pasted += QStringLiteral("line %1\r\n").arg(i);
        }
        QApplication::clipboard()->setText(pasted);
        click("start");
        const QString before = rig->strip();
        QTest::keyClick(rig->logStrip(), Qt::Key_V, Qt::ControlModifier);
        QVERIFY(rig->logStrip()->isPasting());
        advance(1'000);
        click("lap");
        QTRY_VERIFY(!rig->logStrip()->isPasting());
        QCOMPARE(rig->strip(), before + QString(pasted).remove(u'\r') + "00:00:01.000   Lap\n");
    }
};

TIKKRO_TEST(TestMainWindow)
#include "TestMainWindow.moc"
