// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtSql>

#include <chrono>
#include <future>
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
        m_thread = std::jthread([path, holdFor, locked = std::move(locked),
                                 released = m_release.get_future()]() mutable {
            {
                QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "lock-holder");
                db.setDatabaseName(path);
                locked.set_value(db.open() && QSqlQuery(db).exec("BEGIN EXCLUSIVE"));
                // Closing the connection rolls back.
                released.wait_for(holdFor);
            }
            QSqlDatabase::removeDatabase("lock-holder");
        });
        m_locked = lockedFuture.get();
    }
    ~DatabaseLockHolder() { m_release.set_value(); }

    bool locked() const { return m_locked; }

private:
    std::promise<void> m_release;
    std::jthread m_thread; // joined before m_release goes
    bool m_locked = false;
};

} // namespace tikkro::fakes
