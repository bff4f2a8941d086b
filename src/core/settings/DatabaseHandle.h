// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

namespace tikkro::settings {

// One open connection to the database file, closed when the handle goes
// away. Handed out by SettingsDatabase::open; move-only, so a
// connection has exactly one owner. Queries made through it must go away
// before it does.
class DatabaseHandle
{
public:
    DatabaseHandle(DatabaseHandle&& other) noexcept;
    DatabaseHandle& operator=(DatabaseHandle&& other) noexcept;
    DatabaseHandle(const DatabaseHandle&) = delete;
    DatabaseHandle& operator=(const DatabaseHandle&) = delete;
    ~DatabaseHandle();

    QSqlDatabase database() const;

    // Prepares sqlText, binds values to its placeholders in order and runs
    // it. Throws DatabaseError naming the file when the engine refuses.
    QSqlQuery exec(const QString& sqlText, const QVariantList& values = {}) const;

private:
    friend class SettingsDatabase;
    DatabaseHandle(QString connectionName, QString filePath);
    void release() noexcept;

    QString m_connectionName;
    QString m_filePath;
};

} // namespace tikkro::settings
