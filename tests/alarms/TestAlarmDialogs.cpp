// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlarmRig.h"
#include "alarms/DigitField.h"
#include "alarms/InputError.h"
#include "alarms/SlotSetter.h"
#include "fakes/FakeDesktopNotifier.h"
#include "settings/SettingsWriter.h"
#include "ui/Contrast.h"
#include "ui/ImageWidget.h"
#include "ui/QtMessageService.h"
#include "ui/SpinArrows.h"
#include "ui/WindowTimer.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTest>
#include <QTimer>

using namespace tikkro;
using alarms::AlarmDialog;
using alarms::TimerDialog;
using settings::OleDate;
using testing::at;
using Rig = testing::AlarmRig;

namespace {

// Pixel rows 0..6 of a spin button lie in its upper 105 twips.
void press(ui::ImageWidget* button, bool up, Qt::MouseButton mouse = Qt::LeftButton)
{
    QTest::mousePress(button, mouse, {}, QPoint(5, up ? 6 : 7));
}

void tick(ui::WindowTimer* timer, int count = 1)
{
    for (int i = 0; i < count; ++i) {
        Q_EMIT timer->tick();
    }
}

TimerDialog* timerDialog(Rig& rig, int slot)
{
    rig.windows.showTimerDialog(slot);
    return rig.windows.timerDialog();
}

AlarmDialog* alarmDialog(Rig& rig, int slot)
{
    rig.windows.showAlarmDialog(slot);
    return rig.windows.alarmDialog();
}

// Field indices left to right as shown: hours, minutes, seconds; or day,
// month, year, hour, minute, second.
template <class Dialog> const QList<int> Order{2, 1, 0};
template <> const QList<int> Order<AlarmDialog>{3, 4, 5, 2, 1, 0};

template <class Dialog> QStringList fields(const Dialog* dialog)
{
    QStringList result;
    for (int index : Order<Dialog>) {
        result.append(dialog->field(index)->text());
    }
    return result;
}

// Types the name and the leading fields, then presses Set.
template <class Dialog> void set(Dialog* dialog, const QString& name, const QStringList& fields)
{
    dialog->nameField()->setText(name);
    for (int i = 0; i < fields.size(); ++i) {
        dialog->field(Order<Dialog>.at(i))->setText(fields.at(i));
    }
    QTest::mouseClick(dialog->setButton(), Qt::LeftButton);
}

const QStringList Zeros{"00", "00", "00"};

QAccessibleActionInterface* arrow(const ui::SpinArrows* arrows, bool up)
{
    return QAccessible::queryAccessibleInterface(const_cast<ui::SpinArrows*>(arrows))
        ->child(up ? 0 : 1)
        ->actionInterface();
}

// A dark palette as desktops give it, and the application font at a size.
struct Appearance
{
    Appearance(bool dark, double points)
    {
        if (dark) {
            // Built from a dark button and window colour, as themes do.
            QApplication::setPalette(QPalette(QColor(0x22, 0x20, 0x20), QColor(0x2d, 0x2d, 0x2d)));
        }
        QFont font = QApplication::font();
        font.setPointSizeF(points);
        QApplication::setFont(font);
    }
    ~Appearance()
    {
        QApplication::setPalette(m_palette);
        QApplication::setFont(m_font);
    }
    Appearance(const Appearance&) = delete;
    Appearance& operator=(const Appearance&) = delete;

private:
    QPalette m_palette = QApplication::palette();
    QFont m_font = QApplication::font();
};

} // namespace

