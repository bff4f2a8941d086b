// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

namespace tikkro::alarms {

class AlarmMenu;
class AlarmStore;
struct AlarmSlots;

// What Set does in the two Set/Edit dialogs, without the dialogs: reads the
// typed fields, checks them, arms the slot under its new name, renames its
// menu item and stores it. Every field is read and checked before anything
// changes, so a bad one leaves the slot, its menu item and its record as they
// were. Failures throw InputError or settings::DatabaseError.
class SlotSetter
{
    Q_DECLARE_TR_FUNCTIONS(SlotSetter)

public:
    // The alarm dialog's fields as typed.
    struct AlarmFields
    {
        QString year;
        QString month;
        QString day;
        QString hour;
        QString minute;
        QString second;
    };

    // The timer dialog's fields as typed.
    struct TimerFields
    {
        QString hours;
        QString minutes;
        QString seconds;
    };

    // The longest name a slot takes: what a line edit holds by default. A
    // longer one is refused, never cut.
    static constexpr int MaxNameLength = 32767;

    SlotSetter(AlarmSlots& slots, AlarmStore& store, AlarmMenu& menu);

    // Arms alarm `slot` for the date and time of the fields; a short year is
    // taken in the century of `today`. A time in the past is taken: the
    // monitor rings it at once.
    void setAlarm(int slot, const QString& name, const AlarmFields& fields, const QDate& today);

    // Arms timer `slot` to end the fields' length of real time after the
    // whole second of `now`.
    void setTimer(int slot, const QString& name, const TimerFields& fields, const QDateTime& now);

private:
    static void requireNameFits(const QString& name);

    AlarmSlots& m_slots;
    AlarmStore& m_store;
    AlarmMenu& m_menu;
};

} // namespace tikkro::alarms
