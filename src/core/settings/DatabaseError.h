// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <stdexcept>

class QSqlError;

namespace tikkro::settings {

// Any failure of the settings database: the file cannot be opened, is not a
// database, lacks a table or field, is locked for too long, or refuses a
// write. The description is written for the user's eyes and names the file
// where that helps; what() holds the same text as UTF-8.
class DatabaseError : public std::runtime_error
{
public:
    // fileBusy: another program held the file for longer than the wait;
    // trying again later may succeed.
    explicit DatabaseError(const QString& description, bool fileBusy = false)
        : std::runtime_error(description.toStdString()), m_description(description),
          m_fileBusy(fileBusy)
    {}

    QString description() const { return m_description; }
    bool fileBusy() const { return m_fileBusy; }

    // What the engine said went wrong, for the end of a description.
    static QString reasonOf(const QSqlError& error);

    // Whether the engine gave up because someone else held the file.
    static bool isBusy(const QSqlError& error);

private:
    QString m_description;
    bool m_fileBusy;
};

} // namespace tikkro::settings
