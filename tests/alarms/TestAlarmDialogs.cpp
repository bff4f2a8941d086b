// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlarmRig.h"
#include "alarms/AlarmArt.h"
#include "alarms/DigitField.h"
#include "ui/ImageWidget.h"
#include "ui/WindowTimer.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace tikkro;
using alarms::frmInputAlarm;
using alarms::frmInputCount;
using testing::at;
using testing::ole;
using Rig = testing::AlarmRig;

namespace {

// Pixel rows 0..6 of a spin button lie in its upper 105 twips.
constexpr int UpperRow = 6;
constexpr int LowerRow = 7;

void press(ui::ImageWidget* button, bool up, Qt::MouseButton mouse = Qt::LeftButton)
{
    QTest::mousePress(button, mouse, {}, QPoint(5, up ? UpperRow : LowerRow));
}

void release(ui::ImageWidget* button, Qt::MouseButton mouse = Qt::LeftButton)
{
    QTest::mouseRelease(button, mouse, {}, QPoint(5, 5));
}

void tick(ui::WindowTimer* timer)
{
    Q_EMIT timer->tick();
}

QStringList timerFields(const frmInputCount* dialog)
{
    return {dialog->Z(2)->text(), dialog->Z(1)->text(), dialog->Z(0)->text()};
}

// Day, month, year, hour, minute, second: left to right as shown.
QStringList alarmFields(const frmInputAlarm* dialog)
{
    QStringList fields;
    for (int index : {3, 4, 5, 2, 1, 0}) {
        fields.append(dialog->Z(index)->text());
    }
    return fields;
}

void fillAlarm(frmInputAlarm* dialog, const QStringList& fields)
{
    const std::array<int, 6> order = {3, 4, 5, 2, 1, 0};
    for (int i = 0; i < 6; ++i) {
        dialog->Z(order.at(i))->setText(fields.at(i));
    }
}

int visibleFrame(const frmInputCount* dialog)
{
    int shown = -1;
    for (int frame = 0; frame < alarms::AlarmArt::FrameCount; ++frame) {
        if (dialog->TI(frame)->isVisibleTo(const_cast<frmInputCount*>(dialog))) {
            if (shown >= 0) {
                return -2; // more than one
            }
            shown = frame;
        }
    }
    return shown;
}

} // namespace

