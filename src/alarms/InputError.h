// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <stdexcept>

namespace tikkro::alarms {

// What the user typed into a Set/Edit dialog cannot be taken; the
// description says which field and why, for the dialog's message box.
class InputError : public std::runtime_error
{
public:
    explicit InputError(const QString& description);
    QString description() const { return m_description; }

private:
    QString m_description;
};

} // namespace tikkro::alarms
