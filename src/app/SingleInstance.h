// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/RequestConnection.h"

#include <QObject>
#include <QString>

class QLocalServer;

namespace tikkro::app {

// One running copy per database file. The first copy on a file answers on
// a local socket named after the file; a later start finds it there, asks
// it to come forward and leaves, so no alarm or timer fires twice. The
// socket also takes stopwatch commands from the command line.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(const QString& databasePath, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this copy is the one to run: no other answered, and this one
    // now answers later starts. False when a running copy took the request
    // to come forward.
    bool claim();

    // The socket for a database file: in the user's runtime folder, named
    // after the file's canonical path, so that two spellings of one file
    // meet and different files never do.
    static QString serverNameFor(const QString& databasePath);

    // True when a copy answers on the socket; it then comes forward. Needs
    // no application object.
    static bool askRunningCopy(const QString& serverName);

    QString serverName() const { return m_name; }

    // Answers the stopwatch commands that come over the socket, those that
    // came while the program was starting first.
    void setCommandHandler(RequestConnection::Handler handler);

Q_SIGNALS:
    void comeForwardRequested();

private:
    QString m_name;
    QLocalServer* m_server;
    RequestConnection::Handler m_handler;
};

} // namespace tikkro::app