class TestAlarmDialogs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void spinStepsOnlyWhileHeld()
    {
        Rig rig;
        TimerDialog* dialog = timerDialog(rig, 0);
        ui::ImageWidget* minutes = dialog->spinButton(1);

        // Nothing on press; a release within the repeat interval changes
        // nothing.
        press(minutes, true);
        QCOMPARE(dialog->spinTimer()->interval(), 150);
        QTest::mouseRelease(minutes, Qt::LeftButton);
        QCOMPARE(dialog->spinTimer()->interval(), 0);
        QCOMPARE(fields(dialog), Zeros);

        // Held: one step per interval; the lower half steps down, with any
        // mouse button.
        press(minutes, true);
        tick(dialog->spinTimer(), 3);
        QCOMPARE(dialog->field(1)->text(), QStringLiteral("03"));
        QTest::mouseRelease(minutes, Qt::LeftButton);
        press(minutes, false, Qt::RightButton);
        tick(dialog->spinTimer());
        QTest::mouseRelease(minutes, Qt::RightButton);
        QCOMPARE(fields(dialog), QStringList({"00", "02", "00"}));
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
        QTest::newRow("timer h 24 up") << false << 2 << "24" << true << "00";
        QTest::newRow("timer h 00 down") << false << 2 << "00" << false << "24";
        QTest::newRow("typed 75 down") << false << 1 << "75" << false << "74";
        QTest::newRow("typed 75 up") << false << 1 << "75" << true << "00";
        QTest::newRow("typed 150 down keeps digits") << false << 2 << "150" << false << "149";
        QTest::newRow("empty up") << false << 0 << "" << true << "01";
        QTest::newRow("letters stay") << false << 0 << "7x" << true << "7x";
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
        QTest::newRow("year 9998 up") << true << 5 << "9998" << true << "0001";
        QTest::newRow("year 0001 down") << true << 5 << "0001" << false << "0000";
        QTest::newRow("year 0000 down") << true << 5 << "0000" << false << "9998";
    }
    void spinTables()
    {
        QFETCH(bool, alarm);
        QFETCH(int, index);
        QFETCH(QString, before);
        QFETCH(bool, up);
        QFETCH(QString, after);
        Rig rig;
        const auto spin = [&](auto* dialog) {
            dialog->field(index)->setText(before);
            press(dialog->spinButton(index), up);
            tick(dialog->spinTimer());
            QTest::mouseRelease(dialog->spinButton(index), Qt::LeftButton);
            return dialog->field(index)->text();
        };
        QCOMPARE(alarm ? spin(alarmDialog(rig, 0)) : spin(timerDialog(rig, 0)), after);
    }

    void timerSetArmsNamesAndStores()
    {
        Rig rig;
        TimerDialog* dialog = timerDialog(rig, 0);
        set(dialog, QStringLiteral("Tea"), {" 1", "90", "05 "});
        const auto& slot = rig.slots.timers[0];
        QVERIFY(slot.active);
        QCOMPARE(slot.name, QStringLiteral("Tea"));
        QCOMPARE(OleDate::toDateTime(slot.due), at(5, 12, 27, 42));
        QCOMPARE(rig.menu.timerCaptions[0], QStringLiteral("&1:Tea"));
        QCOMPARE(rig.armedRecords(), (QMap<int, bool>{{100, true}}));

        // An emptied name is stored empty, the caption is "&1:" alone, and
        // the next fill shows the default name again.
        set(dialog, QString(), {});
        QVERIFY(slot.name.isEmpty());
        QCOMPARE(rig.menu.timerCaptions[0], QStringLiteral("&1:"));
        dialog->refill();
        QCOMPARE(dialog->nameField()->text(), QStringLiteral("Timer 1"));
    }

    void badFieldsChangeNothing_data()
    {
        QTest::addColumn<bool>("alarm");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("message");
        QTest::newRow("timer letters")
            << false << QStringList{"0", "7x", "0"} << "Minutes: '7x' is not a whole number";
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
        rig.slots.alarms[1] = rig.slots.timers[0] = before;
        if (alarm) {
            set(alarmDialog(rig, 1), QStringLiteral("New"), fields);
        } else {
            set(timerDialog(rig, 0), QStringLiteral("New"), fields);
        }
        QCOMPARE(rig.messages.messages.size(), 1);
        const auto& shown = rig.messages.messages[0];
        QCOMPARE(shown.text, message);
        QCOMPARE(shown.title,
                 alarm ? QStringLiteral("Set Alarm 2") : QStringLiteral("Set Timer 1"));
        QVERIFY(!shown.modeless);
        for (const auto* slot : {&rig.slots.alarms[1], &rig.slots.timers[0]}) {
            QVERIFY(slot->name == before.name && slot->due == before.due && !slot->active);
        }
        QCOMPARE(rig.menu.changes, 0);
        QVERIFY(rig.armedRecords().isEmpty());
    }

    // A name longer than a line edit holds by default is neither cut by the
    // field nor stored cut: Set refuses it and changes nothing.
    void overLongNameIsRefusedNotCut()
    {
        Rig rig;
        const QString stored(40'000, QLatin1Char('n'));
        rig.slots.timers[1] = {stored, 12345.5, false};
        TimerDialog* dialog = timerDialog(rig, 1);
        QCOMPARE(dialog->nameField()->text(), stored);
        QTest::mouseClick(dialog->setButton(), Qt::LeftButton);
        QCOMPARE(rig.messages.messages.size(), 1);
        QCOMPARE(rig.messages.messages[0].text,
                 QStringLiteral("The name is 40,000 characters long; a name may have at most "
                                "32,767. Shorten it and press Set again."));
        QVERIFY(rig.slots.timers[1].name == stored && !rig.slots.timers[1].active);
        QVERIFY(rig.armedRecords().isEmpty());

        set(dialog, QString(alarms::SlotSetter::MaxNameLength, QLatin1Char('n')), {"0", "1"});
        QCOMPARE(rig.scratch.rows("SELECT length(an) FROM tAlarm"), (QList<QVariantList>{{32767}}));
    }

    // What the user typed reaches the screen as typed: in the message that
    // names the slot, in its menu item and in the events window.
    void markupInANameIsShownAsTyped_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("bold") << "<b>x</b>"
                              << "&1:<b>x</b>";
        QTest::newRow("image") << "<img src=\"file:///dev/zero\">"
                               << "&1:<img src=\"file:///dev/zero\">";
        QTest::newRow("ampersand") << "Tom & Jerry"
                                   << "&1:Tom && Jerry";
    }
    void markupInANameIsShownAsTyped()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        fakes::ScratchDatabase scratch;
        ui::QtMessageService messages;
        settings::SettingsDatabase database(scratch.path(), messages);
        database.createIfMissing();
        settings::SettingsWriter writer(database, messages);
        writer.keepInMemoryOnly(QStringLiteral("Changes will not be kept: read-only"));
        alarms::AlarmSlots slots;
        alarms::AlarmStore store(database, slots, writer);
        fakes::FakeAlarmMenu menu;
        fakes::FakeWallClock clock{at(5, 9, 57, 37)};
        fakes::FakeSoundService sound;
        fakes::FakeDesktopNotifier notifier;
        alarms::AlarmWindows windows(slots, store, menu, clock, sound, messages, notifier);
        windows.showTimerDialog(0);

        QString shown;
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            shown = label->text();
            format = label->textFormat();
            box->accept();
        });
        set(windows.timerDialog(), name, Zeros);
        QVERIFY2(shown.startsWith("Timer 1 '" + name + "' is set, but only until Tikkro closes"),
                 qPrintable(shown));
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(menu.timerCaptions[0], caption);
        windows.checkDue();
        QVERIFY(windows.events()->text().startsWith("Timer '" + name + "':\n"));
    }

    void countdownShowsTheRemainingTime()
    {
        Rig rig;
        TimerDialog* dialog = timerDialog(rig, 0);
        set(dialog, QStringLiteral("T"), {"24", "30", "0"});
        QCOMPARE(OleDate::toDateTime(rig.slots.timers[0].due), at(6, 10, 27, 37));

        // Rounded to the nearest second: the full length shows at first.
        rig.clock.advanceMs(400);
        tick(dialog->countdownTimer());
        QCOMPARE(fields(dialog), QStringList({"00", "30", "00"}));
        rig.clock.advanceMs(600);
        tick(dialog->countdownTimer());
        QCOMPARE(fields(dialog), QStringList({"00", "29", "59"}));
        // The animation turns one frame per refresh, round the last one.
        tick(dialog->countdownTimer(), 7);
        QCOMPARE(dialog->currentFrame(), 1);
        QVERIFY(dialog->animationFrame(1)->isVisibleTo(dialog) &&
                !dialog->animationFrame(0)->isVisibleTo(dialog));

        // Fired by the monitor, it shows zeros and stops where it stood.
        rig.clock.set(at(6, 10, 27, 38));
        rig.windows.checkDue();
        QVERIFY(!rig.slots.timers[0].active);
        tick(dialog->countdownTimer());
        QCOMPARE(fields(dialog), Zeros);
        QCOMPARE(dialog->countdownTimer()->interval(), 0);
        QVERIFY(dialog->animationFrame(1)->isVisibleTo(dialog));
    }

    void refillFollowsTheChosenSlotAndWindowSwitches()
    {
        Rig rig;
        QWidget main;
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));

        rig.slots.timers[1].name = QStringLiteral("Second");
        TimerDialog* dialog = timerDialog(rig, 0);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QCOMPARE(dialog->nameField()->text(), QStringLiteral("Timer 1"));

        // Choosing the other timer while the dialog is active still refills.
        QCOMPARE(timerDialog(rig, 1), dialog);
        QCOMPARE(dialog->nameField()->text(), QStringLiteral("Second"));

        // Unsaved edits are discarded when the user comes back from another
        // window of the program.
        dialog->nameField()->setText(QStringLiteral("typed"));
        dialog->field(0)->setText(QStringLiteral("12"));
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QCOMPARE(dialog->nameField()->text(), QStringLiteral("typed"));
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QCOMPARE(dialog->nameField()->text(), QStringLiteral("Second"));
        QCOMPARE(fields(dialog), Zeros);
    }

    void alarmSetCarriesLikeACalendar_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QDateTime>("due");
        const auto dt = [](int y, int mo, int d, int h, int mi) {
            return QDateTime(QDate(y, mo, d), QTime(h, mi));
        };
        QTest::newRow("31 February")
            << QStringList{"31", "02", "2027", "07", "00", "00"} << dt(2027, 3, 3, 7, 0);
        QTest::newRow("day 0") << QStringList{"0", "3", "2028", "7", "0", "0"}
                               << dt(2028, 2, 29, 7, 0);
        QTest::newRow("month 13") << QStringList{"15", "13", "2026", "7", "0", "0"}
                                  << dt(2027, 1, 15, 7, 0);
        QTest::newRow("month 0") << QStringList{"15", "0", "2027", "7", "0", "0"}
                                 << dt(2026, 12, 15, 7, 0);
        QTest::newRow("hour 24") << QStringList{"31", "12", "2026", "24", "0", "0"}
                                 << dt(2027, 1, 1, 0, 0);
        QTest::newRow("two-digit year")
            << QStringList{"1", "6", "27", "8", "0", "0"} << dt(2027, 6, 1, 8, 0);
        QTest::newRow("spun to 0099")
            << QStringList{"1", "6", "0099", "8", "0", "0"} << dt(2099, 6, 1, 8, 0);
        QTest::newRow("skipped by daylight saving")
            << QStringList{"28", "3", "2027", "2", "30", "0"} << dt(2027, 3, 28, 3, 0);
        QTest::newRow("first year")
            << QStringList{"1", "1", "0100", "0", "0", "0"} << dt(100, 1, 1, 0, 0);
        QTest::newRow("last day") << QStringList{"31", "12", "9999", "23", "59", "0"}
                                  << dt(9999, 12, 31, 23, 59);
        QTest::newRow("largest field") << QStringList{"1", "1", "2027", "0", "0", "32767"}
                                       << QDateTime(QDate(2027, 1, 1), QTime(9, 6, 7));
        QTest::newRow("smallest field")
            << QStringList{"1", "1", "2027", "0", "-32768", "0"} << dt(2026, 12, 9, 5, 52);
    }
    void alarmSetCarriesLikeACalendar()
    {
        QFETCH(QStringList, fields);
        QFETCH(QDateTime, due);
        Rig rig;
        AlarmDialog* dialog = alarmDialog(rig, 1);
        set(dialog, QStringLiteral("Wake"), fields);
        QVERIFY2(rig.messages.messages.isEmpty(), qPrintable(rig.messages.messages.value(0).text));
        QCOMPARE(OleDate::toDateTime(rig.slots.alarms[1].due), due);
        QVERIFY(rig.slots.alarms[1].active);
        QCOMPARE(rig.menu.alarmCaptions[1], QStringLiteral("&2:Wake"));
        QCOMPARE(rig.armedRecords(), (QMap<int, bool>{{1, true}}));
        // The fields keep what was entered.
        QCOMPARE(::fields(dialog), fields);
    }

    // Set's reading, checking, arming and storing work without a dialog;
    // a failure half-way leaves the slot as it was.
    void setterArmsWithoutADialog()
    {
        Rig rig;
        alarms::SlotSetter setter(rig.slots, rig.store, rig.menu);
        setter.setAlarm(0, QStringLiteral("Up"), {"2027", "1", "2", "6", "30", "0"},
                        QDate(2026, 12, 5));
        setter.setTimer(1, QStringLiteral("Egg"), {"0", "4", "30"}, at(5, 9, 57, 37));
        QCOMPARE(OleDate::toDateTime(rig.slots.alarms[0].due),
                 QDateTime(QDate(2027, 1, 2), QTime(6, 30)));
        QCOMPARE(OleDate::toDateTime(rig.slots.timers[1].due), at(5, 10, 2, 7));
        QCOMPARE(rig.menu.timerCaptions[1], QStringLiteral("&2:Egg"));
        QCOMPARE(rig.armedRecords(), (QMap<int, bool>{{0, true}, {101, true}}));

        QVERIFY_THROWS_EXCEPTION(
            alarms::InputError,
            setter.setTimer(1, QStringLiteral("Bad"), {"0", "x", "0"}, at(5, 9, 57, 37)));
        QCOMPARE(rig.slots.timers[1].name, QStringLiteral("Egg"));
        QCOMPARE(OleDate::toDateTime(rig.slots.timers[1].due), at(5, 10, 2, 7));
    }

    void resetAndNowDisarmWithoutStoring()
    {
        Rig rig;
        TimerDialog* timer = timerDialog(rig, 0);
        set(timer, QStringLiteral("Eggs"), {"0", "7", "0"});
        const double due = rig.slots.timers[0].due;
        QTest::mouseClick(timer->disarmButton(), Qt::LeftButton);
        QVERIFY(!rig.slots.timers[0].active);
        QCOMPARE(rig.slots.timers[0].due, due);
        QCOMPARE(fields(timer), Zeros);
        tick(timer->countdownTimer());
        QCOMPARE(timer->countdownTimer()->interval(), 0);

        // An armed alarm opens with its due time; Set stores it as it is.
        Rig::arm(rig.slots.alarms[0], QStringLiteral("Train"),
                 QDateTime(QDate(2027, 1, 8), QTime(14, 5, 0)));
        AlarmDialog* alarm = alarmDialog(rig, 0);
        QCOMPARE(alarm->nameField()->text(), QStringLiteral("Train"));
        QCOMPARE(fields(alarm), QStringList({"08", "01", "2027", "14", "05", "00"}));
        QTest::mouseClick(alarm->setButton(), Qt::LeftButton);
        QVERIFY(rig.slots.alarms[0].active);
        // Now shows the present second, cut rather than rounded up.
        rig.clock.set(at(5, 10, 1, 2, 900));
        QTest::mouseClick(alarm->disarmButton(), Qt::LeftButton);
        QVERIFY(!rig.slots.alarms[0].active);
        QCOMPARE(fields(alarm), QStringList({"05", "12", "2026", "10", "01", "02"}));
        QCOMPARE(rig.armedRecords(), (QMap<int, bool>{{0, true}, {100, true}}));
    }

    // Up and Down in a field, and the arrows pressed by assistive
    // technology, step once at once, by the field's own rule.
    void keysAndAccessibleArrowsStepLikeTheSpin_data()
    {
        QTest::addColumn<bool>("keys"); // or the accessible arrows
        QTest::addColumn<bool>("alarm");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("after");
        for (const bool keys : {true, false}) {
            const QByteArray way = keys ? "keys: " : "arrows: ";
            QTest::newRow(way + "timer hours 24 up") << keys << false << 2 << "24" << true << "00";
            QTest::newRow(way + "alarm year 0000 down")
                << keys << true << 5 << "0000" << false << "9998";
            QTest::newRow(way + "letters stay") << keys << false << 0 << "7x" << true << "7x";
        }
    }
    void keysAndAccessibleArrowsStepLikeTheSpin()
    {
        QFETCH(bool, keys);
        QFETCH(bool, alarm);
        QFETCH(int, index);
        QFETCH(QString, before);
        QFETCH(bool, up);
        QFETCH(QString, after);
        Rig rig;
        const auto step = [&](auto* dialog) {
            alarms::DigitField* field = dialog->field(index);
            field->setText(before);
            if (keys) {
                QTest::keyClick(field, up ? Qt::Key_Up : Qt::Key_Down);
            } else {
                arrow(dialog->spinButton(index), up)
                    ->doAction(QAccessibleActionInterface::pressAction());
            }
            // At once: nothing waits for the repeat timer.
            return dialog->spinTimer()->interval() == 0 ? field->text() : QStringLiteral("held");
        };
        QCOMPARE(alarm ? step(alarmDialog(rig, 0)) : step(timerDialog(rig, 0)), after);
    }

    void everyControlIsNamedForAssistiveTechnology()
    {
        Rig rig;
        const auto names = [](const alarms::SlotDialog* dialog, const QList<int>& order) {
            QStringList found{dialog->nameField()->accessibleName()};
            for (const int k : order) {
                const ui::SpinArrows* arrows = dialog->spinButton(k);
                found << dialog->field(k)->accessibleName()
                      << QAccessible::queryAccessibleInterface(const_cast<ui::SpinArrows*>(arrows))
                             ->child(0)
                             ->text(QAccessible::Name);
            }
            // Every label reads with the control it stands for.
            for (const QLabel* label : dialog->findChildren<QLabel*>()) {
                if (label->buddy() == nullptr) {
                    found << QStringLiteral("no buddy: ") + label->text();
                }
            }
            return found;
        };
        QCOMPARE(names(timerDialog(rig, 0), Order<TimerDialog>),
                 QStringList({"Timer name", "Hours", "Increase hours", "Minutes",
                              "Increase minutes", "Seconds", "Increase seconds"}));
        QCOMPARE(names(alarmDialog(rig, 0), Order<AlarmDialog>),
                 QStringList({"Alarm name", "Day", "Increase day", "Month", "Increase month",
                              "Year", "Increase year", "Hour", "Increase hour", "Minute",
                              "Increase minute", "Second", "Increase second"}));
        const QAccessibleInterface* down =
            QAccessible::queryAccessibleInterface(rig.windows.alarmDialog()->spinButton(5))
                ->child(1);
        QCOMPARE(down->text(QAccessible::Name), QStringLiteral("Decrease year"));
        QCOMPARE(down->role(), QAccessible::Button);
    }

    // The dialogs' layout is fixed; a large desktop font must not clip a
    // label or a digit, and an ordinary one is left as it is.
    void textsFitTheFixedLayout_data()
    {
        QTest::addColumn<double>("points");
        QTest::newRow("ordinary font") << 9.0;
        QTest::newRow("14 pt font") << 14.0;
    }
    void textsFitTheFixedLayout()
    {
        QFETCH(double, points);
        const Appearance appearance(false, points);
        Rig rig;
        rig.windows.showEvents();
        QStringList clipped;
        QList<double> sizes;
        for (QWidget* dialog : {static_cast<QWidget*>(timerDialog(rig, 0)),
                                static_cast<QWidget*>(alarmDialog(rig, 0))}) {
            for (const QLabel* label : dialog->findChildren<QLabel*>()) {
                const QFontMetrics metrics(label->font());
                const QRect room = label->contentsRect();
                if (metrics.horizontalAdvance(label->text()) > room.width() ||
                    metrics.height() > room.height()) {
                    clipped << label->text();
                }
                sizes << label->font().pointSizeF();
            }
            // Buttons and fields draw their text inside the style's contents
            // rectangle; a field keeps two pixels clear on either side.
            for (const QPushButton* button : dialog->findChildren<QPushButton*>()) {
                QStyleOptionButton option;
                option.initFrom(button);
                const QRect room =
                    button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
                const QFontMetrics metrics(button->font());
                if (metrics.horizontalAdvance(button->text().remove(QLatin1Char('&'))) >
                        room.width() ||
                    metrics.height() > room.height()) {
                    clipped << button->text();
                }
            }
            for (const QLineEdit* field : dialog->findChildren<QLineEdit*>()) {
                QStyleOptionFrame option;
                option.initFrom(field);
                option.lineWidth =
                    field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
                const QRect room =
                    field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
                const QFontMetrics metrics(field->font());
                const bool digits = field->objectName() != QLatin1String("nameField");
                if ((digits && metrics.horizontalAdvance(field->text()) > room.width() - 4) ||
                    metrics.height() > room.height()) {
                    clipped << field->objectName() + QLatin1Char('=') + field->text();
                }
            }
        }
        QCOMPARE(clipped, QStringList());
        // Shrunk only where the large font needs it, never grown.
        QVERIFY(*std::max_element(sizes.begin(), sizes.end()) <= points);
        QCOMPARE(*std::min_element(sizes.begin(), sizes.end()) < points, points > 9.0);
    }

    // In a dark palette the arrows take its light button text, and the
    // events window keeps dark text on its fixed cyan.
    void darkPaletteKeepsEverythingVisible()
    {
        const Appearance appearance(true, 9.0);
        Rig rig;
        TimerDialog* dialog = timerDialog(rig, 0);
        ui::SpinArrows* arrows = dialog->spinButton(0);
        // The middle of the up arrow, and the dialog around it.
        const QImage picture = arrows->grab().toImage();
        const QColor ink = picture.pixelColor(arrows->width() / 2, arrows->height() / 4);
        QVERIFY(ui::Contrast::ratio(ink, dialog->palette().color(QPalette::Window)) >= 4.5);

        rig.windows.showEvents();
        const QPalette events = rig.windows.events()->textBox()->palette();
        QVERIFY(ui::Contrast::ratio(events.color(QPalette::Text), events.color(QPalette::Base)) >=
                4.5);
    }

    void damagedDueTimeIsReportedOnRefill()
    {
        Rig rig;
        rig.slots.alarms[0] = rig.slots.timers[0] = {QStringLiteral("X"), 1.0e12, true};
        alarmDialog(rig, 0);
        timerDialog(rig, 0);
        QStringList titles;
        for (const auto& message : rig.messages.messages) {
            titles.append(message.title);
        }
        QCOMPARE(titles, QStringList({"Set Alarm", "Set Timer"}));
    }
};

QTEST_MAIN(TestAlarmDialogs)
#include "TestAlarmDialogs.moc"
