// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/alarms/AlarmMenu.h"
#include "core/alarms/AlarmSlots.h"
#include "core/settings/SettingsDatabase.h"

#include <QStringList>

#include <chrono>

namespace tikkro::settings {
class SettingsWriter;
} // namespace tikkro::settings

namespace tikkro::alarms {

// Keeps the four alarm and timer slots in the settings file across restarts,
// one record per store key; failures throw settings::DatabaseError.
class AlarmStore
{
public:
    // How long Set waits for its record to be written. A write that takes
    // longer goes on behind the window, and the writer reports it should it
    // fail.
    static constexpr std::chrono::milliseconds SetWait{100};

    // Writes on the calling thread, waiting as long as the database does.
    AlarmStore(const settings::SettingsDatabase& database, AlarmSlots& slots);
    // Writes through the writer: save() waits at most SetWait,
    // saveArmedFlag() not at all.
    AlarmStore(const settings::SettingsDatabase& database, AlarmSlots& slots,
               settings::SettingsWriter& writer);

    // Fills the slots from the table and renames the menu item of each slot
    // that has a record to "&<slot + 1>: <name>". Records whose key names no
    // slot, or that lack a value, are passed over; of several records for
    // one key the first is taken, as save() updates that one. A record armed
    // for no usable date is switched off, here and in the file. Gives what
    // the user should know about the file: records passed over as
    // duplicates, slots switched off.
    QStringList load(AlarmMenu& menu);

    // Writes the whole slot of key (0, 1, 100 or 101).
    void save(qint16 key);

    // Writes only the slot's armed flag; a slot with no record yet gets a
    // full one.
    void saveArmedFlag(qint16 key);

    // "Alarm 1 'Wake'", "Timer 2 ''": the slot as the user knows it.
    static QString describe(qint16 key, const QString& name);

private:
    const settings::SettingsDatabase& m_database;
    AlarmSlots& m_slots;
    settings::SettingsWriter* m_writer = nullptr;
};

} // namespace tikkro::alarms
