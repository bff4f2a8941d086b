// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/InputError.h"

namespace tikkro::alarms {

InputError::InputError(const QString& description)
    : std::runtime_error(description.toStdString()), m_description(description)
{}

} // namespace tikkro::alarms
