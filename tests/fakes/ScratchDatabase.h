// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/DatabaseError.h"

#include <QTemporaryDir>
#include <QtSql>

namespace tikkro::fakes {

// A temporary folder for a database file, with a side door into the file
// that does not go through the code under test: a connection of its own,
// opened and closed around each call.
class ScratchDatabase
{
public:
    QString path() const { return m_dir.path() + QStringLiteral("/tikkro.mdb"); }

    // One statement; false (with a warning) if it fails.
    bool exec(const QString& sql) const { return run(sql, nullptr); }

    // Every row of a query, a null field as a null QVariant. A missing file
    // gives no rows and stays missing.
    QList<QVariantList> rows(const QString& sql) const
    {
        QList<QVariantList> result;
        if (QFile::exists(path()))
            run(sql, &result);
        return result;
    }

    QByteArray bytes() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    bool writeBytes(const QByteArray& content) const
    {
        QFile file(path());
        return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
    }

private:
    bool run(const QString& sql, QList<QVariantList>* result) const
    {
        bool ok = false;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "scratch");
            db.setDatabaseName(path());
            ok = db.open();
            QSqlQuery query(db);
            ok = ok && query.exec(sql);
            if (!ok)
                qWarning() << sql << db.lastError().text() << query.lastError().text();
            while (result != nullptr && query.next()) {
                result->append(QVariantList());
                for (int i = 0; i < query.record().count(); ++i)
                    result->last().append(query.isNull(i) ? QVariant() : query.value(i));
            }
        }
        QSqlDatabase::removeDatabase("scratch");
        return ok;
    }

    QTemporaryDir m_dir;
};

// The description of the DatabaseError the operation throws, after
// "(busy) " when it tells of a file another program holds.
template <typename Operation> QString failureOf(Operation operation)
{
    try {
        operation();
    } catch (const settings::DatabaseError& error) {
        return (error.fileBusy() ? QStringLiteral("(busy) ") : QString()) + error.description();
    }
    return QStringLiteral("(no error)");
}

} // namespace tikkro::fakes
