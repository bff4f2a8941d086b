// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/RunKeeper.h"

#include "core/IntervalTimer.h"
#include "core/settings/DatabaseError.h"
#include "core/stopwatch/PerformanceCounter.h"

#include <QtDebug>

#include <algorithm>
#include <chrono>
#include <limits>
#include <utility>

namespace tikkro::settings {

RunKeeper::RunKeeper(const SettingsDatabase& database, const stopwatch::PerformanceCounter& counter,
                     core::IntervalTimer& timer, Snapshot snapshot)
    : m_database(database), m_counter(counter), m_timer(timer), m_snapshot(std::move(snapshot)),
      m_lastSaveMs(std::numeric_limits<qint64>::min() / 2), m_thread([this] { writeLoop(); })
{}

RunKeeper::~RunKeeper()
{
    stopWriting();
}

qint64 RunKeeper::nowMs() const
{
    const qint64 frequency = std::max<qint64>(1, m_counter.frequency());
    return m_counter.ticks() / frequency * 1000 + m_counter.ticks() % frequency * 1000 / frequency;
}

void RunKeeper::start()
{
    m_started = true;
}

void RunKeeper::changed()
{
    if (!m_started || m_timer.interval() != 0) {
        return;
    }
    const qint64 now = nowMs();
    const qint64 due = std::max(now + GatherMs, m_lastSaveMs + GapMs);
    m_timer.setInterval(static_cast<int>(due - now));
}

void RunKeeper::saveDue()
{
    m_timer.setInterval(0);
    if (!m_started) {
        return;
    }
    m_lastSaveMs = nowMs();
    RunRecord run = m_snapshot();
    {
        const std::lock_guard lock(m_mutex);
        m_pending = std::move(run);
    }
    m_wake.notify_all();
}

void RunKeeper::writeLoop()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || m_pending; });
        if (m_stopping) {
            return;
        }
        RunRecord run = std::move(*m_pending);
        m_pending.reset();
        lock.unlock();
        bool stored = false;
        try {
            m_database.saveRun(run);
            stored = true;
        } catch (const DatabaseError& error) {
            qWarning("Tikkro: the run could not be kept: %s", qPrintable(error.description()));
        }
        lock.lock();
        if (stored) {
            QMetaObject::invokeMethod(
                this, [this] { Q_EMIT saved(); }, Qt::QueuedConnection);
        } else if (!m_pending) {
            // A file held by another program for the moment: tried again a
            // gap later, unless a newer snapshot comes first.
            m_pending = std::move(run);
            m_wake.wait_for(lock, std::chrono::milliseconds(GapMs), [this] { return m_stopping; });
        }
    }
}

bool RunKeeper::stopWriting()
{
    m_timer.setInterval(0);
    const bool started = std::exchange(m_started, false);
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable()) {
        m_thread.join();
    }
    return started;
}

void RunKeeper::endRun(std::chrono::milliseconds wait)
{
    if (!stopWriting()) {
        return;
    }
    try {
        m_database.withBusyTimeout(wait).markRunEnded();
    } catch (const DatabaseError& error) {
        qWarning("Tikkro: the run could not be closed: %s", qPrintable(error.description()));
    }
}

void RunKeeper::keepRun(std::chrono::milliseconds wait)
{
    if (!stopWriting()) {
        return;
    }
    try {
        m_database.withBusyTimeout(wait).saveRun(m_snapshot());
    } catch (const DatabaseError& error) {
        qWarning("Tikkro: the run could not be kept: %s", qPrintable(error.description()));
    }
}

} // namespace tikkro::settings
