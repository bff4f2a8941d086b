// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/SleepWatcher.h"

namespace tikkro::desktop {

// logind's PrepareForSleep signal on the system bus: true as the machine
// goes to sleep, false once it is awake again. Without a system bus or
// logind nothing is ever said, and nothing else changes.
class LogindSleepWatcher final : public SleepWatcher
{
    Q_OBJECT
public:
    explicit LogindSleepWatcher(QObject* parent = nullptr);

private Q_SLOTS:
    void onPrepareForSleep(bool sleeping);
};

} // namespace tikkro::desktop
