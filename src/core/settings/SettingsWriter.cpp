// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/SettingsWriter.h"

#include "core/settings/DatabaseError.h"

#include <exception>

namespace tikkro::settings {

struct SettingsWriter::Job
{
    QString what;
    Work work;
    State state = State::Waiting;
    QString failure;
    // Nobody waits for the outcome any more, so a failure is the writer's to
    // report.
    bool leftToWriter = false;
};

SettingsWriter::SettingsWriter(const SettingsDatabase& database)
    : SettingsWriter(database, Timing{})
{}

SettingsWriter::SettingsWriter(const SettingsDatabase& database, Timing timing)
    : m_database(database.withBusyTimeout(timing.attemptWait)), m_timing(timing),
      m_thread([this] { run(); })
{}

SettingsWriter::~SettingsWriter()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_givingUp = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

std::shared_ptr<SettingsWriter::Job> SettingsWriter::enqueue(const QString& what, Work work,
                                                             bool leftToWriter)
{
    auto job = std::make_shared<Job>(Job{what, std::move(work), State::Waiting, {}, leftToWriter});
    {
        const std::lock_guard lock(m_mutex);
        if (!m_memoryOnlyReason.isEmpty()) {
            job->state = State::Failed;
            job->failure = m_memoryOnlyReason;
            return job;
        }
        m_queue.push_back(job);
    }
    m_wake.notify_all();
    return job;
}

void SettingsWriter::write(const QString& what, Work work)
{
    // In memory only, the start-up warning has said so once already.
    enqueue(what, std::move(work), true);
}

SettingsWriter::Outcome SettingsWriter::writeAndWait(const QString& what, Work work,
                                                     std::chrono::milliseconds wait)
{
    const std::shared_ptr<Job> job = enqueue(what, std::move(work), false);
    std::unique_lock lock(m_mutex);
    m_settled.wait_for(lock, wait, [&job] { return job->state != State::Waiting; });
    if (job->state == State::Waiting) {
        job->leftToWriter = true;
    }
    return {job->state, job->failure};
}

void SettingsWriter::keepInMemoryOnly(const QString& reason)
{
    const std::lock_guard lock(m_mutex);
    m_memoryOnlyReason = reason;
}

bool SettingsWriter::keepsInMemoryOnly() const
{
    const std::lock_guard lock(m_mutex);
    return !m_memoryOnlyReason.isEmpty();
}

QStringList SettingsWriter::finish(std::chrono::milliseconds wait)
{
    std::unique_lock lock(m_mutex);
    const auto drained = [this] { return m_queue.empty(); };
    if (!m_settled.wait_for(lock, wait, drained)) {
        m_givingUp = true;
        m_wake.notify_all();
        // The write being tried ends with its present try; the rest are
        // failed without one.
        m_settled.wait_for(lock, m_timing.attemptWait * 3, drained);
    }
    QStringList failures = std::exchange(m_unreported, {});
    for (const std::shared_ptr<Job>& job : m_queue) {
        // Still stuck in its try; it is not reported after this either.
        job->leftToWriter = false;
        failures.append(job->what);
    }
    if (m_queue.empty()) {
        m_givingUp = false;
    }
    return failures;
}

void SettingsWriter::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
        if (m_queue.empty()) {
            return;
        }
        const std::shared_ptr<Job> job = m_queue.front();
        lock.unlock();
        attempt(*job);
        lock.lock();
        m_queue.pop_front();
        if (m_queue.empty() && !m_stopping) {
            // What shut-down gave up is done with; later writes are tried.
            m_givingUp = false;
        }
        m_settled.notify_all();
        if (m_queue.empty() && !m_unreported.isEmpty() && !m_reportPosted && !m_stopping) {
            // Failures that come in a row go into one report, made once the
            // queue has run dry.
            m_reportPosted = true;
            QMetaObject::invokeMethod(
                this, [this] { report(); }, Qt::QueuedConnection);
        }
    }
}

void SettingsWriter::attempt(Job& job)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    for (bool first = true;; first = false) {
        {
            std::unique_lock lock(m_mutex);
            if (m_givingUp) {
                const QString failure =
                    job.failure.isEmpty()
                        ? QStringLiteral("Tikkro closed before the settings file %1 could be "
                                         "written")
                              .arg(m_database.filePath())
                        : job.failure;
                lock.unlock();
                settle(job, State::Failed, failure);
                return;
            }
        }
        try {
            job.work(m_database);
            m_fileHeld = false;
            settle(job, State::Stored, {});
            return;
        } catch (const DatabaseError& error) {
            const bool again = error.fileBusy() && !(m_fileHeld && first) &&
                               Clock::now() - start < m_timing.retryFor;
            if (!again) {
                m_fileHeld = error.fileBusy();
                settle(job, State::Failed, error.description());
                return;
            }
            const std::lock_guard lock(m_mutex);
            job.failure = error.description();
        } catch (const std::exception& error) {
            settle(job, State::Failed, QString::fromStdString(error.what()));
            return;
        }
        std::unique_lock lock(m_mutex);
        m_wake.wait_for(lock, m_timing.pause, [this] { return m_givingUp; });
    }
}

void SettingsWriter::settle(Job& job, State state, const QString& failure)
{
    {
        const std::lock_guard lock(m_mutex);
        job.state = state;
        job.failure = failure;
        if (state == State::Failed && job.leftToWriter) {
            m_unreported.append(reportLine(job));
        }
    }
    m_settled.notify_all();
}

QString SettingsWriter::reportLine(const Job& job)
{
    return job.what + QLatin1Char('\n') + job.failure;
}

void SettingsWriter::report()
{
    QStringList failures;
    {
        const std::lock_guard lock(m_mutex);
        failures = std::exchange(m_unreported, {});
        m_reportPosted = false;
    }
    if (!failures.isEmpty()) {
        Q_EMIT failed(failures.join(QStringLiteral("\n\n")));
    }
}

} // namespace tikkro::settings
