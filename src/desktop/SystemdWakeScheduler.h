// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/WakeScheduler.h"

#include <QObject>
#include <QProcessEnvironment>
#include <QString>

#include <functional>
#include <optional>

class QDBusMessage;

namespace tikkro::desktop {

// The user's systemd starts the program: a timer and a service unit of the
// user's own, named after the database file, so that copies on different
// files keep apart. The timer is wanted by timers.target, so it outlives a
// logout and a reboot, and a moment missed meanwhile starts the program at
// the next login. The manager is told over the session bus without waiting
// for its answers; where no systemd answers there, nothing is written.
class SystemdWakeScheduler final : public QObject, public WakeScheduler
{
    Q_OBJECT
public:
    // program: the absolute path of the program to start; environment: the
    // running program's, which holds what the started one needs to reach
    // the display and the session.
    SystemdWakeScheduler(const QString& databasePath, QString program,
                         const QProcessEnvironment& environment,
                         QString unitFolder = userUnitFolder(), QObject* parent = nullptr);

    void scheduleStart(qint64 msSinceEpoch) override;
    void cancel() override;

    // The folder of the user's own units, under the user's configuration
    // folder.
    static QString userUnitFolder();
    // "tikkro-alarm-" and a hash of the file's canonical path.
    static QString unitName(const QString& databasePath);
    static QString timerText(qint64 msSinceEpoch);
    static QString serviceText(const QString& program, const QProcessEnvironment& environment);

    // The unit files and the link that enables the timer; false when they
    // could not all be written.
    bool writeUnits(qint64 msSinceEpoch) const;
    // Removes them; false when there were none.
    bool removeUnits() const;

    QString timerPath() const;
    QString servicePath() const;
    QString enablingLink() const;

private:
    using ReplyHandler = std::function<void(const QDBusMessage& reply)>;
    void apply();
    void finish();
    // Sends the call and runs next once it is answered; an error ends the
    // round unless it is to be passed over.
    void send(const QDBusMessage& message, ReplyHandler next, bool passOverError = false);
    QDBusMessage managerCall(const char* method, const QVariantList& arguments = {}) const;

    QString m_unitName;
    QString m_program;
    QProcessEnvironment m_environment;
    QString m_unitFolder;
    // The moment last asked for; none: cancelled.
    std::optional<qint64> m_wanted;
    // A round with the manager is under way; another is wanted after it.
    bool m_busy = false;
    bool m_again = false;
};

} // namespace tikkro::desktop
