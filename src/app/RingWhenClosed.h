// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <optional>

class QAction;
class QMenu;

namespace tikkro::alarms {
class AlarmMonitor;
struct AlarmSlots;
} // namespace tikkro::alarms
namespace tikkro::desktop {
class MessageService;
class WakeScheduler;
} // namespace tikkro::desktop
namespace tikkro::settings {
class SettingsDatabase;
} // namespace tikkro::settings

namespace tikkro::app {

// Keeps the service manager's start of the program on the earliest armed
// slot, so that it rings even when the program is closed by then: whenever
// the monitor says the armed slots may have changed, the earliest due moment
// goes to the scheduler, or, with none armed or the switch off, the start is
// cancelled. The switch is a checkable menu item, kept in the settings file.
class RingWhenClosed : public QObject
{
    Q_OBJECT
public:
    RingWhenClosed(alarms::AlarmSlots& slots, alarms::AlarmMonitor& monitor,
                   const settings::SettingsDatabase& database, desktop::WakeScheduler& scheduler,
                   desktop::MessageService& messages, QObject* parent = nullptr);

    // Reads the switch from the file and puts it into the menu. The slots
    // go to the scheduler at the monitor's next armedChanged(), once it has
    // fired what is already due: a moment already past would have the
    // service manager start the program at once.
    void start(QMenu& menu);

    bool isOn() const { return m_on; }
    void setOn(bool on);

private:
    void plan();

    alarms::AlarmSlots& m_slots;
    const settings::SettingsDatabase& m_database;
    desktop::WakeScheduler& m_scheduler;
    desktop::MessageService& m_messages;
    QAction* m_switch = nullptr;
    bool m_on = true;
    // What the scheduler was last given; none before the first time, so
    // that a start left from an earlier run is always replaced.
    std::optional<std::optional<qint64>> m_handed;
};

} // namespace tikkro::app
