// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/RunRecord.h"
#include "core/settings/SettingsDatabase.h"

#include <QObject>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace tikkro::core {
class IntervalTimer;
} // namespace tikkro::core

namespace tikkro::stopwatch {
class PerformanceCounter;
} // namespace tikkro::stopwatch

namespace tikkro::settings {

// Keeps the stopwatch run in the settings file while the program runs, so
// that a crash, a kill or a logout loses at most the last second of it. A
// change is saved within a second, saves come a second apart at most, and a
// run that nobody changes writes nothing. The window thread only takes the
// snapshot; the file is written on a thread of the keeper's own, over its
// own connections.
class RunKeeper : public QObject
{
    Q_OBJECT
public:
    // How long a change waits for the ones that come with it (the pieces of
    // one command, a burst of keys), and the least time between two saves.
    static constexpr int GatherMs = 50;
    static constexpr int GapMs = 1000;

    // The run as it stands, taken on the window thread.
    using Snapshot = std::function<RunRecord()>;

    // timer is the keeper's own: its tick must reach saveDue().
    RunKeeper(const SettingsDatabase& database, const stopwatch::PerformanceCounter& counter,
              core::IntervalTimer& timer, Snapshot snapshot);
    RunKeeper(const RunKeeper&) = delete;
    RunKeeper& operator=(const RunKeeper&) = delete;
    // Drops a save not yet begun and waits for one under way.
    ~RunKeeper() override;

    // Changes count from here on.
    void start();
    // The run has changed: a save is due within a second.
    void changed();
    // The timer's tick: the snapshot goes to the writing thread.
    void saveDue();

    // The end of the program. By Exit or the close button the run is over
    // and the next start is fresh; at a logout or a signal to end, the run
    // is saved as it stands, to come back at the next start. Either is
    // written before this returns, waiting at most `wait` for a file held by
    // another program; a file that refuses it is left as it is. Only a
    // keeper that was started writes either.
    void endRun(std::chrono::milliseconds wait);
    void keepRun(std::chrono::milliseconds wait);

Q_SIGNALS:
    // A snapshot is in the file.
    void saved();

private:
    // Whether changes were kept until now.
    bool stopWriting();
    void writeLoop();
    qint64 nowMs() const;

    const SettingsDatabase m_database;
    const stopwatch::PerformanceCounter& m_counter;
    core::IntervalTimer& m_timer;
    const Snapshot m_snapshot;
    bool m_started = false;
    qint64 m_lastSaveMs = 0;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<RunRecord> m_pending;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace tikkro::settings
