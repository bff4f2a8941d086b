// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace tikkro::desktop {

// Has the desktop's service manager start this program at a moment, so
// that an alarm rings even when the program is closed by then. Tests put a
// fake in its place. Neither call reports failure: without a service
// manager nothing is scheduled, and the program rings as long as it runs.
class WakeScheduler
{
public:
    virtual ~WakeScheduler() = default;

    // Starts the program at the moment, in milliseconds since 1970 UTC,
    // replacing any moment given before; a moment missed while the machine
    // was off or asleep starts it at the next login.
    virtual void scheduleStart(qint64 msSinceEpoch) = 0;
    // Nothing left to start the program for.
    virtual void cancel() = 0;
};

} // namespace tikkro::desktop
