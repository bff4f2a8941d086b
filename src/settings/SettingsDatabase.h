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
    // The longest the window thread waits for another program to let go of
    // the file; writes that may wait longer go through SettingsWriter.
    static constexpr std::chrono::milliseconds DefaultBusyTimeout{100};

    // ReadOnly opens every connection for reading only, as a file the user
    // may not write behaves.
    enum class Access
    {
        ReadWrite,
        ReadOnly,
    };

    // programFolder followed directly by FileName; no separator is added
    // or removed.
    static QString pathIn(const QString& programFolder);

    SettingsDatabase(QString filePath, ui::MessageService& messages,
                     std::chrono::milliseconds busyTimeout = DefaultBusyTimeout,
                     Access access = Access::ReadWrite);

    QString filePath() const;

    // The same file, waiting up to busyTimeout for it.
    SettingsDatabase withBusyTimeout(std::chrono::milliseconds busyTimeout) const;

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

    // setValue without the message, for threads that may not show one:
    // false where setValue would show it.
    bool storeValue(const QString& field, const QString& table, const QVariant& value,
                    const QString& condition) const;

    // Throws DatabaseError unless a change could be written to the file now;
    // writes nothing. The error's fileBusy() tells a file held by another
    // program from one that cannot be written at all.
    void checkWritable() const;

    // "SELECT field FROM table[ WHERE condition];". Throws DatabaseError
    // unless field and table are plain names (letters, digits, underscore).
    static QString queryText(const QString& field, const QString& table, const QString& condition);

private:
    QString m_filePath;
    ui::MessageService& m_messages;
    std::chrono::milliseconds m_busyTimeout;
    Access m_access;
};

} // namespace tikkro::settings
