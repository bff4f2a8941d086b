// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ClockChanges.h"

#include <QFileSystemWatcher>

class QSocketNotifier;

namespace tikkro::desktop {

// The kernel's word on clock changes: a timerfd on CLOCK_REALTIME armed
// with TFD_TIMER_CANCEL_ON_SET is woken when the clock is set, and inotify
// on /etc/localtime tells of a new time zone. Neither polls.
class LinuxClockChanges final : public core::ClockChanges
{
    Q_OBJECT
public:
    explicit LinuxClockChanges(QObject* parent = nullptr);
    ~LinuxClockChanges() override;

private:
    void armTimer();
    void clockSet();
    void zoneChanged();

    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
    QFileSystemWatcher m_zone;
};

} // namespace tikkro::desktop
