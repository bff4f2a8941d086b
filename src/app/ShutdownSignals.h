// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <array>
#include <csignal>

class QSocketNotifier;

namespace tikkro::app {

// Turns the signals that ask a program to end (SIGTERM at logout or from
// kill, SIGINT from Ctrl+C, SIGHUP when its terminal goes) into a Qt
// signal, so that they end the program the way its close button does
// instead of killing it. Signals the program was started ignoring are left
// alone. One object at a time.
class ShutdownSignals : public QObject
{
    Q_OBJECT
public:
    // Catches the signals from here on, until destroyed. They wait until
    // startDelivering(), so one that comes while the program starts is not
    // lost.
    explicit ShutdownSignals(QObject* parent = nullptr);
    ~ShutdownSignals() override;
    ShutdownSignals(const ShutdownSignals&) = delete;
    ShutdownSignals& operator=(const ShutdownSignals&) = delete;

    void startDelivering();

    static constexpr std::array<int, 3> Caught{SIGTERM, SIGINT, SIGHUP};

Q_SIGNALS:
    void received(int signalNumber);

private:
    static void onSignal(int signalNumber);
    void readPending();

    std::array<int, 2> m_pipe{-1, -1};
    std::array<struct sigaction, Caught.size()> m_previous{};
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace tikkro::app
