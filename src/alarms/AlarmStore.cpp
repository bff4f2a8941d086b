// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/AlarmStore.h"

#include "settings/DatabaseError.h"
#include "settings/WriteTransaction.h"

#include <QSqlQuery>

#include <cmath>
#include <limits>
#include <optional>

namespace tikkro::alarms {

namespace {

using settings::DatabaseError;
using settings::DatabaseHandle;
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

std::optional<qint64> findRecord(const DatabaseHandle& handle, qint16 key)
{
    QSqlQuery seek =
        handle.exec(QStringLiteral("SELECT rowid FROM tAlarm WHERE aA = ?"), {QVariant(key)});
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

struct StoredRecord
{
    qint16 key = 0;
    QString name;
    double due = 0.0;
    bool active = false;
};

// A record the program could have written, or nothing for one it never
// would (no value in a field, a key outside 16 bits). A value of the wrong
// kind is an error, as the file is then not what the program keeps.
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
    if (!keyOk || !dueOk || !flagOk) {
        throw DatabaseError(
            QStringLiteral("The alarm and timer table in the database file %1 holds a value "
                           "that is not a number")
                .arg(filePath));
    }
    if (key < std::numeric_limits<qint16>::min() || key > std::numeric_limits<qint16>::max()) {
        return std::nullopt;
    }
    return StoredRecord{static_cast<qint16>(key), query.value(1).toString(), due, flag != 0.0};
}

} // namespace

AlarmStore::AlarmStore(const settings::SettingsDatabase& database, AlarmSlots& slots)
    : m_database(database), m_slots(slots)
{}

void AlarmStore::load(AlarmMenu& menu)
{
    const DatabaseHandle handle = m_database.open();
    QSqlQuery query = handle.exec(QStringLiteral("SELECT aA, an, aT, aF FROM tAlarm"));
    while (query.next()) {
        const std::optional<StoredRecord> record = readRecord(query, handle.filePath());
        if (!record) {
            continue;
        }
        AlarmSlot* slot = m_slots.slotForKey(record->key);
        if (slot == nullptr) {
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
        slot->due = record->due;
        slot->active = record->active;
    }
}

void AlarmStore::save(qint16 key)
{
    const AlarmSlot& slot = requireSlot(m_slots, key);
    const DatabaseHandle handle = m_database.open();
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

void AlarmStore::saveArmedFlag(qint16 key)
{
    const AlarmSlot& slot = requireSlot(m_slots, key);
    const DatabaseHandle handle = m_database.open();
    WriteTransaction transaction(handle);
    if (const std::optional<qint64> rowid = findRecord(handle, key)) {
        handle.exec(QStringLiteral("UPDATE tAlarm SET aF = ? WHERE rowid = ?"),
                    {QVariant(slot.active ? 1 : 0), QVariant(*rowid)});
    } else {
        insertRecord(handle, key, slot);
    }
    transaction.commit();
}

} // namespace tikkro::alarms
