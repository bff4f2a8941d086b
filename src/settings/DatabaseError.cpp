// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/DatabaseError.h"

namespace tikkro::settings {

DatabaseError::DatabaseError(const QString& description)
    : std::runtime_error(description.toStdString()), m_description(description)
{}

QString DatabaseError::description() const
{
    return m_description;
}

} // namespace tikkro::settings
