// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/DatabaseError.h"

#include <QSqlError>

namespace tikkro::settings {

QString DatabaseError::reasonOf(const QSqlError& error)
{
    const QString text = error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
    if (text.isEmpty()) {
        return QStringLiteral("unknown error");
    }
    // The engine's words leave the user guessing who locked it.
    return isBusy(error) ? text + QStringLiteral(" (another program is using the file)") : text;
}

bool DatabaseError::isBusy(const QSqlError& error)
{
    // SQLite's SQLITE_BUSY (5) and SQLITE_LOCKED (6); an extended code
    // carries the primary one in its low byte.
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xff;
    return ok && (code == 5 || code == 6);
}

} // namespace tikkro::settings
