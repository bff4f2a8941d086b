// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/AlarmRecord.h"
#include "core/settings/RunRecord.h"
#include "core/settings/StoredPosition.h"

#include <QString>

#include <chrono>
#include <optional>
#include <vector>

namespace tikkro::settings {

class DatabaseHandle;

// The settings file and the typed reads and writes the program makes on it:
// the main window's position and the alarm and timer records. Every
// operation opens its own connection and lets go of it at its end; nothing
// stays open in between. Failures throw DatabaseError.
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

    explicit SettingsDatabase(QString filePath,
                              std::chrono::milliseconds busyTimeout = DefaultBusyTimeout,
                              Access access = Access::ReadWrite);

    QString filePath() const;

    // The same file, waiting up to busyTimeout for it.
    SettingsDatabase withBusyTimeout(std::chrono::milliseconds busyTimeout) const;

    // Makes a fresh file with the empty window-position and alarm tables and
    // the unique index on the alarm key when there is none. The file appears
    // complete or not at all; an existing file is left exactly as it is.
    void createIfMissing() const;

    // Throws DatabaseError unless a change could be written to the file now;
    // writes nothing. The error's fileBusy() tells a file held by another
    // program from one that cannot be written at all.
    void checkWritable() const;

    // The position in the first record; nothing when there is no record.
    StoredPosition storedPosition() const;
    // Writes both edges into the first record, adding it when there is none.
    void savePosition(double left, double top) const;

    // The records that can stand for a slot, in the table's order: those
    // with a value in every field and a key within 16 bits. A key or flag
    // that is no number throws, as the file is then not one the program
    // keeps.
    std::vector<AlarmRecord> alarmRecords() const;
    // Writes the whole record of its key, adding it when there is none.
    void saveAlarm(const AlarmRecord& record) const;
    // Writes only the armed flag of the record of its key; with no record
    // yet, adds the whole of it.
    void saveArmedFlag(const AlarmRecord& record) const;

    // Whether the service manager is to start the program for an alarm
    // while it is closed; yes in a file that never said.
    bool ringsWhenClosed() const;
    // Keeps the choice, adding the table of options to a file without it.
    void saveRingsWhenClosed(bool on) const;
    // The stopwatch run kept by the last start; nothing when none was kept,
    // in a file from before runs were kept too.
    std::optional<RunRecord> storedRun() const;
    // Replaces the kept run, adding its table to a file that has none.
    void saveRun(const RunRecord& run) const;
    // Marks the kept run as ended by the user; a file with none is left
    // alone.
    void markRunEnded() const;

private:
    // A new connection to the existing file; never creates the file.
    DatabaseHandle open() const;

    QString m_filePath;
    std::chrono::milliseconds m_busyTimeout;
    Access m_access;
};

} // namespace tikkro::settings
