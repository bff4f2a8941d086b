// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtSql>

#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <thread>

namespace tikkro::fakes {

// Plays another running copy of the program that holds the database file
// locked: a connection on its own thread takes an exclusive lock (no one
// else may read or write) and keeps it for holdFor at most, or until this
// is destroyed, so a test lets go as soon as it has seen the lock.
class DatabaseLockHolder
{
public:
    DatabaseLockHolder(const QString& path, std::chrono::milliseconds holdFor)
    {
        std::promise<bool> locked;
        std::future<bool> lockedFuture = locked.get_future();
        m_thread = std::jthread(
            [path, holdFor, locked = std::move(locked)](const std::stop_token& stop) mutable {
                {
                    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "lock-holder");
                    db.setDatabaseName(path);
                    locked.set_value(db.open() && QSqlQuery(db).exec("BEGIN EXCLUSIVE"));
                    std::mutex mutex;
                    std::unique_lock lock(mutex);
                    std::condition_variable_any released;
                    // Closing the connection rolls back.
                    released.wait_for(lock, stop, holdFor, [] { return false; });
                }
                QSqlDatabase::removeDatabase("lock-holder");
            });
        m_locked = lockedFuture.get();
    }

    bool locked() const { return m_locked; }

private:
    std::jthread m_thread; // stopped and joined on destruction
    bool m_locked = false;
};

} // namespace tikkro::fakes
