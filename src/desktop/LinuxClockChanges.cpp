// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/LinuxClockChanges.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdint>
#include <limits>
#include <sys/timerfd.h>
#include <unistd.h>

namespace tikkro::desktop {

namespace {
const QString ZoneFile = QStringLiteral("/etc/localtime");
}

LinuxClockChanges::LinuxClockChanges(QObject* parent) : core::ClockChanges(parent)
{
    m_fd = ::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_fd >= 0) {
        armTimer();
        m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &LinuxClockChanges::clockSet);
    }
    m_zone.addPath(ZoneFile);
    connect(&m_zone, &QFileSystemWatcher::fileChanged, this, &LinuxClockChanges::zoneChanged);
}

LinuxClockChanges::~LinuxClockChanges()
{
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

void LinuxClockChanges::armTimer()
{
    // An absolute expiry far beyond any clock: the timer never runs out,
    // and only setting the clock cancels it.
    itimerspec never{};
    never.it_value.tv_sec = std::numeric_limits<time_t>::max();
    ::timerfd_settime(m_fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &never, nullptr);
}

void LinuxClockChanges::clockSet()
{
    std::uint64_t expiries = 0;
    const ssize_t got = ::read(m_fd, &expiries, sizeof expiries);
    // ECANCELED is the clock being set; the cancelled timer needs arming
    // again to hear of the next time.
    if (got < 0 && errno == ECANCELED) {
        armTimer();
        Q_EMIT changed();
    }
}

void LinuxClockChanges::zoneChanged()
{
    // Setting the zone replaces the link, and the watch goes with the old one.
    if (!m_zone.files().contains(ZoneFile)) {
        m_zone.addPath(ZoneFile);
    }
    Q_EMIT changed();
}

} // namespace tikkro::desktop
