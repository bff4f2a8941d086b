// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace tikkro::core {

// Tells when the system clock is set or the time zone changes, so that
// whatever sleeps until a wall-clock moment can plan its sleep again.
class ClockChanges : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

Q_SIGNALS:
    void changed();
};

} // namespace tikkro::core
