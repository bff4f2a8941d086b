// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RingWhenClosed.h"

#include "core/alarms/AlarmMonitor.h"
#include "core/alarms/AlarmSlots.h"
#include "core/settings/DatabaseError.h"
#include "core/settings/SettingsDatabase.h"
#include "desktop/MessageService.h"
#include "desktop/WakeScheduler.h"

#include <QAction>
#include <QMenu>

namespace tikkro::app {

RingWhenClosed::RingWhenClosed(alarms::AlarmSlots& slots, alarms::AlarmMonitor& monitor,
                               const settings::SettingsDatabase& database,
                               desktop::WakeScheduler& scheduler, desktop::MessageService& messages,
                               QObject* parent)
    : QObject(parent), m_slots(slots), m_database(database), m_scheduler(scheduler),
      m_messages(messages)
{
    connect(&monitor, &alarms::AlarmMonitor::armedChanged, this, &RingWhenClosed::plan);
}

void RingWhenClosed::start(QMenu& menu)
{
    try {
        m_on = m_database.ringsWhenClosed();
    } catch (const settings::DatabaseError&) {
        // Start-up has said what is wrong with the file; the switch keeps
        // its default.
    }
    m_switch = menu.addAction(tr("&Ring When Closed"));
    m_switch->setObjectName(QStringLiteral("ringWhenClosedAction"));
    m_switch->setCheckable(true);
    m_switch->setChecked(m_on);
    connect(m_switch, &QAction::toggled, this, &RingWhenClosed::setOn);
}

void RingWhenClosed::setOn(bool on)
{
    if (on == m_on) {
        return;
    }
    m_on = on;
    if (m_switch != nullptr) {
        m_switch->setChecked(on);
    }
    try {
        m_database.saveRingsWhenClosed(on);
    } catch (const settings::DatabaseError& error) {
        m_messages.showModeless(tr("The choice holds until Tikkro ends, but could not be kept: %1")
                                    .arg(error.description()),
                                desktop::MessageService::Icon::Warning, QStringLiteral("Tikkro"));
    }
    plan();
}

void RingWhenClosed::plan()
{
    const std::optional<qint64> wanted = m_on ? m_slots.earliestDueInstant() : std::nullopt;
    if (m_handed.has_value() && *m_handed == wanted) {
        return;
    }
    m_handed = wanted;
    if (wanted) {
        m_scheduler.scheduleStart(*wanted);
    } else {
        m_scheduler.cancel();
    }
}

} // namespace tikkro::app
