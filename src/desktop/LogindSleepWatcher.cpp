// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/LogindSleepWatcher.h"

#include <QDBusConnection>

namespace tikkro::desktop {

LogindSleepWatcher::LogindSleepWatcher(QObject* parent) : SleepWatcher(parent)
{
    // No sender named: Qt would then look up logind's owner with a call that
    // waits for its answer. A stray signal from elsewhere only makes the
    // monitor look at the slots early, which is always harmless.
    QDBusConnection::systemBus().connect(QString(), QStringLiteral("/org/freedesktop/login1"),
                                         QStringLiteral("org.freedesktop.login1.Manager"),
                                         QStringLiteral("PrepareForSleep"), this,
                                         SLOT(onPrepareForSleep(bool)));
}

void LogindSleepWatcher::onPrepareForSleep(bool sleeping)
{
    if (!sleeping) {
        Q_EMIT resumed();
    }
}

} // namespace tikkro::desktop
