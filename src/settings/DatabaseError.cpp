// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/DatabaseError.h"

#include <QSqlError>

namespace tikkro::settings {

QString DatabaseError::reasonOf(const QSqlError& error)
{
    const QString text = error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
    return text.isEmpty() ? QStringLiteral("unknown error") : text;
}

} // namespace tikkro::settings
