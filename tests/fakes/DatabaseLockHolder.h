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
// else may read or write) and keeps it for holdFor.
class DatabaseLockHolder
{
public:
    DatabaseLockHolder(const QString& path, std::chrono::milliseconds holdFor)
    {
        std::promise<bool> locked;
        std::future<bool> lockedFuture = locked.get_future();
        m_thread = std::jthread([path, holdFor, locked = std::move(locked)]() mutable {
            {
                QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "lock-holder");
                db.setDatabaseName(path);
                locked.set_value(db.open() && QSqlQuery(db).exec("BEGIN EXCLUSIVE"));
                std::this_thread::sleep_for(holdFor); // closing the connection rolls back
            }
            QSqlDatabase::removeDatabase("lock-holder");
        });
        m_locked = lockedFuture.get();
    }

    bool locked() const { return m_locked; }

private:
    std::jthread m_thread; // joined on destruction
    bool m_locked = false;
};

} // namespace tikkro::fakes