class TestAlarmDialogs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void spinStepsOnlyWhileHeld()
    {
        Rig rig;
        rig.windows->showTimerDialog(0);
        frmInputCount* dialog = rig.windows->timerDialog();
        ui::ImageWidget* minutes = dialog->I(1);

        // A click released within the repeat interval changes nothing.
        press(minutes, true);
        QCOMPARE(dialog->Timer1()->interval(), 150);
        QCOMPARE(dialog->Z(1)->text(), QStringLiteral("00"));
        release(minutes);
        QCOMPARE(dialog->Timer1()->interval(), 0);
        QCOMPARE(dialog->Z(1)->text(), QStringLiteral("00"));

        // Held: one step per interval; the lower half steps down, with any
        // mouse button.
        press(minutes, true);
        tick(dialog->Timer1());
        tick(dialog->Timer1());
        tick(dialog->Timer1());
        QCOMPARE(dialog->Z(1)->text(), QStringLiteral("03"));
        release(minutes);
        press(minutes, false, Qt::RightButton);
        tick(dialog->Timer1());
        QCOMPARE(dialog->Z(1)->text(), QStringLiteral("02"));
        release(minutes, Qt::RightButton);
        QCOMPARE(dialog->Timer1()->interval(), 0);
        QCOMPARE(timerFields(dialog), QStringList({"00", "02", "00"}));
    }

    void spinTables_data()
    {
        QTest::addColumn<bool>("alarm");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("after");
        // Timer: seconds and minutes 00..59, hours 00..24.
        QTest::newRow("timer s 59 up") << false << 0 << "59" << true << "00";
        QTest::newRow("timer s 00 down") << false << 0 << "00" << false << "59";
        QTest::newRow("timer m 59 up") << false << 1 << "59" << true << "00";
        QTest::newRow("timer m 00 down") << false << 1 << "00" << false << "59";
        QTest::newRow("timer h 23 up") << false << 2 << "23" << true << "24";
        QTest::newRow("timer h 24 up") << false << 2 << "24" << true << "00";
        QTest::newRow("timer h 00 down") << false << 2 << "00" << false << "24";
        QTest::newRow("typed 75 down") << false << 1 << "75" << false << "74";
        QTest::newRow("typed 75 up") << false << 1 << "75" << true << "00";
        QTest::newRow("typed 150 down keeps digits") << false << 2 << "150" << false << "149";
        QTest::newRow("empty up") << false << 0 << "" << true << "01";
        QTest::newRow("blanks around") << false << 0 << " 7 " << true << "08";
        QTest::newRow("letters stay") << false << 0 << "7x" << true << "7x";
        QTest::newRow("minus stays") << false << 0 << "-5" << false << "-5";
        QTest::newRow("decimal stays") << false << 0 << "1.5" << true << "1.5";
        QTest::newRow("beyond 16 bits stays") << false << 0 << "40000" << false << "40000";
        // Alarm: seconds, minutes 00..59, hours 00..23, day 01..31, month
        // 01..12, year 0000..9998 with its own wrap.
        QTest::newRow("alarm s 59 up") << true << 0 << "59" << true << "00";
        QTest::newRow("alarm s 00 down") << true << 0 << "00" << false << "59";
        QTest::newRow("alarm m 59 up") << true << 1 << "59" << true << "00";
        QTest::newRow("alarm m 00 down") << true << 1 << "00" << false << "59";
        QTest::newRow("alarm h 23 up") << true << 2 << "23" << true << "00";
        QTest::newRow("alarm h 00 down") << true << 2 << "00" << false << "23";
        QTest::newRow("day 31 up") << true << 3 << "31" << true << "01";
        QTest::newRow("day 01 down") << true << 3 << "01" << false << "31";
        QTest::newRow("day 00 down") << true << 3 << "00" << false << "31";
        QTest::newRow("month 12 up") << true << 4 << "12" << true << "01";
        QTest::newRow("month 01 down") << true << 4 << "01" << false << "12";
        QTest::newRow("year 2026 up") << true << 5 << "2026" << true << "2027";
        QTest::newRow("year 9998 up") << true << 5 << "9998" << true << "0001";
        QTest::newRow("year 0001 down") << true << 5 << "0001" << false << "0000";
        QTest::newRow("year 0000 down") << true << 5 << "0000" << false << "9998";
        QTest::newRow("year 0000 up") << true << 5 << "0000" << true << "0001";
    }
    void spinTables()
    {
        QFETCH(bool, alarm);
        QFETCH(int, index);
        QFETCH(QString, before);
        QFETCH(bool, up);
        QFETCH(QString, after);
        Rig rig;
        QLineEdit* field = nullptr;
        ui::ImageWidget* button = nullptr;
        ui::WindowTimer* timer = nullptr;
        if (alarm) {
            rig.windows->showAlarmDialog(0);
            field = rig.windows->alarmDialog()->Z(index);
            button = rig.windows->alarmDialog()->I(index);
            timer = rig.windows->alarmDialog()->Timer1();
        } else {
            rig.windows->showTimerDialog(0);
            field = rig.windows->timerDialog()->Z(index);
            button = rig.windows->timerDialog()->I(index);
            timer = rig.windows->timerDialog()->Timer1();
        }
        field->setText(before);
        press(button, up);
        tick(timer);
        release(button);
        QCOMPARE(field->text(), after);
    }

    void timerSetArmsNamesAndStores()
    {
        Rig rig;
        rig.windows->showTimerDialog(1);
        frmInputCount* dialog = rig.windows->timerDialog();
        dialog->AlName()->setText(QStringLiteral("Tea"));
        dialog->Z(2)->setText(QStringLiteral(" 1"));
        dialog->Z(1)->setText(QStringLiteral("90"));
        dialog->Z(0)->setText(QStringLiteral("05 "));
        QTest::mouseClick(dialog->Command2(), Qt::LeftButton);

        const auto& slot = rig.slots.Timers[1];
        QVERIFY(slot.Active);
        QCOMPARE(slot.Name, QStringLiteral("Tea"));
        QCOMPARE(settings::OleDate::toDateTime(slot.Due), at(5, 12, 27, 42));
        QCOMPARE(rig.menu.timerCaptions[1], QStringLiteral("&2:Tea"));
        QCOMPARE(rig.menu.timerCaptions[0], QStringLiteral("Timer&1"));
        QCOMPARE(dialog->Timer2()->interval(), 200);
        const auto records = rig.records();
        QCOMPARE(records.keys(), QList<int>({101}));
        QCOMPARE(records[101].name, QStringLiteral("Tea"));
        QVERIFY(records[101].armed);
        QVERIFY(rig.messages.messages.isEmpty());

        // An emptied name is stored empty; the caption is "&2:" alone and the
        // next fill shows the default name again.
        dialog->AlName()->clear();
        QTest::mouseClick(dialog->Command2(), Qt::LeftButton);
        QCOMPARE(rig.menu.timerCaptions[1], QStringLiteral("&2:"));
        QCOMPARE(rig.records()[101].name, QString());
        dialog->Form_Activate();
        QCOMPARE(dialog->AlName()->text(), QStringLiteral("Timer 2"));
    }

    void badFieldsChangeNothing_data()
    {
        QTest::addColumn<bool>("alarm");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("message");
        QTest::newRow("timer letters")
            << false << QStringList{"0", "7x", "0"} << "Minutes: '7x' is not a whole number";
        QTest::newRow("timer empty")
            << false << QStringList{"0", "1", ""} << "Seconds: '' is not a whole number";
        QTest::newRow("timer decimal")
            << false << QStringList{"1.5", "0", "0"} << "Hours: '1.5' is not a whole number";
        QTest::newRow("timer beyond 16 bits")
            << false << QStringList{"0", "0", "32768"}
            << "Seconds: '32768' is out of range (-32768 to 32767)";
        QTest::newRow("timer below zero")
            << false << QStringList{"0", "0", "-5"}
            << "Time value: 0 h 0 min -5 s is less than no time at all; a countdown cannot run "
               "backwards";
        QTest::newRow("alarm letters") << true << QStringList{"3l", "12", "2026", "10", "0", "0"}
                                       << "Day: '3l' is not a whole number";
        QTest::newRow("alarm year past 9999")
            << true << QStringList{"1", "13", "9999", "0", "0", "0"}
            << "Alarm date/time: the date must lie between the years 100 and 9999";
        QTest::newRow("alarm negative year")
            << true << QStringList{"1", "1", "-5", "0", "0", "0"}
            << "Alarm date/time: the date must lie between the years 100 and 9999";
        QTest::newRow("alarm year 100 less a day")
            << true << QStringList{"0", "1", "0100", "0", "0", "0"}
            << "Alarm date/time: the date must lie between the years 100 and 9999";
    }
    void badFieldsChangeNothing()
    {
        QFETCH(bool, alarm);
        QFETCH(QStringList, fields);
        QFETCH(QString, message);
        Rig rig;
        const alarms::AlarmSlot before{QStringLiteral("Kept"), 12345.5, false};
        rig.slots.Alarms[1] = before;
        rig.slots.Timers[1] = before;
        QString title;
        if (alarm) {
            rig.windows->showAlarmDialog(1);
            fillAlarm(rig.windows->alarmDialog(), fields);
            rig.windows->alarmDialog()->AlName()->setText(QStringLiteral("New"));
            QTest::mouseClick(rig.windows->alarmDialog()->Command2(), Qt::LeftButton);
            title = QStringLiteral("Set Alarm 2");
        } else {
            rig.windows->showTimerDialog(1);
            frmInputCount* dialog = rig.windows->timerDialog();
            dialog->Z(2)->setText(fields.at(0));
            dialog->Z(1)->setText(fields.at(1));
            dialog->Z(0)->setText(fields.at(2));
            dialog->AlName()->setText(QStringLiteral("New"));
            QTest::mouseClick(dialog->Command2(), Qt::LeftButton);
            QCOMPARE(dialog->Timer2()->interval(), 0);
            title = QStringLiteral("Set Timer 2");
        }
        QCOMPARE(rig.messages.messages.size(), 1);
        QCOMPARE(rig.messages.messages[0].text, message);
        QCOMPARE(rig.messages.messages[0].title, title);
        QCOMPARE(rig.messages.messages[0].icon, ui::MessageService::Icon::Warning);
        QVERIFY(!rig.messages.messages[0].modeless);
        for (const auto* slot : {&rig.slots.Alarms[1], &rig.slots.Timers[1]}) {
            QCOMPARE(slot->Name, before.Name);
            QCOMPARE(slot->Due, before.Due);
            QCOMPARE(slot->Active, before.Active);
        }
        QCOMPARE(rig.menu.changes, 0);
        QVERIFY(rig.records().isEmpty());
    }

    void databaseFailureOnSetIsReported()
    {
        Rig rig;
        QVERIFY(rig.scratch.exec(QStringLiteral("DROP TABLE tAlarm")));
        rig.windows->showTimerDialog(0);
        frmInputCount* dialog = rig.windows->timerDialog();
        dialog->Z(1)->setText(QStringLiteral("5"));
        QTest::mouseClick(dialog->Command2(), Qt::LeftButton);
        QCOMPARE(rig.messages.messages.size(), 1);
        QCOMPARE(rig.messages.messages[0].title, QStringLiteral("Set Timer 1"));
        QVERIFY(rig.messages.messages[0].text.contains(QStringLiteral("tAlarm")));
        // Set got as far as the store: the countdown runs, named and shown.
        QVERIFY(rig.slots.Timers[0].Active);
        QCOMPARE(rig.menu.timerCaptions[0], QStringLiteral("&1:Timer 1"));
    }

    void countdownShowsTheRemainingTime()
    {
        Rig rig;
        rig.windows->showTimerDialog(0);
        frmInputCount* dialog = rig.windows->timerDialog();
        dialog->Z(2)->setText(QStringLiteral("24"));
        dialog->Z(1)->setText(QStringLiteral("30"));
        QTest::mouseClick(dialog->Command2(), Qt::LeftButton);
        QCOMPARE(settings::OleDate::toDateTime(rig.slots.Timers[0].Due), at(6, 10, 27, 37));

        // Taken to the nearest second: the full length shows at first.
        rig.clock.advanceMs(400);
        tick(dialog->Timer2());
        QCOMPARE(timerFields(dialog), QStringList({"00", "30", "00"}));
        rig.clock.advanceMs(600);
        tick(dialog->Timer2());
        QCOMPARE(timerFields(dialog), QStringList({"00", "29", "59"}));

        // Set again now restarts it from what is shown.
        QTest::mouseClick(dialog->Command2(), Qt::LeftButton);
        QCOMPARE(settings::OleDate::toDateTime(rig.slots.Timers[0].Due), at(5, 10, 27, 37));

        // The monitor fires it at its end; the dialog then shows zeros and
        // stops, the animation standing where it was.
        rig.clock.set(at(5, 10, 27, 36, 700));
        tick(dialog->Timer2());
        QCOMPARE(timerFields(dialog), QStringList({"00", "00", "00"}));
        const int frame = dialog->AnimFrame();
        rig.clock.set(at(5, 10, 27, 37));
        rig.windows->Timer2_Timer();
        QVERIFY(!rig.slots.Timers[0].Active);
        tick(dialog->Timer2());
        QCOMPARE(timerFields(dialog), QStringList({"00", "00", "00"}));
        QCOMPARE(dialog->Timer2()->interval(), 0);
        QCOMPARE(dialog->AnimFrame(), frame);
        QCOMPARE(visibleFrame(dialog), frame);
    }

    void animationTurnsOneFramePerRefresh()
    {
        Rig rig;
        Rig::arm(rig.slots.Timers[0], QStringLiteral("T"), at(5, 11, 0, 0));
        rig.windows->showTimerDialog(0);
        frmInputCount* dialog = rig.windows->timerDialog();
        QCOMPARE(dialog->Timer2()->interval(), 200);
        QCOMPARE(timerFields(dialog), QStringList({"01", "02", "23"}));
        for (int step = 1; step <= 9; ++step) {
            tick(dialog->Timer2());
            QCOMPARE(dialog->AnimFrame(), step % 8);
            QCOMPARE(visibleFrame(dialog), step % 8);
        }
    }

    void resetStopsWithoutStoring()
    {
        Rig rig;
        rig.windows->showTimerDialog(0);
        frmInputCount* dialog = rig.windows->timerDialog();
        dialog->AlName()->setText(QStringLiteral("Eggs"));
        dialog->Z(1)->setText(QStringLiteral("7"));
        QTest::mouseClick(dialog->Command2(), Qt::LeftButton);
        const double due = rig.slots.Timers[0].Due;

        QTest::mouseClick(dialog->Command3(), Qt::LeftButton);
        QVERIFY(!rig.slots.Timers[0].Active);
        QCOMPARE(rig.slots.Timers[0].Due, due);
        QCOMPARE(timerFields(dialog), QStringList({"00", "00", "00"}));
        QCOMPARE(dialog->AlName()->text(), QStringLiteral("Eggs"));
        QCOMPARE(rig.menu.timerCaptions[0], QStringLiteral("&1:Eggs"));
        QVERIFY(rig.records()[100].armed);
        tick(dialog->Timer2());
        QCOMPARE(dialog->Timer2()->interval(), 0);
    }

    void refillFollowsTheChosenSlotAndWindowSwitches()
    {
        Rig rig;
        QWidget main;
        main.setWindowTitle(QStringLiteral("main"));
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));

        rig.slots.Timers[1].Name = QStringLiteral("Second");
        rig.windows->showTimerDialog(0);
        frmInputCount* dialog = rig.windows->timerDialog();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QCOMPARE(dialog->AlName()->text(), QStringLiteral("Timer 1"));

        // Choosing the other timer while the dialog is active still refills.
        rig.windows->showTimerDialog(1);
        QCOMPARE(rig.windows->timerDialog(), dialog);
        QCOMPARE(dialog->AlName()->text(), QStringLiteral("Second"));

        // Unsaved edits are discarded when the user comes back from another
        // window of the program.
        dialog->AlName()->setText(QStringLiteral("typed"));
        dialog->Z(0)->setText(QStringLiteral("12"));
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QCOMPARE(dialog->AlName()->text(), QStringLiteral("typed"));
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QCOMPARE(dialog->AlName()->text(), QStringLiteral("Second"));
        QCOMPARE(dialog->Z(0)->text(), QStringLiteral("00"));
    }

    void closeAndEscapeUnload()
    {
        Rig rig;
        rig.windows->showTimerDialog(0);
        QTest::mouseClick(rig.windows->timerDialog()->Command1(), Qt::LeftButton);
        QVERIFY(rig.windows->timerDialog() == nullptr);

        rig.windows->showAlarmDialog(0);
        frmInputAlarm* dialog = rig.windows->alarmDialog();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QTest::keyClick(dialog->AlName(), Qt::Key_Escape);
        QVERIFY(rig.windows->alarmDialog() == nullptr);

        rig.windows->showEvents();
        rig.windows->showTimerDialog(1);
        rig.windows->showAlarmDialog(1);
        rig.windows->unloadAll();
        QVERIFY(rig.windows->events() == nullptr);
        QVERIFY(rig.windows->alarmDialog() == nullptr);
        QVERIFY(rig.windows->timerDialog() == nullptr);
    }

    void alarmOpensWithThePresentOrItsDueTime()
    {
        Rig rig;
        rig.clock.set(at(5, 9, 57, 37, 900));
        rig.windows->showAlarmDialog(0);
        frmInputAlarm* dialog = rig.windows->alarmDialog();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Set/Edit Alarm"));
        QCOMPARE(dialog->size(), QSize(378, 110));
        QCOMPARE(dialog->AlName()->text(), QStringLiteral("Alarm 1"));
        // The present second is cut, not rounded up.
        QCOMPARE(alarmFields(dialog), QStringList({"05", "12", "2026", "09", "57", "37"}));

        Rig::arm(rig.slots.Alarms[1], QStringLiteral("Dentist"),
                 QDateTime(QDate(2027, 1, 8), QTime(14, 5, 0)));
        rig.windows->showAlarmDialog(1);
        QCOMPARE(dialog->AlName()->text(), QStringLiteral("Dentist"));
        QCOMPARE(alarmFields(dialog), QStringList({"08", "01", "2027", "14", "05", "00"}));
    }

    void alarmSetCarriesLikeACalendar_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QDateTime>("due");
        const auto dt = [](int y, int mo, int d, int h, int mi, int s) {
            return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
        };
        QTest::newRow("31 February")
            << QStringList{"31", "02", "2027", "07", "00", "00"} << dt(2027, 3, 3, 7, 0, 0);
        QTest::newRow("day 0") << QStringList{"0", "3", "2028", "7", "0", "0"}
                               << dt(2028, 2, 29, 7, 0, 0);
        QTest::newRow("month 13") << QStringList{"15", "13", "2026", "7", "0", "0"}
                                  << dt(2027, 1, 15, 7, 0, 0);
        QTest::newRow("month 0") << QStringList{"15", "0", "2027", "7", "0", "0"}
                                 << dt(2026, 12, 15, 7, 0, 0);
        QTest::newRow("hour 24") << QStringList{"31", "12", "2026", "24", "0", "0"}
                                 << dt(2027, 1, 1, 0, 0, 0);
        QTest::newRow("minute -1")
            << QStringList{"5", "12", "2026", "0", "-1", "0"} << dt(2026, 12, 4, 23, 59, 0);
        QTest::newRow("two-digit year")
            << QStringList{"1", "6", "27", "8", "0", "0"} << dt(2027, 6, 1, 8, 0, 0);
        QTest::newRow("spun to 0099")
            << QStringList{"1", "6", "0099", "8", "0", "0"} << dt(2099, 6, 1, 8, 0, 0);
        QTest::newRow("skipped by daylight saving")
            << QStringList{"28", "3", "2027", "2", "30", "0"} << dt(2027, 3, 28, 3, 30, 0);
    }
    void alarmSetCarriesLikeACalendar()
    {
        QFETCH(QStringList, fields);
        QFETCH(QDateTime, due);
        Rig rig;
        rig.windows->showAlarmDialog(1);
        frmInputAlarm* dialog = rig.windows->alarmDialog();
        dialog->AlName()->setText(QStringLiteral("Wake"));
        fillAlarm(dialog, fields);
        QTest::mouseClick(dialog->Command2(), Qt::LeftButton);
        QVERIFY2(rig.messages.messages.isEmpty(), qPrintable(rig.messages.messages.value(0).text));
        QCOMPARE(settings::OleDate::toDateTime(rig.slots.Alarms[1].Due), due);
        QVERIFY(rig.slots.Alarms[1].Active);
        QCOMPARE(rig.slots.Alarms[1].Name, QStringLiteral("Wake"));
        QCOMPARE(rig.menu.alarmCaptions[1], QStringLiteral("&2:Wake"));
        QCOMPARE(rig.records().keys(), QList<int>({1}));
        QVERIFY(rig.records()[1].armed);
        // The fields keep what was entered.
        QCOMPARE(alarmFields(dialog), fields);
    }

    void nowDisarmsWithoutStoring()
    {
        Rig rig;
        rig.windows->showAlarmDialog(0);
        frmInputAlarm* dialog = rig.windows->alarmDialog();
        dialog->AlName()->setText(QStringLiteral("Train"));
        fillAlarm(dialog, {"06", "12", "2026", "07", "15", "00"});
        QTest::mouseClick(dialog->Command2(), Qt::LeftButton);
        QVERIFY(rig.slots.Alarms[0].Active);

        rig.clock.set(at(5, 10, 1, 2));
        dialog->AlName()->setText(QStringLiteral("edited"));
        QTest::mouseClick(dialog->Command3(), Qt::LeftButton);
        QVERIFY(!rig.slots.Alarms[0].Active);
        QCOMPARE(alarmFields(dialog), QStringList({"05", "12", "2026", "10", "01", "02"}));
        QCOMPARE(dialog->AlName()->text(), QStringLiteral("Train"));
        QCOMPARE(rig.menu.alarmCaptions[0], QStringLiteral("&1:Train"));
        QVERIFY(rig.records()[0].armed);
        // Disarmed, it no longer rings.
        rig.clock.set(at(6, 8, 0, 0));
        rig.windows->Timer2_Timer();
        QVERIFY(rig.sound.played.isEmpty());
    }

    void damagedDueTimeIsReportedOnRefill_data()
    {
        QTest::addColumn<bool>("alarm");
        QTest::newRow("alarm") << true;
        QTest::newRow("timer") << false;
    }
    void damagedDueTimeIsReportedOnRefill()
    {
        QFETCH(bool, alarm);
        Rig rig;
        const alarms::AlarmSlot damaged{QStringLiteral("X"), 1.0e12, true};
        rig.slots.Alarms[0] = damaged;
        rig.slots.Timers[0] = damaged;
        if (alarm) {
            rig.windows->showAlarmDialog(0);
        } else {
            rig.windows->showTimerDialog(0);
        }
        QVERIFY(!rig.messages.messages.isEmpty());
        QCOMPARE(rig.messages.messages[0].title,
                 alarm ? QStringLiteral("Set Alarm") : QStringLiteral("Set Timer"));
        QCOMPARE(rig.messages.messages[0].icon, ui::MessageService::Icon::Warning);
    }

    void digitFieldSelectsOnFocus()
    {
        Rig rig;
        rig.windows->showAlarmDialog(0);
        frmInputAlarm* dialog = rig.windows->alarmDialog();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        dialog->AlName()->setFocus();
        QTest::keyClick(dialog->AlName(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), dialog->Z(3));
        QCOMPARE(dialog->Z(3)->selectedText(), QStringLiteral("05"));
        QTest::keyClicks(dialog->Z(3), QStringLiteral("9"));
        QCOMPARE(dialog->Z(3)->text(), QStringLiteral("9"));
    }
};

QTEST_MAIN(TestAlarmDialogs)
#include "TestAlarmDialogs.moc"
