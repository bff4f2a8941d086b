// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/alarms/AlarmSlot.h"

#include "core/settings/OleDate.h"

namespace tikkro::alarms {

std::optional<qint64> AlarmSlot::dueInstant() const
{
    return settings::OleDate::toInstant(due, dueOnSecondPass);
}

void AlarmSlot::setDueInstant(qint64 msSinceEpoch)
{
    due = settings::OleDate::fromInstant(msSinceEpoch);
    dueOnSecondPass = settings::OleDate::toInstant(due) != msSinceEpoch;
}

} // namespace tikkro::alarms
