// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <stdexcept>

namespace tikkro::settings {

// Any failure of the settings database: the file cannot be opened, is not a
// database, lacks a table or field, is locked for too long, or refuses a
// write. The description is meant for the user's eyes and names the file
// where that helps.
class DatabaseError : public std::runtime_error
{
public:
    explicit DatabaseError(const QString& description);
    QString description() const;

private:
    QString m_description;
};

} // namespace tikkro::settings
