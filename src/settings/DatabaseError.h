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
    using UserError::UserError;

    // What the engine said went wrong, for the end of a description.
    static QString reasonOf(const QSqlError& error);
};

} // namespace tikkro::settings
