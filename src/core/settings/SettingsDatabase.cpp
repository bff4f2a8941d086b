// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/SettingsDatabase.h"

#include "core/settings/DatabaseError.h"
#include "core/settings/DatabaseHandle.h"
#include "core/settings/WriteTransaction.h"

#include <QAtomicInteger>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

namespace tikkro::settings {

namespace {

// The file's tables and fields. Every file the program has made holds these
// names, so they are part of its format; no other code names them.
namespace sql {
const char* const CreateTables[] = {
    "CREATE TABLE tUser (MeLeft REAL, MeTop REAL)",
    "CREATE TABLE tAlarm (aA INTEGER, an TEXT, aT REAL, aF INTEGER)",
    "CREATE UNIQUE INDEX PrimaryKey ON tAlarm (aA)",
};
// The window position lives in the first record; no key is involved.
const char* const ReadPosition = "SELECT MeLeft, MeTop FROM tUser ORDER BY rowid LIMIT 1";
const char* const FindPosition = "SELECT rowid FROM tUser ORDER BY rowid LIMIT 1";
const char* const UpdatePosition = "UPDATE tUser SET MeLeft = ?, MeTop = ? WHERE rowid = ?";
const char* const InsertPosition = "INSERT INTO tUser (MeLeft, MeTop) VALUES (?, ?)";
const char* const ReadAlarms = "SELECT aA, an, aT, aF FROM tAlarm ORDER BY rowid";
// Without its unique index a file may hold a key twice; the first record by
// rowid is the one read, so it is the one written.
const char* const FindAlarm = "SELECT rowid FROM tAlarm WHERE aA = ? ORDER BY rowid LIMIT 1";
const char* const UpdateAlarm = "UPDATE tAlarm SET aA = ?, an = ?, aT = ?, aF = ? WHERE rowid = ?";
const char* const UpdateArmedFlag = "UPDATE tAlarm SET aF = ? WHERE rowid = ?";
const char* const InsertAlarm = "INSERT INTO tAlarm (aA, an, aT, aF) VALUES (?, ?, ?, ?)";
// Options by name, in a table of their own that older files lack: the
// tables above stay as every earlier file has them.
const char* const FindOptions =
    "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'tOption'";
const char* const CreateOptions =
    "CREATE TABLE IF NOT EXISTS tOption (oName TEXT PRIMARY KEY, oValue INTEGER)";
const char* const ReadOption = "SELECT oValue FROM tOption WHERE oName = ?";
const char* const WriteOption = "INSERT OR REPLACE INTO tOption (oName, oValue) VALUES (?, ?)";
const char* const RingWhenClosed = "RingWhenClosed";
// The run: one record; moments in milliseconds since 1970 UTC. Files made
// before runs were kept get the table at the first save.
const char* const CreateRun = "CREATE TABLE IF NOT EXISTS tRun (rLog TEXT, rWatch INTEGER, "
                              "rElapsed INTEGER, rSaved INTEGER, rStarted INTEGER, rClean INTEGER)";
const char* const HasRun = "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'tRun'";
const char* const ReadRun = "SELECT rLog, rWatch, rElapsed, rSaved, rStarted, rClean FROM tRun "
                            "ORDER BY rowid LIMIT 1";
const char* const FindRun = "SELECT rowid FROM tRun ORDER BY rowid LIMIT 1";
const char* const UpdateRun = "UPDATE tRun SET rLog = ?, rWatch = ?, rElapsed = ?, rSaved = ?, "
                              "rStarted = ?, rClean = ? WHERE rowid = ?";
const char* const InsertRun = "INSERT INTO tRun (rLog, rWatch, rElapsed, rSaved, rStarted, rClean) "
                              "VALUES (?, ?, ?, ?, ?, ?)";
const char* const MarkRunEnded = "UPDATE tRun SET rClean = 1";
} // namespace sql

QString nextConnectionName()
{
    static QAtomicInteger<quint64> counter;
    return QStringLiteral("tikkro-settings-%1").arg(counter.fetchAndAddRelaxed(1) + 1);
}

std::optional<qint64> firstRowid(const DatabaseHandle& handle, const char* sqlText,
                                 const QVariantList& values = {})
{
    QSqlQuery query = handle.exec(QLatin1String(sqlText), values);
    if (!query.next()) {
        return std::nullopt;
    }
    return query.value(0).toLongLong();
}

std::optional<double> numberOrNothing(const QSqlQuery& query, int column)
{
    return query.isNull(column) ? std::nullopt
                                : std::optional<double>(query.value(column).toDouble());
}

// A null QString would be stored as no value; the name is text, even empty.
QVariantList alarmValues(const AlarmRecord& record)
{
    const QString name = record.name.isNull() ? QString(QLatin1String("")) : record.name;
    return {QVariant(record.key), QVariant(name), QVariant(record.due),
            QVariant(record.active ? 1 : 0)};
}

// A record the program could have written, or nothing for one it never
// would (no value in a field, a key outside 16 bits).
std::optional<AlarmRecord> readAlarm(const QSqlQuery& query, const QString& filePath)
{
    for (int column = 0; column < 4; ++column) {
        if (query.isNull(column)) {
            return std::nullopt;
        }
    }
    bool keyOk = false;
    bool dueOk = false;
    bool flagOk = false;
    const qlonglong key = query.value(0).toLongLong(&keyOk);
    const double due = query.value(2).toDouble(&dueOk);
    const double flag = query.value(3).toDouble(&flagOk);
    if (!keyOk || !flagOk) {
        throw DatabaseError(
            QStringLiteral("The alarm and timer table in the database file %1 holds a value "
                           "that is not a number")
                .arg(filePath));
    }
    if (key < std::numeric_limits<qint16>::min() || key > std::numeric_limits<qint16>::max()) {
        return std::nullopt;
    }
    return AlarmRecord{static_cast<qint16>(key), query.value(1).toString(),
                       dueOk ? due : std::nan(""), flag != 0.0};
}

QVariant momentValue(const QDateTime& moment)
{
    return moment.isValid() ? QVariant(moment.toMSecsSinceEpoch()) : QVariant();
}

QDateTime momentOf(const QSqlQuery& query, int column)
{
    return query.isNull(column) ? QDateTime()
                                : QDateTime::fromMSecsSinceEpoch(query.value(column).toLongLong());
}

QVariantList runValues(const RunRecord& run)
{
    const QString log = run.log.isNull() ? QString(QLatin1String("")) : run.log;
    return {QVariant(log),
            QVariant(static_cast<int>(run.watch)),
            QVariant(run.elapsedMs),
            momentValue(run.savedAt),
            momentValue(run.startedAt),
            QVariant(run.endedCleanly ? 1 : 0)};
}

} // namespace

QString SettingsDatabase::pathIn(const QString& programFolder)
{
    return programFolder + QLatin1String(FileName);
}

SettingsDatabase::SettingsDatabase(QString filePath, std::chrono::milliseconds busyTimeout,
                                   Access access)
    : m_filePath(std::move(filePath)), m_busyTimeout(busyTimeout), m_access(access)
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
            for (const char* statement : sql::CreateTables) {
                handle.exec(QLatin1String(statement));
            }
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

void SettingsDatabase::checkWritable() const
{
    // A change to the schema always writes, and needs the journal beside the
    // file, so it meets a read-only file, a read-only folder or mount alike;
    // the rollback leaves the file as it was.
    const DatabaseHandle handle = open();
    WriteTransaction transaction(handle);
    handle.exec(QStringLiteral("CREATE TABLE tikkro_write_check (x)"));
}

StoredPosition SettingsDatabase::storedPosition() const
{
    const DatabaseHandle handle = open();
    QSqlQuery query = handle.exec(QLatin1String(sql::ReadPosition));
    if (!query.next() || query.isNull(0)) {
        return {};
    }
    return {numberOrNothing(query, 0), numberOrNothing(query, 1)};
}

void SettingsDatabase::savePosition(double left, double top) const
{
    const DatabaseHandle handle = open();
    WriteTransaction transaction(handle);
    if (const std::optional<qint64> rowid = firstRowid(handle, sql::FindPosition)) {
        handle.exec(QLatin1String(sql::UpdatePosition), {left, top, *rowid});
    } else {
        handle.exec(QLatin1String(sql::InsertPosition), {left, top});
    }
    transaction.commit();
}

std::vector<AlarmRecord> SettingsDatabase::alarmRecords() const
{
    std::vector<AlarmRecord> records;
    const DatabaseHandle handle = open();
    QSqlQuery query = handle.exec(QLatin1String(sql::ReadAlarms));
    while (query.next()) {
        if (std::optional<AlarmRecord> record = readAlarm(query, m_filePath)) {
            records.push_back(std::move(*record));
        }
    }
    return records;
}

void SettingsDatabase::saveAlarm(const AlarmRecord& record) const
{
    const DatabaseHandle handle = open();
    WriteTransaction transaction(handle);
    if (const std::optional<qint64> rowid = firstRowid(handle, sql::FindAlarm, {record.key})) {
        handle.exec(QLatin1String(sql::UpdateAlarm), alarmValues(record) << *rowid);
    } else {
        handle.exec(QLatin1String(sql::InsertAlarm), alarmValues(record));
    }
    transaction.commit();
}

void SettingsDatabase::saveArmedFlag(const AlarmRecord& record) const
{
    const DatabaseHandle handle = open();
    WriteTransaction transaction(handle);
    if (const std::optional<qint64> rowid = firstRowid(handle, sql::FindAlarm, {record.key})) {
        handle.exec(QLatin1String(sql::UpdateArmedFlag), {record.active ? 1 : 0, *rowid});
    } else {
        handle.exec(QLatin1String(sql::InsertAlarm), alarmValues(record));
    }
    transaction.commit();
}

bool SettingsDatabase::ringsWhenClosed() const
{
    const DatabaseHandle handle = open();
    if (!handle.exec(QLatin1String(sql::FindOptions)).next()) {
        return true;
    }
    QSqlQuery query =
        handle.exec(QLatin1String(sql::ReadOption), {QLatin1String(sql::RingWhenClosed)});
    return !query.next() || query.isNull(0) || query.value(0).toInt() != 0;
}

void SettingsDatabase::saveRingsWhenClosed(bool on) const
{
    const DatabaseHandle handle = open();
    WriteTransaction transaction(handle);
    handle.exec(QLatin1String(sql::CreateOptions));
    handle.exec(QLatin1String(sql::WriteOption), {QLatin1String(sql::RingWhenClosed), on ? 1 : 0});
    transaction.commit();
}

std::optional<RunRecord> SettingsDatabase::storedRun() const
{
    const DatabaseHandle handle = open();
    if (!handle.exec(QLatin1String(sql::HasRun)).next()) {
        return std::nullopt;
    }
    QSqlQuery query = handle.exec(QLatin1String(sql::ReadRun));
    if (!query.next()) {
        return std::nullopt;
    }
    RunRecord run;
    run.log = query.value(0).toString();
    const int watch = query.value(1).toInt();
    run.watch = watch == static_cast<int>(RunRecord::Watch::Running)  ? RunRecord::Watch::Running
                : watch == static_cast<int>(RunRecord::Watch::Paused) ? RunRecord::Watch::Paused
                                                                      : RunRecord::Watch::Reset;
    run.elapsedMs = std::max<qint64>(0, query.value(2).toLongLong());
    run.savedAt = momentOf(query, 3);
    run.startedAt = momentOf(query, 4);
    // A record that cannot say it was ended is one that was not.
    run.endedCleanly = query.value(5).toInt() != 0;
    return run;
}

void SettingsDatabase::saveRun(const RunRecord& run) const
{
    const DatabaseHandle handle = open();
    WriteTransaction transaction(handle);
    handle.exec(QLatin1String(sql::CreateRun));
    if (const std::optional<qint64> rowid = firstRowid(handle, sql::FindRun)) {
        handle.exec(QLatin1String(sql::UpdateRun), runValues(run) << *rowid);
    } else {
        handle.exec(QLatin1String(sql::InsertRun), runValues(run));
    }
    transaction.commit();
}

void SettingsDatabase::markRunEnded() const
{
    const DatabaseHandle handle = open();
    if (handle.exec(QLatin1String(sql::HasRun)).next()) {
        handle.exec(QLatin1String(sql::MarkRunEnded));
    }
}

} // namespace tikkro::settings
