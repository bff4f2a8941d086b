// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/RemoteRequest.h"
#include "core/stopwatch/StopwatchView.h"

#include <QDBusContext>
#include <QObject>
#include <QString>

#include <optional>

namespace tikkro::stopwatch {
class PerformanceCounter;
} // namespace tikkro::stopwatch

namespace tikkro::app {

class MainWindow;

// The stopwatch driven from outside its window: from scripts and keyboard
// shortcuts over the session bus, and from `tikkro --lap` over the
// single-instance socket. A command runs exactly as its button would, and
// only while its button is offered; otherwise nothing changes and the
// caller is told why. The bus reaches it through the adaptor generated from
// its interface, data/org.example.tikkro.Tikkro.Stopwatch.xml.
class RemoteControl : public QObject, protected QDBusContext
{
    Q_OBJECT
    // "Ready", "Running" or "Paused".
    Q_PROPERTY(QString State READ state)
    // Computed afresh from the counter at each read.
    Q_PROPERTY(qint64 ElapsedMilliseconds READ elapsedMilliseconds)
    Q_PROPERTY(QString ElapsedText READ elapsedText)

public:
    static constexpr const char* ObjectPath = "/org/example/tikkro/Tikkro";
    static constexpr const char* NotOfferedError = "org.example.tikkro.Tikkro.Error.NotOffered";
    // A moment further back than this was read on some other clock.
    static constexpr qint64 MaxAgeSeconds = 60;

    enum class Situation
    {
        Ready,
        Running,
        Paused,
    };

    // bootClock is the stopwatch's counter: the boot-time clock that
    // requests are stamped with.
    RemoteControl(MainWindow& window, const stopwatch::PerformanceCounter& bootClock);

    // Serves the stopwatch on the session bus under the program's name;
    // false where there is no session bus or another copy has the name.
    bool publish();

    // Runs a request from the socket, timed at the moment it was given;
    // the answer is "ok" or "no" with the reason, each a line.
    QByteArray answer(const RemoteRequest& request);

    // The reason a command is refused, for the user; empty when it runs.
    QString run(RemoteRequest::Verb verb, std::optional<qint64> givenAt = std::nullopt);

    static QString refusal(RemoteRequest::Verb verb, Situation situation);

    QString state() const;
    qint64 elapsedMilliseconds() const;
    QString elapsedText() const;

public Q_SLOTS:
    void Start();
    void Pause();
    void Resume();
    void Lap();
    void Reset();
    void Toggle();
    void ShowMainWindow();
    void ShowEventsWindow();

Q_SIGNALS:
    // Each line the stopwatch writes to the log strip, without its line
    // end; the empty line after a run too.
    void LogLine(const QString& line);

private:
    Situation situation() const;
    void runFromBus(RemoteRequest::Verb verb);
    void splitIntoLines(const QString& piece);

    MainWindow& m_window;
    const stopwatch::PerformanceCounter& m_bootClock;
    // The part of the log after its last line end.
    QString m_partLine;
};

} // namespace tikkro::app
