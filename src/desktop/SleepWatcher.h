// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace tikkro::desktop {

// Tells when the machine wakes from suspend or hibernation. Tests put a fake
// in its place.
class SleepWatcher : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

Q_SIGNALS:
    void resumed();
};

} // namespace tikkro::desktop
