// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/SystemdWakeScheduler.h"

#include <QCryptographicHash>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <utility>

namespace tikkro::desktop {

namespace {

const char* const ManagerService = "org.freedesktop.systemd1";

// What the started program needs of the session it is started into: the
// display, the session bus, and the language and time zone it shows times
// in. The user's manager may have none of them after a reboot.
const char* const PassedVariables[] = {
    "DISPLAY",
    "WAYLAND_DISPLAY",
    "XAUTHORITY",
    "XDG_RUNTIME_DIR",
    "DBUS_SESSION_BUS_ADDRESS",
    "XDG_SESSION_TYPE",
    "XDG_CURRENT_DESKTOP",
    "XDG_DATA_HOME",
    "LANG",
    "LANGUAGE",
    "LC_ALL",
    "LC_MESSAGES",
    "LC_TIME",
    "TZ",
};

// One word in systemd's unit syntax: in double quotes, with the quote, the
// backslash and control characters escaped as in C, and "%" doubled, which
// would start a specifier; in command lines "$" doubled too.
QString quoted(const QString& word, bool commandLine)
{
    QString result = QStringLiteral("\"");
    for (const QChar c : word) {
        if (c == u'"' || c == u'\\') {
            result += u'\\';
            result += c;
        } else if (c == u'%' || (commandLine && c == u'$')) {
            result += c;
            result += c;
        } else if (c == u'\n') {
            result += QStringLiteral("\\n");
        } else if (c.unicode() < 0x20) {
            result += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        } else {
            result += c;
        }
    }
    return result + u'"';
}

bool writeFile(const QString& path, const QString& text)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0 && file.commit();
}

} // namespace

SystemdWakeScheduler::SystemdWakeScheduler(const QString& databasePath, QString program,
                                           const QProcessEnvironment& environment,
                                           QString unitFolder, QObject* parent)
    : QObject(parent), m_unitName(unitName(databasePath)), m_program(std::move(program)),
      m_environment(environment), m_unitFolder(std::move(unitFolder))
{}

QString SystemdWakeScheduler::userUnitFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/systemd/user");
}

QString SystemdWakeScheduler::unitName(const QString& databasePath)
{
    // Two spellings of one file give one name.
    const QFileInfo file(databasePath);
    const QString folder = file.absoluteDir().canonicalPath();
    const QString canonical = folder.isEmpty() ? QDir::cleanPath(file.absoluteFilePath())
                                               : folder + u'/' + file.fileName();
    return QStringLiteral("tikkro-alarm-") +
           QString::fromLatin1(
               QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha256)
                   .toHex()
                   .left(16));
}

