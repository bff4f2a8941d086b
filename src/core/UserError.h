// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <stdexcept>

namespace tikkro::core {

// A failure whose description is written for the user's eyes: it says what
// went wrong and where, and a window shows it as it stands.
class UserError : public std::runtime_error
{
public:
    explicit UserError(const QString& description)
        : std::runtime_error(description.toStdString()), m_description(description)
    {}

    QString description() const { return m_description; }

private:
    QString m_description;
};

} // namespace tikkro::core
