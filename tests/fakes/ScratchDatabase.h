// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAtomicInteger>
#include <QDir>
#include <QFile>
#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QVariantList>
#include <QtDebug>

namespace tikkro::fakes {

// A temporary folder for a database file, with a side door into the file
// that does not go through the code under test: it runs statements on a
// connection of its own, opened and closed around each call.
class ScratchDatabase
{
public:
    ScratchDatabase() : m_path(m_dir.path() + QStringLiteral("/tikkro.mdb")) {}

    QString path() const { return m_path; }
    QString folder() const { return m_dir.path(); }
    QStringList filesInFolder() const
    {
        return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    // Runs each statement in turn; false (with a warning) if one fails.
    bool exec(const QStringList& statements, const QVariantList& values = {}) const
    {
        bool ok = true;
        withConnection([&](QSqlDatabase& db) {
            for (const QString& statement : statements) {
                QSqlQuery query(db);
                query.prepare(statement);
                for (const QVariant& value : values) {
                    query.addBindValue(value);
                }
                if (!query.exec()) {
                    qWarning() << statement << query.lastError().text();
                    ok = false;
                    return;
                }
            }
        });
        return ok;
    }
    bool exec(const QString& statement, const QVariantList& values = {}) const
    {
        return exec(QStringList{statement}, values);
    }

    // Every row of a query, each as its column values; a null value comes
    // back as a null QVariant. A missing file gives no rows and stays
    // missing.
    QList<QVariantList> rows(const QString& sql) const
    {
        QList<QVariantList> result;
        if (!QFile::exists(m_path)) {
            return result;
        }
        withConnection([&](QSqlDatabase& db) {
            QSqlQuery query(db);
            if (!query.exec(sql)) {
                qWarning() << sql << query.lastError().text();
                return;
            }
            while (query.next()) {
                QVariantList row;
                for (int i = 0; i < query.record().count(); ++i) {
                    row.append(query.isNull(i) ? QVariant() : query.value(i));
                }
                result.append(row);
            }
        });
        return result;
    }

    QByteArray bytes() const
    {
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    bool writeBytes(const QByteArray& content) const
    {
        QFile file(m_path);
        return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
    }

private:
    template <typename Work> void withConnection(Work work) const
    {
        static QAtomicInteger<int> counter;
        const QString name = QStringLiteral("scratch-%1").arg(counter.fetchAndAddRelaxed(1));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(m_path);
            if (db.open()) {
                work(db);
            } else {
                qWarning() << m_path << db.lastError().text();
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }

    QTemporaryDir m_dir;
    QString m_path;
};

} // namespace tikkro::fakes