QString SystemdWakeScheduler::timerText(qint64 msSinceEpoch)
{
    // The calendar counts whole seconds: the start comes at most a second
    // early, and the monitor then rings on time.
    const QDateTime moment = QDateTime::fromSecsSinceEpoch(msSinceEpoch / 1000, Qt::UTC);
    return QStringLiteral("[Unit]\n"
                          "Description=Start Tikkro for its next alarm or countdown\n"
                          "\n"
                          "[Timer]\n"
                          "OnCalendar=%1 UTC\n"
                          "Persistent=true\n"
                          // The start is late by no more than this; a
                          // second late would mark the alarm as late.
                          "AccuracySec=1ms\n"
                          "\n"
                          "[Install]\n"
                          "WantedBy=timers.target\n")
        .arg(moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

QString SystemdWakeScheduler::serviceText(const QString& program,
                                          const QProcessEnvironment& environment)
{
    QString text = QStringLiteral("[Unit]\n"
                                  "Description=Tikkro, started for an alarm or countdown\n"
                                  "\n"
                                  "[Service]\n"
                                  "Type=exec\n"
                                  "ExecStart=%1\n")
                       .arg(quoted(program, true));
    for (const char* name : PassedVariables) {
        const QString variable = QLatin1String(name);
        if (environment.contains(variable)) {
            text += QStringLiteral("Environment=%1\n")
                        .arg(quoted(variable + u'=' + environment.value(variable), false));
        }
    }
    return text;
}

QString SystemdWakeScheduler::timerPath() const
{
    return m_unitFolder + u'/' + m_unitName + QStringLiteral(".timer");
}

QString SystemdWakeScheduler::servicePath() const
{
    return m_unitFolder + u'/' + m_unitName + QStringLiteral(".service");
}

QString SystemdWakeScheduler::enablingLink() const
{
    return m_unitFolder + QStringLiteral("/timers.target.wants/") + m_unitName +
           QStringLiteral(".timer");
}

bool SystemdWakeScheduler::writeUnits(qint64 msSinceEpoch) const
{
    // The link is what systemctl enable makes: timers.target, started at
    // every login, then starts the timer too.
    if (!QDir().mkpath(QFileInfo(enablingLink()).path()) ||
        !writeFile(servicePath(), serviceText(m_program, m_environment)) ||
        !writeFile(timerPath(), timerText(msSinceEpoch))) {
        return false;
    }
    return QFileInfo(enablingLink()).isSymLink() || QFile::link(timerPath(), enablingLink());
}

bool SystemdWakeScheduler::removeUnits() const
{
    bool any = false;
    for (const QString& path : {enablingLink(), timerPath(), servicePath()}) {
        any = QFile::remove(path) || any;
    }
    // Only when empty: other units may be wanted there too.
    QDir().rmdir(QFileInfo(enablingLink()).path());
    return any;
}

void SystemdWakeScheduler::scheduleStart(qint64 msSinceEpoch)
{
    m_wanted = msSinceEpoch;
    apply();
}

void SystemdWakeScheduler::cancel()
{
    m_wanted.reset();
    apply();
}

void SystemdWakeScheduler::apply()
{
    // One round at a time: the calls of two rounds must not interleave, and
    // the last round carries the last wish.
    if (m_busy) {
        m_again = true;
        return;
    }
    m_busy = true;
    m_again = false;
    const std::optional<qint64> wanted = m_wanted;
    const QString timer = m_unitName + QStringLiteral(".timer");

    QDBusMessage ask = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    ask << QString::fromLatin1(ManagerService);
    send(ask, [this, wanted, timer](const QDBusMessage& reply) {
        // Without a user manager the files would only lie about.
        if (!reply.arguments().value(0).toBool()) {
            finish();
            return;
        }
        const auto done = [this](const QDBusMessage&) { finish(); };
        if (wanted) {
            if (!writeUnits(*wanted)) {
                finish();
                return;
            }
            send(managerCall("Reload"), [this, timer, done](const QDBusMessage&) {
                send(managerCall("RestartUnit", {timer, QStringLiteral("replace")}), done);
            });
        } else if (removeUnits()) {
            // A timer that was never started has nothing to stop.
            send(
                managerCall("StopUnit", {timer, QStringLiteral("replace")}),
                [this, done](const QDBusMessage&) { send(managerCall("Reload"), done); }, true);
        } else {
            finish();
        }
    });
}

void SystemdWakeScheduler::finish()
{
    m_busy = false;
    if (m_again) {
        apply();
    }
}

void SystemdWakeScheduler::send(const QDBusMessage& message, ReplyHandler next, bool passOverError)
{
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, watcher, next = std::move(next), passOverError] {
                watcher->deleteLater();
                if (watcher->isError() && !passOverError) {
                    finish();
                    return;
                }
                next(watcher->reply());
            });
}

QDBusMessage SystemdWakeScheduler::managerCall(const char* method,
                                               const QVariantList& arguments) const
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        QString::fromLatin1(ManagerService), QStringLiteral("/org/freedesktop/systemd1"),
        QStringLiteral("org.freedesktop.systemd1.Manager"), QLatin1String(method));
    message.setArguments(arguments);
    // A bus that would start a manager for the call has none running.
    message.setAutoStartService(false);
    return message;
}

} // namespace tikkro::desktop
