// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ShutdownSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace tikkro::app {

namespace {
// The handler may touch nothing but this: writing to a pipe is one of the
// few things a signal handler may safely do.
volatile sig_atomic_t writeEnd = -1;
} // namespace

ShutdownSignals::ShutdownSignals(QObject* parent) : QObject(parent)
{
    Q_ASSERT(writeEnd == -1);
    if (::pipe2(m_pipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        qWarning("Tikkro: cannot catch shut-down signals: %s", strerror(errno));
        return;
    }
    writeEnd = m_pipe[1];
    m_notifier = new QSocketNotifier(m_pipe[0], QSocketNotifier::Read, this);
    m_notifier->setEnabled(false);
    connect(m_notifier, &QSocketNotifier::activated, this, &ShutdownSignals::readPending);

    struct sigaction action
    {};
    action.sa_handler = &ShutdownSignals::onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < Caught.size(); ++i) {
        ::sigaction(Caught.at(i), nullptr, &m_previous.at(i));
        // A signal ignored from the start stays ignored: nohup, or a
        // background job that Ctrl+C must not reach.
        if (m_previous.at(i).sa_handler != SIG_IGN) {
            ::sigaction(Caught.at(i), &action, nullptr);
        }
    }
}

ShutdownSignals::~ShutdownSignals()
{
    if (m_pipe[1] == -1) {
        return;
    }
    for (std::size_t i = 0; i < Caught.size(); ++i) {
        ::sigaction(Caught.at(i), &m_previous.at(i), nullptr);
    }
    writeEnd = -1;
    ::close(m_pipe[0]);
    ::close(m_pipe[1]);
}

void ShutdownSignals::startDelivering()
{
    if (m_notifier != nullptr) {
        m_notifier->setEnabled(true);
    }
}

void ShutdownSignals::onSignal(int signalNumber)
{
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    // A full pipe already holds a request to end; nothing is lost.
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
    errno = savedErrno;
}

void ShutdownSignals::readPending()
{
    unsigned char byte = 0;
    while (::read(m_pipe[0], &byte, 1) == 1) {
        Q_EMIT received(byte);
    }
}

} // namespace tikkro::app
