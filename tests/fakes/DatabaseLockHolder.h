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
// else may read or write) and keeps it for holdFor, or until release().
class DatabaseLockHolder
{
public:
    DatabaseLockHolder(const QString& path, std::chrono::milliseconds holdFor)
    {
        std::promise<bool> locked;
        std::future<bool> lockedFuture = locked.get_future();
        std::shared_future<void> released = m_release.get_future().share();
        m_thread = std::thread([path, holdFor, released, locked = std::move(locked)]() mutable {
            const QString name = QStringLiteral("lock-holder");
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
                db.setDatabaseName(path);
                bool ok = db.open();
                if (ok) {
                    QSqlQuery begin(db);
                    ok = begin.exec(QStringLiteral("BEGIN EXCLUSIVE"));
                }
                locked.set_value(ok);
                if (ok) {
                    released.wait_for(holdFor);
                    QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
                }
                db.close();
            }
            QSqlDatabase::removeDatabase(name);
        });
        m_locked = lockedFuture.get();
    }
    DatabaseLockHolder(const DatabaseLockHolder&) = delete;
    DatabaseLockHolder& operator=(const DatabaseLockHolder&) = delete;
    ~DatabaseLockHolder()
    {
        release();
        m_thread.join();
    }

    bool locked() const { return m_locked; }
    void release()
    {
        if (!m_released) {
            m_released = true;
            m_release.set_value();
        }
    }

private:
    std::promise<void> m_release;
    std::thread m_thread;
    bool m_locked = false;
    bool m_released = false;
};

} // namespace tikkro::fakes
