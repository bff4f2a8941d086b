// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlarmRig.h"
#include "widgets/Contrast.h"

using namespace tikkro;
using namespace tikkro::alarms;
using namespace tikkro::testing;

class TestAlarmDialogs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void spinTables_data()
    {
        addColumns<int, QString, bool, QString>({"index", "before", "up", "after"});
        // Timer: seconds and minutes 00..59, hours 00..24; the alarm's day,
        // month and year are fields 3 to 5.
        QTest::newRow("timer s 59 up") << 0 << "59" << true << "00";
        QTest::newRow("timer h 00 down") << 2 << "00" << false << "24";
        QTest::newRow("typed 75 up") << 1 << "75" << true << "00";
        QTest::newRow("typed 150 down keeps digits") << 2 << "150" << false << "149";
        QTest::newRow("beyond 16 bits stays") << 2 << "40000" << false << "40000";
        QTest::newRow("empty up") << 0 << "" << true << "01";
        QTest::newRow("letters stay") << 0 << "7x" << true << "7x";
        // Day 01..31, month 01..12, year 0000..9998 with its own wrap.
        QTest::newRow("day 31 up") << 3 << "31" << true << "01";
        QTest::newRow("month 12 up") << 4 << "12" << true << "01";
        QTest::newRow("year 9998 up") << 5 << "9998" << true << "0001";
        QTest::newRow("year 0000 down") << 5 << "0000" << false << "9998";
    }
    void spinTables()
    {
        QFETCH(int, index);
        QFETCH(QString, before);
        QFETCH(bool, up);
        AlarmRig rig;
        DigitField* field =
            index > 2 ? alarmDialog(rig, 0)->field(index) : timerDialog(rig, 0)->field(index);
        field->setText(before);
        QTest::mouseClick(field, Qt::LeftButton, {}, arrow(field, up));
        QTEST(field->text(), "after");
    }

    // Set arms the slot for the time the fields give, carried over as on a
    // calendar, and stores it; the name reaches the menu item and the events
    // window as typed, up to the longest the file takes. An alarm for a wall
    // time the spring change of the clocks skips rings at the end of the gap;
    // one for a wall time the autumn change repeats rings at its first pass.
    // Bad fields, or a longer name, are refused rather than cut (no due
    // here), with a message and changing nothing.
    void setArmsAndStores_data()
    {
        addColumns<QString, QString, QDateTime, QString>({"name", "input", "due", "caption"});
        const QString inTimer = QStringLiteral(" 1,90,05 ");
        const QDateTime timerDue = at(5, 12, 27, 42);
        const QString t = QStringLiteral("T");
        const QString a = QStringLiteral("A");
        const auto dt = [](int y, int mo, int d, int h, int mi, int s = 0) {
            return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
        };
        QTest::newRow("plain") << "Tea" << inTimer << timerDue << "&1:Tea";
        QTest::newRow("ampersand") << "Tom & Jerry" << inTimer << timerDue << "&1:Tom && Jerry";
        QTest::newRow("empty") << "" << inTimer << timerDue << "&1:";
        const QString longest(SlotSetter::MaxNameLength, QLatin1Char('n'));
        QTest::newRow("longest") << longest << inTimer << timerDue << "&1:" + longest;
        QTest::newRow("name too long") << longest + "n" << inTimer << QDateTime() << "Timer&1";
        QTest::newRow("timer letters") << t << "0,7x,0" << QDateTime() << "Timer&1";
        QTest::newRow("timer beyond 16 bits") << t << "0,0,32768" << QDateTime() << "Timer&1";
        QTest::newRow("timer below zero") << t << "0,0,-5" << QDateTime() << "Timer&1";
        QTest::newRow("year past 9999") << a << "1,13,9999,0,0,0" << QDateTime() << "Alarm&2";
        QTest::newRow("year 100 less a day") << a << "0,1,0100,0,0,0" << QDateTime() << "Alarm&2";
        QTest::newRow("31 Feb") << a << "31,02,2027,07,00,00" << dt(2027, 3, 3, 7, 0) << "&2:A";
        QTest::newRow("day 0") << a << "0,3,2028,7,0,0" << dt(2028, 2, 29, 7, 0) << "&2:A";
        QTest::newRow("month 13") << a << "15,13,2026,7,0,0" << dt(2027, 1, 15, 7, 0) << "&2:A";
        QTest::newRow("two-digit year") << a << "1,6,27,8,0,0" << dt(2027, 6, 1, 8, 0) << "&2:A";
        QTest::newRow("spun to 0099") << a << "1,6,0099,8,0,0" << dt(2099, 6, 1, 8, 0) << "&2:A";
        QTest::newRow("first year") << a << "1,1,0100,0,0,0" << dt(100, 1, 1, 0, 0) << "&2:A";
        QTest::newRow("32767 s") << a << "1,1,2027,0,0,32767" << dt(2027, 1, 1, 9, 6, 7) << "&2:A";
        QTest::newRow("smallest field")
            << a << "1,1,2027,0,-32768,0" << dt(2026, 12, 9, 5, 52) << "&2:A";
        QTest::newRow("skipped hour") << a << "28,3,2027,2,30,0" << dt(2027, 3, 28, 3, 0) << "&2:A";
        QTest::newRow("repeated hour")
            << a << "31,10,2027,2,30,0" << QDateTime(QDate(2027, 10, 31), QTime(0, 30), Qt::UTC)
            << "&2:A";
    }
    void setArmsAndStores()
    {
        QFETCH(QString, name);
        QFETCH(QString, input);
        QFETCH(QDateTime, due);
        const QStringList typed = input.split(u',');
        const bool isAlarm = typed.size() > 3;
        AlarmRig rig;
        AlarmSlot& slot = isAlarm ? rig.slots.alarms[1] : rig.slots.timers[0];
        slot = {QStringLiteral("Kept"), 12345.5, false};
        if (isAlarm) {
            set(alarmDialog(rig, 1), name, typed);
        } else {
            set(timerDialog(rig, 0), name, typed);
        }
        QCOMPARE(rig.messages.messages.size(), due.isValid() ? 0 : 1);
        QTEST(isAlarm ? rig.menu.alarmCaptions[1] : rig.menu.timerCaptions[0], "caption");
        const QMap<int, bool> stored{{isAlarm ? 1 : 100, true}};
        QCOMPARE(rig.armedRecords(), (due.isValid() ? stored : QMap<int, bool>()));
        if (!due.isValid()) {
            QVERIFY(slot.name == "Kept" && slot.due == 12345.5 && !slot.active);
            return;
        }
        QCOMPARE(QDateTime::fromMSecsSinceEpoch(slot.dueInstant().value()), due);
        if (isAlarm) {
            // The fields keep what was entered.
            QCOMPARE(fields(rig.windows.alarmDialog()).join(u','), input);
        }
        rig.clock.set(due);
        rig.windows.checkDue();
        QVERIFY(rig.log().startsWith((isAlarm ? "Alarm '" : "Timer '") + name + "':\n"));
    }

    // The whole hours left are shown, days included, and the animation turns
    // one frame per refresh, round the last one. Reset disarms without
    // storing, and the countdown stops at zeros.
    void countdownShowsTheRemainingTime()
    {
        AlarmRig rig;
        TimerDialog* dialog = set(timerDialog(rig, 0), QStringLiteral("T"), {"24", "30", "0"});
        rig.clock.advanceMs(1000);
        for (int i = 0; i < 9; ++i) {
            Q_EMIT dialog->countdownTimer()->tick();
        }
        QCOMPARE(fields(dialog), QStringList({"24", "29", "59"}));
        QCOMPARE(dialog->currentFrame(), 1);
        QTest::mouseClick(dialog->disarmButton(), Qt::LeftButton);
        QVERIFY(!rig.slots.timers[0].active);
        Q_EMIT dialog->countdownTimer()->tick();
        QCOMPARE(fields(dialog), QStringList({"00", "00", "00"}));
        QCOMPARE(dialog->countdownTimer()->interval(), 0);
        QCOMPARE(rig.armedRecords(), (QMap<int, bool>{{100, true}}));
    }

    // Choosing the other alarm while the dialog is active refills it, and so
    // does coming back from another window of the program, discarding
    // unsaved edits; an armed alarm shows its due time, one never set its
    // default name. Set stores it as it is; Now disarms without storing and
    // shows the present second, cut rather than rounded up.
    void refillFollowsTheChosenSlotAndWindowSwitches()
    {
        AlarmRig rig;
        QWidget main;
        AlarmRig::arm(rig.slots.alarms[1], QStringLiteral("Train"),
                      QDateTime(QDate(2027, 1, 8), {14, 5}));
        AlarmDialog* dialog = alarmDialog(rig, 0);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QCOMPARE(dialog->nameField()->text(), QStringLiteral("Alarm 1"));
        alarmDialog(rig, 1);
        QCOMPARE(dialog->nameField()->text(), QStringLiteral("Train"));
        dialog->nameField()->setText(QStringLiteral("typed"));
        dialog->field(0)->setText(QStringLiteral("12"));
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QCOMPARE(dialog->nameField()->text(), QStringLiteral("Train"));
        QCOMPARE(fields(dialog), QStringList({"08", "01", "2027", "14", "05", "00"}));
        QTest::mouseClick(dialog->setButton(), Qt::LeftButton);
        rig.clock.set(at(5, 10, 1, 2, 900));
        QTest::mouseClick(dialog->disarmButton(), Qt::LeftButton);
        QVERIFY(!rig.slots.alarms[1].active);
        QCOMPARE(fields(dialog), QStringList({"05", "12", "2026", "10", "01", "02"}));
        QCOMPARE(rig.armedRecords(), (QMap<int, bool>{{1, true}}));
    }

    // Every field reads with its name, and every label with the control it
    // stands for.
    void everyControlIsNamedForAssistiveTechnology()
    {
        AlarmRig rig;
        const AlarmDialog* dialog = alarmDialog(rig, 0);
        QStringList found{dialog->nameField()->accessibleName()};
        for (const int k : Order<AlarmDialog>) {
            found
                << QAccessible::queryAccessibleInterface(dialog->field(k))->text(QAccessible::Name);
        }
        for (const QLabel* label :
             dialog->findChildren<QLabel*>() + timerDialog(rig, 0)->findChildren<QLabel*>()) {
            if (label->buddy() == nullptr && label->pixmap().isNull()) {
                found << QStringLiteral("no buddy: ") + label->text();
            }
        }
        QCOMPARE(found,
                 QStringList({"Alarm name", "Day", "Month", "Year", "Hour", "Minute", "Second"}));
    }

    // At a larger desktop font every digit field still shows its value
    // whole; in a dark palette the arrows take its light button text, and
    // the events window keeps dark text on its fixed cyan.
    void legibleInEveryAppearance()
    {
        const QPalette palette = QApplication::palette();
        const QFont font = QApplication::font();
        const auto restore = qScopeGuard([&] {
            QApplication::setPalette(palette);
            QApplication::setFont(font);
        });
        // Built from a dark button and window colour, as themes do.
        QApplication::setPalette(QPalette(QColor(0x22, 0x20, 0x20), QColor(0x2d, 0x2d, 0x2d)));
        QApplication::setFont(QFont(font.family(), 16));
        AlarmRig rig;
        alarmDialog(rig, 0);
        const TimerDialog* timer = timerDialog(rig, 0);
        rig.windows.showEvents();
        for (const QWidget* widget : QApplication::allWidgets()) {
            if (const auto* field = qobject_cast<const DigitField*>(widget)) {
                // A line edit keeps two pixels clear on either side.
                const int room = field->findChild<QLineEdit*>()->width() - 4;
                QVERIFY2(field->fontMetrics().horizontalAdvance(field->text()) <= room,
                         qPrintable(field->objectName()));
            }
        }
        // The middle of the up arrow, and the dialog around it.
        const QColor ink =
            timer->field(0)->grab().toImage().pixelColor(arrow(timer->field(0), true));
        QVERIFY(widgets::Contrast::ratio(ink, timer->palette().color(QPalette::Window)) >= 4.5);
        const QPalette events = rig.windows.events()->textEdit()->palette();
        QVERIFY(widgets::Contrast::ratio(events.color(QPalette::Text),
                                         events.color(QPalette::Base)) >= 4.5);
    }
};

TIKKRO_TEST(TestAlarmDialogs)
#include "TestAlarmDialogs.moc"
