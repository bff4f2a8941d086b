// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/DatabaseHandle.h"

#include "core/settings/DatabaseError.h"

#include <QSqlError>

#include <utility>

namespace tikkro::settings {

DatabaseHandle::DatabaseHandle(QString connectionName, QString filePath)
    : m_connectionName(std::move(connectionName)), m_filePath(std::move(filePath))
{}

DatabaseHandle::DatabaseHandle(DatabaseHandle&& other) noexcept
    : m_connectionName(std::exchange(other.m_connectionName, QString())),
      m_filePath(std::move(other.m_filePath))
{}

DatabaseHandle& DatabaseHandle::operator=(DatabaseHandle&& other) noexcept
{
    if (this != &other) {
        release();
        m_connectionName = std::exchange(other.m_connectionName, QString());
        m_filePath = std::move(other.m_filePath);
    }
    return *this;
}

DatabaseHandle::~DatabaseHandle()
{
    release();
}

void DatabaseHandle::release() noexcept
{
    if (m_connectionName.isEmpty()) {
        return;
    }
    {
        // The connection can only be removed once no QSqlDatabase copy of it
        // is left, so this one must be gone before removeDatabase.
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
    m_connectionName.clear();
}

QSqlDatabase DatabaseHandle::database() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

QSqlQuery DatabaseHandle::exec(const QString& sqlText, const QVariantList& values) const
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    const auto fail = [&] {
        const QSqlError error = query.lastError();
        return DatabaseError(QStringLiteral("Error in the database file %1: %2")
                                 .arg(m_filePath, DatabaseError::reasonOf(error)),
                             DatabaseError::isBusy(error));
    };
    if (!query.prepare(sqlText)) {
        throw fail();
    }
    for (const QVariant& value : values) {
        query.addBindValue(value);
    }
    if (!query.exec()) {
        throw fail();
    }
    return query;
}

} // namespace tikkro::settings
