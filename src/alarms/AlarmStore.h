// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/AlarmMenu.h"
#include "alarms/AlarmSlots.h"
#include "settings/SettingsDatabase.h"

namespace tikkro::alarms {

// Keeps the four alarm and timer slots in table tAlarm across restarts, one
// record per store key. Each operation opens the database, works in one
// transaction and lets go of it; failures throw settings::DatabaseError.
class AlarmStore
{
public:
    AlarmStore(const settings::SettingsDatabase& database, AlarmSlots& slots);

    // Fills the slots from the table and renames the menu item of each slot
    // that has a record to "&<slot + 1>: <name>". Records whose key names no
    // slot, or that lack a value, are passed over.
    void load(AlarmMenu& menu);

    // Writes the whole slot of key (0, 1, 100 or 101).
    void save(qint16 key);

    // Writes only the slot's armed flag; a slot with no record yet gets a
    // full one.
    void saveArmedFlag(qint16 key);

private:
    const settings::SettingsDatabase& m_database;
    AlarmSlots& m_slots;
};

} // namespace tikkro::alarms
