// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RemoteCommand.h"

#include "app/CommandLine.h"
#include "app/FileLocations.h"
#include "app/RemoteControl.h"
#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

extern char** environ;

namespace tikkro::app {

namespace {
// Closes the descriptor however the exchange ends.
struct Descriptor
{
    explicit Descriptor(int fd) : fd(fd) {}
    ~Descriptor()
    {
        if (fd >= 0) {
            ::close(fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd;
};

qint64 millisecondsNow()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<qint64>(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
}

void say(const QByteArray& line)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                 line.constData());
}
} // namespace

int RemoteCommand::give(const char* programName, const RemoteRequest& request)
{
    const QString server =
        SingleInstance::serverNameFor(FileLocations::forThisProgram().databasePath());
    if (const std::optional<QByteArray> answer = exchange(server, request)) {
        if (answer->startsWith("ok\n")) {
            return 0;
        }
        if (answer->startsWith("no ") && answer->endsWith('\n')) {
            say(answer->sliced(3).chopped(1));
            return 2;
        }
        say(QByteArrayLiteral("the running copy did not answer."));
        return 1;
    }
    if (!CommandLine::displayAvailable({}, QProcessEnvironment::systemEnvironment())) {
        say(QByteArrayLiteral("Tikkro is not running and cannot start: no display (neither "
                              "DISPLAY nor WAYLAND_DISPLAY is set)."));
        return 1;
    }
    // A stopwatch that has just started offers Start alone.
    using Verb = RemoteRequest::Verb;
    const bool offered = request.verb == Verb::Start || request.verb == Verb::Toggle;
    if (!startProgram(programName, offered ? request.encode() : QByteArray())) {
        say(QByteArrayLiteral("could not start: ") + std::strerror(errno));
        return 1;
    }
    if (!offered) {
        say(RemoteControl::refusal(request.verb, RemoteControl::Situation::Ready).toUtf8());
        return 2;
    }
    return 0;
}

std::optional<QByteArray> RemoteCommand::exchange(const QString& serverName,
                                                  const RemoteRequest& request)
{
    const QByteArray path = QFile::encodeName(serverName);
    sockaddr_un address{};
    if (static_cast<std::size_t>(path.size()) >= sizeof(address.sun_path)) {
        return std::nullopt;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    const Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (socket.fd < 0 ||
        ::connect(socket.fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        return std::nullopt;
    }
    const QByteArray line = request.encode() + '\n';
    if (::send(socket.fd, line.constData(), static_cast<std::size_t>(line.size()), MSG_NOSIGNAL) !=
        line.size()) {
        return QByteArray();
    }
    QByteArray answer;
    const qint64 deadline = millisecondsNow() + AnswerWaitMs;
    for (qint64 left = AnswerWaitMs; left > 0; left = deadline - millisecondsNow()) {
        pollfd wait{socket.fd, POLLIN, 0};
        if (::poll(&wait, 1, static_cast<int>(left)) < 0 && errno != EINTR) {
            break;
        }
        char buffer[512];
        const ssize_t got = ::recv(socket.fd, buffer, sizeof(buffer), MSG_DONTWAIT);
        if (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR)) {
            break;
        }
        if (got > 0) {
            answer.append(buffer, got);
        }
    }
    return answer;
}

bool RemoteCommand::startProgram(const char* programName, const QByteArray& firstCommand)
{
    // The same program, in a session of its own so that it outlives this
    // process and the terminal; it writes nowhere the user would see.
    posix_spawn_file_actions_t files;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&files);
    posix_spawnattr_init(&attributes);
    for (int fd = 0; fd <= 2; ++fd) {
        posix_spawn_file_actions_addopen(&files, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY, 0);
    }
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    QByteArray option(FirstCommandOption);
    QByteArray value = firstCommand;
    QByteArray name(programName);
    char* arguments[] = {name.data(), option.data(), value.data(), nullptr};
    if (firstCommand.isEmpty()) {
        arguments[1] = nullptr;
    }
    pid_t child = 0;
    const int failed =
        posix_spawn(&child, "/proc/self/exe", &files, &attributes, arguments, environ);
    posix_spawn_file_actions_destroy(&files);
    posix_spawnattr_destroy(&attributes);
    errno = failed;
    return failed == 0;
}

} // namespace tikkro::app
