// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/DatabaseHandle.h"
#include "ui/MessageService.h"

#include <QString>
#include <QVariant>

#include <chrono>

namespace tikkro::settings {

// The database file beside the program and the single-value operations on
// it. Every operation opens its own connection and lets go of it at its end;
// nothing stays open in between. Failures throw DatabaseError.
class SettingsDatabase
{
public:
    static constexpr const char* FileName = "/tikkro.mdb";
    // Long enough to ride out another running copy writing its settings.
    static constexpr std::chrono::milliseconds DefaultBusyTimeout{5000};

    // programFolder followed directly by FileName; no separator is added
    // or removed.
    static QString pathIn(const QString& programFolder);

    SettingsDatabase(QString filePath, ui::MessageService& messages,
                     std::chrono::milliseconds busyTimeout = DefaultBusyTimeout);

    QString filePath() const;

    // Makes a fresh file with empty tUser and tAlarm and the "PrimaryKey"
    // index when there is none. The file appears complete or not at all; an
    // existing file is left exactly as it is.
    void createIfMissing() const;

    // A new connection to the existing file, for reading and writing. Never
    // creates the file.
    DatabaseHandle open() const;

    // The field of the first record the query gives, or a null QVariant when
    // there is no record or the field holds no value.
    QVariant value(const QString& field, const QString& table, const QString& condition) const;

    // Stores value in the field of the first record the query gives. With no
    // record, tUser gains one; any other table gets a "Record not found!"
    // message and stays as it was.
    void setValue(const QString& field, const QString& table, const QVariant& value,
                  const QString& condition) const;

    // "SELECT field FROM table[ WHERE condition];". Throws DatabaseError
    // unless field and table are plain names (letters, digits, underscore).
    static QString queryText(const QString& field, const QString& table, const QString& condition);

private:
    QString m_filePath;
    ui::MessageService& m_messages;
    std::chrono::milliseconds m_busyTimeout;
};

} // namespace tikkro::settings
