// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsDatabase.h"

#include "settings/DatabaseError.h"
#include "settings/WriteTransaction.h"

#include <QAtomicInteger>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QUrl>

#include <utility>

namespace tikkro::settings {

namespace {

QString nextConnectionName()
{
    static QAtomicInteger<quint64> counter;
    return QStringLiteral("tikkro-settings-%1").arg(counter.fetchAndAddRelaxed(1) + 1);
}

// Field and table names go into the query text unquoted, so nothing but a
// plain name may get there.
void requirePlainName(const QString& name, const QString& what)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!plain.match(name).hasMatch()) {
        throw DatabaseError(
            QStringLiteral("\"%1\" is not a valid %2 name: only letters, digits and underscores "
                           "are allowed")
                .arg(name, what));
    }
}

} // namespace

QString SettingsDatabase::pathIn(const QString& programFolder)
{
    return programFolder + QLatin1String(FileName);
}

SettingsDatabase::SettingsDatabase(QString filePath, ui::MessageService& messages,
                                   std::chrono::milliseconds busyTimeout, Access access)
    : m_filePath(std::move(filePath)), m_messages(messages), m_busyTimeout(busyTimeout),
      m_access(access)
{}

QString SettingsDatabase::filePath() const
{
    return m_filePath;
}

SettingsDatabase SettingsDatabase::withBusyTimeout(std::chrono::milliseconds busyTimeout) const
{
    SettingsDatabase copy(*this);
    copy.m_busyTimeout = busyTimeout;
    return copy;
}

void SettingsDatabase::createIfMissing() const
{
    if (QFileInfo::exists(m_filePath)) {
        return;
    }
    // Built under a scratch name and moved into place only when complete,
    // so a kill half-way never leaves an empty file that would then count as
    // existing. The move refuses to replace a file another copy of the
    // program made meanwhile.
    const QString scratch = QStringLiteral("%1.new-%2-%3")
                                .arg(m_filePath)
                                .arg(QCoreApplication::applicationPid())
                                .arg(nextConnectionName());
    const auto fail = [&](const QString& reason) {
        QFile::remove(scratch);
        QFile::remove(scratch + QLatin1String("-journal"));
        return DatabaseError(
            QStringLiteral("Cannot create the database file %1: %2").arg(m_filePath, reason));
    };
    {
        const QString name = nextConnectionName();
        DatabaseHandle handle(name, m_filePath);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(scratch);
        if (!db.open()) {
            const QSqlError error = db.lastError();
            db = QSqlDatabase();
            throw fail(DatabaseError::reasonOf(error));
        }
        db = QSqlDatabase();
        try {
            WriteTransaction transaction(handle);
            handle.exec(QStringLiteral("CREATE TABLE tUser (MeLeft REAL, MeTop REAL)"));
            handle.exec(
                QStringLiteral("CREATE TABLE tAlarm (aA INTEGER, an TEXT, aT REAL, aF INTEGER)"));
            handle.exec(QStringLiteral("CREATE UNIQUE INDEX PrimaryKey ON tAlarm (aA)"));
            transaction.commit();
        } catch (const DatabaseError& error) {
            throw fail(error.description());
        }
    }
    if (!QFile::rename(scratch, m_filePath)) {
        const bool madeMeanwhile = QFileInfo::exists(m_filePath);
        QFile::remove(scratch);
        if (!madeMeanwhile) {
            throw fail(QStringLiteral("the new file could not be moved into place"));
        }
    }
}

DatabaseHandle SettingsDatabase::open() const
{
    const QFileInfo file(m_filePath);
    if (!file.exists()) {
        throw DatabaseError(
            QStringLiteral("Cannot open the database file %1: the file does not exist")
                .arg(m_filePath));
    }
    const QString name = nextConnectionName();
    DatabaseHandle handle(name, m_filePath);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        // mode=rw opens for reading and writing but never creates, even if
        // the file vanishes between the check above and here.
        QUrl uri = QUrl::fromLocalFile(file.absoluteFilePath());
        uri.setQuery(m_access == Access::ReadOnly ? QStringLiteral("mode=ro")
                                                  : QStringLiteral("mode=rw"));
        db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
        db.setConnectOptions(
            QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(m_busyTimeout.count()));
        const auto fail = [this](const QSqlError& error) {
            return DatabaseError(QStringLiteral("Cannot open the database file %1: %2")
                                     .arg(m_filePath, DatabaseError::reasonOf(error)),
                                 DatabaseError::isBusy(error));
        };
        if (!db.open()) {
            throw fail(db.lastError());
        }
        // SQLite reads the file lazily; reading its schema here turns a file
        // that is no database into an error at the open, where it belongs.
        QSqlQuery probe(db);
        if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
            throw fail(probe.lastError());
        }
    }
    return handle;
}

QString SettingsDatabase::queryText(const QString& field, const QString& table,
                                    const QString& condition)
{
    requirePlainName(field, QStringLiteral("field"));
    requirePlainName(table, QStringLiteral("table"));
    QString text = QStringLiteral("SELECT ") + field + QStringLiteral(" FROM ") + table;
    if (!condition.isEmpty()) {
        text += QStringLiteral(" WHERE ") + condition;
    }
    return text + QLatin1Char(';');
}

QVariant SettingsDatabase::value(const QString& field, const QString& table,
                                 const QString& condition) const
{
    const QString text = queryText(field, table, condition);
    const DatabaseHandle handle = open();
    QSqlQuery query = handle.exec(text);
    if (!query.next() || query.isNull(0)) {
        return {};
    }
    return query.value(0);
}

void SettingsDatabase::setValue(const QString& field, const QString& table, const QVariant& value,
                                const QString& condition) const
{
    // The file is let go of before the message box waits for the user.
    if (!storeValue(field, table, value, condition)) {
        m_messages.beep();
        // "DSetValue" is the box's title as users have always seen it, not a
        // name in this code.
        m_messages.show(QStringLiteral("Record not found!"), ui::MessageService::Icon::Information,
                        QStringLiteral("DSetValue"));
    }
}

bool SettingsDatabase::storeValue(const QString& field, const QString& table, const QVariant& value,
                                  const QString& condition) const
{
    const QString text = queryText(field, table, condition);
    const DatabaseHandle handle = open();
    WriteTransaction transaction(handle);
    bool found = false;
    {
        QSqlQuery query = handle.exec(text);
        found = query.next();
    }
    if (found) {
        QString update = QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = (SELECT rowid FROM %1")
                             .arg(table, field);
        if (!condition.isEmpty()) {
            update += QStringLiteral(" WHERE ") + condition;
        }
        update += QStringLiteral(" LIMIT 1)");
        handle.exec(update, {value});
    } else if (table == QLatin1String("tUser")) {
        handle.exec(QStringLiteral("INSERT INTO tUser (%1) VALUES (?)").arg(field), {value});
    } else {
        return false;
    }
    transaction.commit();
    return true;
}

void SettingsDatabase::checkWritable() const
{
    // A change to the schema always writes, and needs the journal beside the
    // file, so it meets a read-only file, a read-only folder or mount alike;
    // the rollback leaves the file as it was.
    const DatabaseHandle handle = open();
    WriteTransaction transaction(handle);
    handle.exec(QStringLiteral("CREATE TABLE tikkro_write_check (x)"));
}

} // namespace tikkro::settings
