// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WindowTimer.h"

namespace tikkro::core {

WindowTimer::WindowTimer(QObject* parent) : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &WindowTimer::tick);
}

int WindowTimer::interval() const
{
    return m_interval;
}

void WindowTimer::setInterval(int milliseconds)
{
    m_interval = qMax(0, milliseconds);
    if (m_interval == 0 || m_suspended || m_takenOver) {
        m_timer.stop();
        return;
    }
    m_timer.start(m_interval);
}

void WindowTimer::setSuspended(bool suspended)
{
    if (suspended == m_suspended) {
        return;
    }
    m_suspended = suspended;
    Q_EMIT suspendedChanged(m_suspended);
    // Whatever the tick shows has gone stale while suspended: it is brought
    // up to date at once, not an interval later.
    apply(true);
}

void WindowTimer::setTakenOver(bool takenOver)
{
    if (takenOver == m_takenOver) {
        return;
    }
    m_takenOver = takenOver;
    // Whoever took the ticks over kept what they show up to date.
    apply(false);
}

void WindowTimer::apply(bool tickAtOnce)
{
    if (m_suspended || m_takenOver || m_interval == 0) {
        m_timer.stop();
        return;
    }
    m_timer.start(m_interval);
    if (!tickAtOnce) {
        return;
    }
    QTimer::singleShot(0, this, [this] {
        if (m_timer.isActive()) {
            Q_EMIT tick();
        }
    });
}

} // namespace tikkro::core
