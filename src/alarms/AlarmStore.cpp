// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/AlarmStore.h"

#include "settings/DatabaseError.h"
#include "settings/OleDate.h"
#include "settings/SettingsWriter.h"
#include "settings/WriteTransaction.h"

#include <QSqlQuery>

#include <cmath>
#include <limits>
#include <optional>
#include <set>

namespace tikkro::alarms {

namespace {

using settings::DatabaseError;
using settings::DatabaseHandle;
using settings::SettingsDatabase;
using settings::WriteTransaction;

// A null QString would be stored as no value; the name is text, even empty.
QVariant nameValue(const QString& name)
{
    return name.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(name);
}

AlarmSlot& requireSlot(AlarmSlots& slots, qint16 key)
{
    AlarmSlot* slot = slots.slotForKey(key);
    if (slot == nullptr) {
        throw DatabaseError(QStringLiteral("There is no alarm or timer with the key %1").arg(key));
    }
    if (!std::isfinite(slot->due)) {
        throw DatabaseError(
            QStringLiteral("The alarm or timer with the key %1 has no valid date and time")
                .arg(key));
    }
    return *slot;
}

// Without the unique index a key may have several records; the first by
// rowid is the one load() takes, so it is the one written.
std::optional<qint64> findRecord(const DatabaseHandle& handle, qint16 key)
{
    QSqlQuery seek =
        handle.exec(QStringLiteral("SELECT rowid FROM tAlarm WHERE aA = ? ORDER BY rowid LIMIT 1"),
                    {QVariant(key)});
    if (!seek.next()) {
        return std::nullopt;
    }
    return seek.value(0).toLongLong();
}

void insertRecord(const DatabaseHandle& handle, qint16 key, const AlarmSlot& slot)
{
    handle.exec(
        QStringLiteral("INSERT INTO tAlarm (aA, an, aT, aF) VALUES (?, ?, ?, ?)"),
        {QVariant(key), nameValue(slot.name), QVariant(slot.due), QVariant(slot.active ? 1 : 0)});
}

// The two writes take a copy of the slot, so they can run on the writer's
// thread while the windows go on changing the slot itself.
void writeSlot(const SettingsDatabase& database, qint16 key, const AlarmSlot& slot)
{
    const DatabaseHandle handle = database.open();
    WriteTransaction transaction(handle);
    if (const std::optional<qint64> rowid = findRecord(handle, key)) {
        handle.exec(QStringLiteral("UPDATE tAlarm SET aA = ?, an = ?, aT = ?, aF = ? "
                                   "WHERE rowid = ?"),
                    {QVariant(key), nameValue(slot.name), QVariant(slot.due),
                     QVariant(slot.active ? 1 : 0), QVariant(*rowid)});
    } else {
        insertRecord(handle, key, slot);
    }
    transaction.commit();
}

void writeArmedFlag(const SettingsDatabase& database, qint16 key, const AlarmSlot& slot)
{
    const DatabaseHandle handle = database.open();
    WriteTransaction transaction(handle);
    if (const std::optional<qint64> rowid = findRecord(handle, key)) {
        handle.exec(QStringLiteral("UPDATE tAlarm SET aF = ? WHERE rowid = ?"),
                    {QVariant(slot.active ? 1 : 0), QVariant(*rowid)});
    } else {
        insertRecord(handle, key, slot);
    }
    transaction.commit();
}

struct StoredRecord
{
    qint16 key = 0;
    QString name;
    // NaN where the field holds no number.
    double due = 0.0;
    bool active = false;
};

// A record the program could have written, or nothing for one it never
// would (no value in a field, a key outside 16 bits). A key or flag of the
// wrong kind is an error, as the file is then not what the program keeps.
std::optional<StoredRecord> readRecord(const QSqlQuery& query, const QString& filePath)
{
    for (int column = 0; column < 4; ++column) {
        if (query.isNull(column)) {
            return std::nullopt;
        }
    }
    bool keyOk = false;
    bool dueOk = false;
    bool flagOk = false;
    const qlonglong key = query.value(0).toLongLong(&keyOk);
    const double due = query.value(2).toDouble(&dueOk);
    const double flag = query.value(3).toDouble(&flagOk);
    if (!keyOk || !flagOk) {
        throw DatabaseError(
            QStringLiteral("The alarm and timer table in the database file %1 holds a value "
                           "that is not a number")
                .arg(filePath));
    }
    if (key < std::numeric_limits<qint16>::min() || key > std::numeric_limits<qint16>::max()) {
        return std::nullopt;
    }
    return StoredRecord{static_cast<qint16>(key), query.value(1).toString(),
                        dueOk ? due : std::nan(""), flag != 0.0};
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
    {
        const DatabaseHandle handle = m_database.open();
        QSqlQuery query =
            handle.exec(QStringLiteral("SELECT aA, an, aT, aF FROM tAlarm ORDER BY rowid"));
        while (query.next()) {
            const std::optional<StoredRecord> record = readRecord(query, handle.filePath());
            if (!record) {
                continue;
            }
            AlarmSlot* slot = m_slots.slotForKey(record->key);
            if (slot == nullptr) {
                continue;
            }
            if (!seen.insert(record->key).second) {
                duplicated.insert(record->key);
                continue;
            }
            const int k = AlarmSlots::slotOfKey(record->key);
            slot->name = record->name;
            const QString caption = AlarmMenu::loadedCaption(k, record->name);
            if (AlarmSlots::kindOfKey(record->key) == AlarmSlots::Kind::Alarm) {
                menu.setAlarmCaption(k, caption);
            } else {
                menu.setTimerCaption(k, caption);
            }
            // An infinite due would ring at every start (or never) and
            // could not be stored back as done.
            if (!settings::OleDate::toDateTime(record->due).isValid()) {
                slot->due = 0.0;
                slot->active = false;
                if (record->active) {
                    switchedOff.insert(record->key);
                }
                continue;
            }
            slot->due = record->due;
            slot->active = record->active;
        }
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
    const AlarmSlot slot = requireSlot(m_slots, key);
    if (m_writer == nullptr) {
        writeSlot(m_database, key, slot);
        return;
    }
    const QString what = describe(key, slot.name) +
                         QStringLiteral(" is set, but only until Tikkro closes: it could not be "
                                        "stored.");
    const settings::SettingsWriter::Outcome outcome = m_writer->writeAndWait(
        what, [key, slot](const SettingsDatabase& database) { writeSlot(database, key, slot); },
        SetWait);
    if (outcome.state == settings::SettingsWriter::State::Failed) {
        throw DatabaseError(what + QStringLiteral("\n\n") + outcome.failure);
    }
}

void AlarmStore::saveArmedFlag(qint16 key)
{
    const AlarmSlot slot = requireSlot(m_slots, key);
    if (m_writer == nullptr) {
        writeArmedFlag(m_database, key, slot);
        return;
    }
    m_writer->write(
        describe(key, slot.name) +
            QStringLiteral(" has rung, but that could not be stored: it may ring again at the "
                           "next start."),
        [key, slot](const SettingsDatabase& database) { writeArmedFlag(database, key, slot); });
}

} // namespace tikkro::alarms
