// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlarmRig.h"
#include "core/alarms/SlotSetter.h"
#include "widgets/Contrast.h"

using namespace tikkro;
using alarms::AlarmDialog;
using alarms::TimerDialog;
using namespace tikkro::testing;
using Rig = testing::AlarmRig;

namespace {

// A point on a digit field's up or down arrow, right of its frame.
QPoint arrow(const alarms::DigitField* field, bool up)
{
    return {field->width() - 5, field->height() / 2 + (up ? -4 : 4)};
}

const QStringList Zeros{"00", "00", "00"};

} // namespace

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
        Rig rig;
        alarms::SlotDialog* dialog =
            index > 2 ? static_cast<alarms::SlotDialog*>(alarmDialog(rig, 0)) : timerDialog(rig, 0);
        alarms::DigitField* field = dialog->field(index);
        field->setText(before);
        QTest::mouseClick(field, Qt::LeftButton, {}, arrow(field, up));
        QTEST(field->text(), "after");
    }

    // What the user typed reaches the menu item and the events window as
    // typed, up to the longest name the file takes. An emptied name is
    // stored empty, the caption is "&1:" alone, and the next fill shows the
    // default name again.
    void timerSetArmsNamesAndStores_data()
    {
        addColumns<QString, QString>({"name", "caption"});
        QTest::newRow("plain") << "Tea" << QStringLiteral("&1:Tea");
        QTest::newRow("ampersand") << "Tom & Jerry" << QStringLiteral("&1:Tom && Jerry");
        QTest::newRow("empty") << "" << QStringLiteral("&1:");
        const QString longest(alarms::SlotSetter::MaxNameLength, QLatin1Char('n'));
        QTest::newRow("longest") << longest << "&1:" + longest;
    }
    void timerSetArmsNamesAndStores()
    {
        QFETCH(QString, name);
        Rig rig;
        TimerDialog* dialog = set(timerDialog(rig, 0), name, {" 1", "90", "05 "});
        QCOMPARE(settings::OleDate::toDateTime(rig.slots.timers[0].due), at(5, 12, 27, 42));
        QTEST(rig.menu.timerCaptions[0], "caption");
        QCOMPARE(rig.armedRecords(), (QMap<int, bool>{{100, true}}));
        rig.clock.set(at(5, 12, 27, 42));
        rig.windows.checkDue();
        QVERIFY(rig.log().startsWith("Timer '" + name + "':\n"));
        dialog->refill();
        QCOMPARE(dialog->nameField()->text(), name.isEmpty() ? QStringLiteral("Timer 1") : name);
    }

    // Set refuses bad fields, and a name longer than the file takes,
    // rather than cutting it, with a message and changing nothing.
    void badFieldsChangeNothing_data()
    {
        addColumns<QString, int>({"fields", "nameLength"});
        QTest::newRow("timer letters") << "0 7x 0" << 3;
        QTest::newRow("timer beyond 16 bits") << "0 0 32768" << 3;
        QTest::newRow("timer below zero") << "0 0 -5" << 3;
        QTest::newRow("alarm year past 9999") << "1 13 9999 0 0 0" << 3;
        QTest::newRow("alarm year 100 less a day") << "0 1 0100 0 0 0" << 3;
        QTest::newRow("name too long") << "0 0 1" << 40'000;
    }
    void badFieldsChangeNothing()
    {
        QFETCH(QString, fields);
        QFETCH(int, nameLength);
        const QStringList typed = fields.split(u' ');
        const QString name(nameLength, QLatin1Char('n'));
        Rig rig;
        const alarms::AlarmSlot before{QStringLiteral("Kept"), 12345.5, false};
        rig.slots.alarms[1] = rig.slots.timers[0] = before;
        if (typed.size() > 3) {
            set(alarmDialog(rig, 1), name, typed);
        } else {
            set(timerDialog(rig, 0), name, typed);
        }
        QCOMPARE(rig.messages.messages.size(), 1);
        for (const auto* slot : {&rig.slots.alarms[1], &rig.slots.timers[0]}) {
            QVERIFY(slot->name == before.name && slot->due == before.due && !slot->active);
        }
        QCOMPARE(rig.menu.changes, 0);
        QVERIFY(rig.armedRecords().isEmpty());
    }

    void countdownShowsTheRemainingTime()
    {
        Rig rig;
        TimerDialog* dialog = set(timerDialog(rig, 0), QStringLiteral("T"), {"24", "30", "0"});
        // The whole hours left are shown, days included, and the animation
        // turns one frame per refresh, round the last one.
        rig.clock.advanceMs(1000);
        tick(dialog->countdownTimer(), 9);
        QCOMPARE(fields(dialog), QStringList({"24", "29", "59"}));
        QCOMPARE(dialog->currentFrame(), 1);
        // Fired by the monitor, it shows zeros and stops.
        rig.clock.set(at(6, 10, 27, 38));
        rig.windows.checkDue();
        tick(dialog->countdownTimer());
        QCOMPARE(fields(dialog), Zeros);
        QCOMPARE(dialog->countdownTimer()->interval(), 0);
    }

    // Choosing the other timer while the dialog is active refills it, and
    // so does coming back from another window of the program, discarding
    // unsaved edits.
    void refillFollowsTheChosenSlotAndWindowSwitches()
    {
        Rig rig;
        QWidget main;
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        rig.slots.timers[1].name = QStringLiteral("Second");
        TimerDialog* dialog = timerDialog(rig, 0);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        timerDialog(rig, 1);
        QCOMPARE(dialog->nameField()->text(), QStringLiteral("Second"));
        dialog->nameField()->setText(QStringLiteral("typed"));
        dialog->field(0)->setText(QStringLiteral("12"));
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QCOMPARE(dialog->nameField()->text(), QStringLiteral("Second"));
        QCOMPARE(fields(dialog), Zeros);
    }

    // Fields out of range carry over as on a calendar. An alarm for a wall
    // time the spring change of the clocks skips rings at the end of the
    // gap; one for a wall time the autumn change repeats rings at its first
    // pass.
    void alarmSetCarriesLikeACalendar_data()
    {
        addColumns<QString, QDateTime>({"fields", "due"});
        const auto dt = [](int y, int mo, int d, int h, int mi) {
            return QDateTime(QDate(y, mo, d), QTime(h, mi));
        };
        QTest::newRow("31 February") << "31 02 2027 07 00 00" << dt(2027, 3, 3, 7, 0);
        QTest::newRow("day 0") << "0 3 2028 7 0 0" << dt(2028, 2, 29, 7, 0);
        QTest::newRow("month 13") << "15 13 2026 7 0 0" << dt(2027, 1, 15, 7, 0);
        QTest::newRow("two-digit year") << "1 6 27 8 0 0" << dt(2027, 6, 1, 8, 0);
        QTest::newRow("spun to 0099") << "1 6 0099 8 0 0" << dt(2099, 6, 1, 8, 0);
        QTest::newRow("first year") << "1 1 0100 0 0 0" << dt(100, 1, 1, 0, 0);
        QTest::newRow("largest field")
            << "1 1 2027 0 0 32767" << QDateTime(QDate(2027, 1, 1), QTime(9, 6, 7));
        QTest::newRow("smallest field") << "1 1 2027 0 -32768 0" << dt(2026, 12, 9, 5, 52);
        QTest::newRow("skipped hour") << "28 3 2027 2 30 0" << dt(2027, 3, 28, 3, 0);
        QTest::newRow("repeated hour")
            << "31 10 2027 2 30 0" << QDateTime(QDate(2027, 10, 31), QTime(0, 30), Qt::UTC);
    }
    void alarmSetCarriesLikeACalendar()
    {
        QFETCH(QString, fields);
        Rig rig;
        AlarmDialog* dialog = set(alarmDialog(rig, 1), QStringLiteral("Wake"), fields.split(u' '));
        QTEST(QDateTime::fromMSecsSinceEpoch(rig.slots.alarms[1].dueInstant().value()), "due");
        QCOMPARE(rig.armedRecords(), (QMap<int, bool>{{1, true}}));
        // The fields keep what was entered.
        QCOMPARE(testing::fields(dialog).join(u' '), fields);
    }

    // Reset and Now disarm without storing, and the fields show zeros or
    // the present second, cut rather than rounded up.
    void resetAndNowDisarmWithoutStoring()
    {
        Rig rig;
        TimerDialog* timer = set(timerDialog(rig, 0), QStringLiteral("Eggs"), {"0", "7", "0"});
        QTest::mouseClick(timer->disarmButton(), Qt::LeftButton);
        QVERIFY(!rig.slots.timers[0].active);
        tick(timer->countdownTimer());
        QCOMPARE(fields(timer), Zeros);
        QCOMPARE(timer->countdownTimer()->interval(), 0);
        // An armed alarm opens with its due time; Set stores it as it is.
        Rig::arm(rig.slots.alarms[0], QStringLiteral("Train"),
                 QDateTime(QDate(2027, 1, 8), {14, 5}));
        AlarmDialog* alarm = alarmDialog(rig, 0);
        QCOMPARE(fields(alarm), QStringList({"08", "01", "2027", "14", "05", "00"}));
        QTest::mouseClick(alarm->setButton(), Qt::LeftButton);
        rig.clock.set(at(5, 10, 1, 2, 900));
        QTest::mouseClick(alarm->disarmButton(), Qt::LeftButton);
        QVERIFY(!rig.slots.alarms[0].active);
        QCOMPARE(fields(alarm), QStringList({"05", "12", "2026", "10", "01", "02"}));
        QCOMPARE(rig.armedRecords(), (QMap<int, bool>{{0, true}, {100, true}}));
    }

    void everyControlIsNamedForAssistiveTechnology()
    {
        Rig rig;
        const auto names = [](const alarms::SlotDialog* dialog, const QList<int>& order) {
            QStringList found{dialog->nameField()->accessibleName()};
            for (const int k : order) {
                found << QAccessible::queryAccessibleInterface(dialog->field(k))
                             ->text(QAccessible::Name);
            }
            // Every label reads with the control it stands for.
            for (const QLabel* label : dialog->findChildren<QLabel*>()) {
                if (label->buddy() == nullptr && label->pixmap().isNull()) {
                    found << QStringLiteral("no buddy: ") + label->text();
                }
            }
            return found;
        };
        QCOMPARE(names(timerDialog(rig, 0), Order<TimerDialog>),
                 QStringList({"Timer name", "Hours", "Minutes", "Seconds"}));
        QCOMPARE(names(alarmDialog(rig, 0), Order<AlarmDialog>),
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
        QFont sized = font;
        sized.setPointSize(16);
        QApplication::setFont(sized);
        Rig rig;
        for (const alarms::SlotDialog* dialog :
             {static_cast<alarms::SlotDialog*>(alarmDialog(rig, 0)),
              static_cast<alarms::SlotDialog*>(timerDialog(rig, 0))}) {
            for (const auto* field : dialog->findChildren<alarms::DigitField*>()) {
                // A line edit keeps two pixels clear on either side.
                const int room = field->findChild<QLineEdit*>()->width() - 4;
                QVERIFY2(field->fontMetrics().horizontalAdvance(field->text()) <= room,
                         qPrintable(field->objectName()));
            }
        }
        // The middle of the up arrow, and the dialog around it.
        alarms::DigitField* field = rig.windows.timerDialog()->field(0);
        const QColor ink = field->grab().toImage().pixelColor(arrow(field, true));
        QVERIFY(widgets::Contrast::ratio(
                    ink, rig.windows.timerDialog()->palette().color(QPalette::Window)) >= 4.5);
        rig.windows.showEvents();
        const QPalette events = rig.windows.events()->textEdit()->palette();
        QVERIFY(widgets::Contrast::ratio(events.color(QPalette::Text),
                                         events.color(QPalette::Base)) >= 4.5);
    }
};

TIKKRO_TEST(TestAlarmDialogs)
#include "TestAlarmDialogs.moc"
