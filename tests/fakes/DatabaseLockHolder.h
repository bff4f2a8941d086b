// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>

#include <chrono>
#include <future>
#include <thread>

namespace tikkro::fakes {

// Plays another running copy of the program that holds the database file
// locked: a connection on its own thread takes an exclusive lock (no one
// else may read or write) and keeps it for holdFor, or until destroyed.
class DatabaseLockHolder
{
public:
    DatabaseLockHolder(const QString& path, std::chrono::milliseconds holdFor)
    {
        std::promise<bool> locked;
        std::future<bool> lockedFuture = locked.get_future();
        m_thread = std::thread([path, holdFor, released = m_release.get_future(),
                                locked = std::move(locked)]() mutable {
            {
                QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "lock-holder");
                db.setDatabaseName(path);
                locked.set_value(db.open() && QSqlQuery(db).exec("BEGIN EXCLUSIVE"));
                released.wait_for(holdFor); // closing the connection rolls back
            }
            QSqlDatabase::removeDatabase("lock-holder");
        });
        m_locked = lockedFuture.get();
    }
    ~DatabaseLockHolder()
    {
        m_release.set_value();
        m_thread.join();
    }

    bool locked() const { return m_locked; }

private:
    std::promise<void> m_release;
    std::thread m_thread;
    bool m_locked = false;
};

} // namespace tikkro::fakes
