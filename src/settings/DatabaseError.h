// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/UserError.h"

class QSqlError;

namespace tikkro::settings {

// Any failure of the settings database: the file cannot be opened, is not a
// database, lacks a table or field, is locked for too long, or refuses a
// write. The description names the file where that helps.
class DatabaseError : public ui::UserError
{
public:
    // fileBusy: another program held the file for longer than the wait;
    // trying again later may succeed.
    explicit DatabaseError(const QString& description, bool fileBusy = false)
        : UserError(description), m_fileBusy(fileBusy)
    {}

    bool fileBusy() const { return m_fileBusy; }

    // What the engine said went wrong, for the end of a description.
    static QString reasonOf(const QSqlError& error);

    // Whether the engine gave up because someone else held the file.
    static bool isBusy(const QSqlError& error);

private:
    bool m_fileBusy;
};

} // namespace tikkro::settings
