// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/SettingsDatabase.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace tikkro::settings {

// Writes to the settings file one after another on a thread of their own, so
// that another program holding the file (an editor, a backup) never holds up
// the windows. A write the file refuses for the moment is tried again for a
// while; one that cannot be done is reported by failed(), naming the file
// and the reason, together with any others that failed meanwhile, while the
// program goes on.
class SettingsWriter : public QObject
{
    Q_OBJECT
public:
    struct Timing
    {
        // How long one try waits for another program to let go of the file.
        std::chrono::milliseconds attemptWait{100};
        // The pause between tries.
        std::chrono::milliseconds pause{200};
        // How long a write is tried before it is given up. Once one has been
        // given up, later writes get one try each until a write succeeds, so
        // that a file held for long costs one report, not one per write.
        std::chrono::milliseconds retryFor{5000};
    };

    enum class State
    {
        Stored,
        Failed,
        // Still being tried; a failure will be reported by the writer.
        Waiting,
    };

    struct Outcome
    {
        State state;
        // Names the file and the reason; empty unless Failed.
        QString failure;
    };

    // The work runs on the writer's thread and opens its own connections
    // there; it must not touch anything the windows use.
    using Work = std::function<void(const SettingsDatabase&)>;

    explicit SettingsWriter(const SettingsDatabase& database);
    SettingsWriter(const SettingsDatabase& database, Timing timing);
    SettingsWriter(const SettingsWriter&) = delete;
    SettingsWriter& operator=(const SettingsWriter&) = delete;
    // Gives up whatever is still waiting, without a report.
    ~SettingsWriter() override;

    // Queues work behind every write queued before it. `what` starts the
    // report should it fail: what was not stored and what that means.
    void write(const QString& what, Work work);

    // write(), then waits at most `wait` for the outcome. A Failed outcome
    // is the caller's to report; one still Waiting is left to the writer.
    Outcome writeAndWait(const QString& what, Work work, std::chrono::milliseconds wait);

    // For a file that cannot be written at all: from now on nothing is
    // tried, write() does nothing and writeAndWait() fails with `reason`.
    void keepInMemoryOnly(const QString& reason);
    bool keepsInMemoryOnly() const;

    // Shut-down: waits at most `wait` for every queued write, then gives up
    // the rest. Gives the failures not reported yet, the given-up writes
    // among them, each as its `what` and reason; they will not be reported.
    QStringList finish(std::chrono::milliseconds wait);

Q_SIGNALS:
    // Writes left to the writer have failed: each one's `what` and reason,
    // for the user. Emitted on the thread the writer lives in, once the
    // queue has run dry, so that failures in a row come together.
    void failed(const QString& report);

private:
    struct Job;

    std::shared_ptr<Job> enqueue(const QString& what, Work work, bool leftToWriter);
    void run();
    void attempt(Job& job);
    void settle(Job& job, State state, const QString& failure);
    void report();
    static QString reportLine(const Job& job);

    const SettingsDatabase m_database;
    const Timing m_timing;

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_settled;
    std::deque<std::shared_ptr<Job>> m_queue;
    QStringList m_unreported;
    QString m_memoryOnlyReason;
    bool m_reportPosted = false;
    bool m_givingUp = false;
    bool m_stopping = false;
    // Only the writer's thread reads or changes this.
    bool m_fileHeld = false;
    std::thread m_thread;
};

} // namespace tikkro::settings
