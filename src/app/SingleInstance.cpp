// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace tikkro::app {

namespace {
constexpr int ClaimLockTimeoutMs = 3000;
} // namespace

SingleInstance::SingleInstance(const QString& databasePath, QObject* parent)
    : QObject(parent), m_name(serverNameFor(databasePath)), m_server(new QLocalServer(this))
{
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(new RequestConnection(*socket, m_handler),
                    &RequestConnection::comeForwardRequested, this,
                    &SingleInstance::comeForwardRequested);
        }
    });
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverNameFor(const QString& databasePath)
{
    const QFileInfo file(databasePath);
    const QString folder = file.absoluteDir().canonicalPath();
    const QString canonical = folder.isEmpty() ? QDir::cleanPath(file.absoluteFilePath())
                                               : folder + u'/' + file.fileName();
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha256).toHex().left(32));

    // The runtime folder belongs to the user alone, so nobody else can take
    // the name or leave a socket there.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty()) {
        return QDir::tempPath() + QStringLiteral("/tikkro-%1-%2").arg(::getuid()).arg(hash);
    }
    return runtime + QStringLiteral("/tikkro-") + hash;
}

bool SingleInstance::askRunningCopy(const QString& serverName)
{
    // Plain POSIX, so that a later start can ask before Qt is set up.
    const QByteArray path = QFile::encodeName(serverName);
    sockaddr_un address{};
    if (static_cast<std::size_t>(path.size()) >= sizeof(address.sun_path)) {
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        return false;
    }
    // A copy too busy to take the connection at once still runs.
    const bool answered =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0 ||
        errno == EAGAIN;
    ::close(fd);
    return answered;
}

void SingleInstance::setCommandHandler(RequestConnection::Handler handler)
{
    m_handler = std::move(handler);
    for (RequestConnection* waiting : findChildren<RequestConnection*>()) {
        waiting->answer();
    }
}

bool SingleInstance::claim()
{
    // Two copies started at the same moment must not both find nobody and
    // both listen; the lock lets one through at a time. A lock left by a
    // copy that died is taken over.
    QLockFile lock(m_name + QStringLiteral(".lock"));
    const bool locked = lock.tryLock(ClaimLockTimeoutMs);

    if (askRunningCopy(m_name)) {
        return false;
    }
    // A socket that nobody answers is left by a copy that crashed.
    QLocalServer::removeServer(m_name);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // Running unguarded beats not running.
        qWarning("Tikkro: cannot watch for later starts: %s", qPrintable(m_server->errorString()));
    }
    if (locked) {
        lock.unlock();
    }
    return true;
}

} // namespace tikkro::app
