// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/WriteTransaction.h"

#include "core/settings/DatabaseHandle.h"

#include <QSqlQuery>

namespace tikkro::settings {

WriteTransaction::WriteTransaction(const DatabaseHandle& handle) : m_handle(handle)
{
    // IMMEDIATE takes the write lock before the first read, so the busy
    // timeout covers it; a deferred transaction that reads first could be
    // refused outright when it later needs to write.
    m_handle.exec(QStringLiteral("BEGIN IMMEDIATE"));
}

WriteTransaction::~WriteTransaction()
{
    if (m_open) {
        QSqlQuery rollback(m_handle.database());
        rollback.exec(QStringLiteral("ROLLBACK"));
    }
}

void WriteTransaction::commit()
{
    m_handle.exec(QStringLiteral("COMMIT"));
    m_open = false;
}

} // namespace tikkro::settings
