// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/alarms/AlarmStore.h"

#include "core/settings/DatabaseError.h"
#include "core/settings/OleDate.h"
#include "core/settings/SettingsWriter.h"

#include <cmath>
#include <set>

namespace tikkro::alarms {

namespace {

using settings::AlarmRecord;
using settings::DatabaseError;
using settings::SettingsDatabase;

// A copy of the slot as its record, so that the write can run on the
// writer's thread while the windows go on changing the slot itself.
AlarmRecord recordOf(AlarmSlots& slots, qint16 key)
{
    const AlarmSlot* slot = slots.slotForKey(key);
    if (slot == nullptr) {
        throw DatabaseError(QStringLiteral("There is no alarm or timer with the key %1").arg(key));
    }
    if (!std::isfinite(slot->due)) {
        throw DatabaseError(
            QStringLiteral("The alarm or timer with the key %1 has no valid date and time")
                .arg(key));
    }
    return {key, slot->name, slot->due, slot->active};
}

QString describeAll(const std::set<qint16>& keys, AlarmSlots& slots)
{
    QStringList names;
    for (const qint16 key : keys) {
        names.append(AlarmStore::describe(key, slots.slotForKey(key)->name));
    }
    return names.join(QStringLiteral(", "));
}

} // namespace

AlarmStore::AlarmStore(const settings::SettingsDatabase& database, AlarmSlots& slots)
    : m_database(database), m_slots(slots)
{}

AlarmStore::AlarmStore(const settings::SettingsDatabase& database, AlarmSlots& slots,
                       settings::SettingsWriter& writer)
    : m_database(database), m_slots(slots), m_writer(&writer)
{}

QString AlarmStore::describe(qint16 key, const QString& name)
{
    const bool alarm = AlarmSlots::kindOfKey(key) == AlarmSlots::Kind::Alarm;
    return QStringLiteral("%1 %2 '%3'")
        .arg(alarm ? QStringLiteral("Alarm") : QStringLiteral("Timer"),
             QString::number(AlarmSlots::slotOfKey(key) + 1), name);
}

QStringList AlarmStore::load(AlarmMenu& menu)
{
    std::set<qint16> seen;
    std::set<qint16> duplicated;
    std::set<qint16> switchedOff;
    for (const AlarmRecord& record : m_database.alarmRecords()) {
        AlarmSlot* slot = m_slots.slotForKey(record.key);
        if (slot == nullptr) {
            continue;
        }
        if (!seen.insert(record.key).second) {
            duplicated.insert(record.key);
            continue;
        }
        const int k = AlarmSlots::slotOfKey(record.key);
        slot->name = record.name;
        const QString caption = AlarmMenu::loadedCaption(k, record.name);
        if (AlarmSlots::kindOfKey(record.key) == AlarmSlots::Kind::Alarm) {
            menu.setAlarmCaption(k, caption);
        } else {
            menu.setTimerCaption(k, caption);
        }
        // An infinite due would ring at every start (or never) and could not
        // be stored back as done.
        if (!settings::OleDate::toDateTime(record.due).isValid()) {
            slot->due = 0.0;
            slot->active = false;
            if (record.active) {
                switchedOff.insert(record.key);
            }
            continue;
        }
        slot->due = record.due;
        slot->active = record.active;
    }

    QStringList warnings;
    if (!duplicated.empty()) {
        warnings.append(QStringLiteral("The settings file %1 lacks its unique index on the alarm "
                                       "and timer key and holds more than one record for %2; "
                                       "the first record of each is used.")
                            .arg(m_database.filePath(), describeAll(duplicated, m_slots)));
    }
    if (!switchedOff.empty()) {
        warnings.append(QStringLiteral("The settings file %1 holds no usable date and time for "
                                       "%2, so it is switched off.")
                            .arg(m_database.filePath(), describeAll(switchedOff, m_slots)));
        for (const qint16 key : switchedOff) {
            try {
                saveArmedFlag(key);
            } catch (const DatabaseError&) {
                // Then the next start says so again.
            }
        }
    }
    return warnings;
}

void AlarmStore::save(qint16 key)
{
    const AlarmRecord record = recordOf(m_slots, key);
    if (m_writer == nullptr) {
        m_database.saveAlarm(record);
        return;
    }
    const QString what = describe(key, record.name) +
                         QStringLiteral(" is set, but only until Tikkro closes: it could not be "
                                        "stored.");
    const settings::SettingsWriter::Outcome outcome = m_writer->writeAndWait(
        what, [record](const SettingsDatabase& database) { database.saveAlarm(record); }, SetWait);
    if (outcome.state == settings::SettingsWriter::State::Failed) {
        throw DatabaseError(what + QStringLiteral("\n\n") + outcome.failure);
    }
}

void AlarmStore::saveArmedFlag(qint16 key)
{
    const AlarmRecord record = recordOf(m_slots, key);
    if (m_writer == nullptr) {
        m_database.saveArmedFlag(record);
        return;
    }
    m_writer->write(
        describe(key, record.name) +
            QStringLiteral(" has rung, but that could not be stored: it may ring again at the "
                           "next start."),
        [record](const SettingsDatabase& database) { database.saveArmedFlag(record); });
}

} // namespace tikkro::alarms
