// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RemoteControl.h"

#include "StopwatchAdaptor.h"
#include "app/MainWindow.h"
#include "core/stopwatch/ElapsedFormat.h"
#include "core/stopwatch/PerformanceCounter.h"
#include "placement/WindowActivation.h"

#include <QDBusConnection>

#include <array>
#include <cmath>

namespace tikkro::app {

namespace {
using stopwatch::Command;
using Verb = RemoteRequest::Verb;

// Indexed by Verb; Toggle stands for whichever of its three is offered.
constexpr std::array<Command, 6> Commands{Command::Start, Command::Pause, Command::Resume,
                                          Command::Lap,   Command::Reset, Command::Start};

// The commands' words in the messages saying why one is not offered.
const char* caption(Verb verb)
{
    constexpr std::array<const char*, 6> Captions{
        QT_TRANSLATE_NOOP("tikkro::app::RemoteControl", "Start"),
        QT_TRANSLATE_NOOP("tikkro::app::RemoteControl", "Pause"),
        QT_TRANSLATE_NOOP("tikkro::app::RemoteControl", "Resume"),
        QT_TRANSLATE_NOOP("tikkro::app::RemoteControl", "Lap"),
        QT_TRANSLATE_NOOP("tikkro::app::RemoteControl", "Reset"),
        QT_TRANSLATE_NOOP("tikkro::app::RemoteControl", "Toggle")};
    return Captions.at(static_cast<std::size_t>(verb));
}
} // namespace

RemoteControl::RemoteControl(MainWindow& window, const stopwatch::PerformanceCounter& bootClock)
    : m_window(window), m_bootClock(bootClock)
{
    connect(&window, &MainWindow::logAppended, this, &RemoteControl::splitIntoLines);
    new StopwatchAdaptor(this);
}

bool RemoteControl::publish()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() &&
           bus.registerObject(QString::fromLatin1(ObjectPath), this,
                              QDBusConnection::ExportAdaptors) &&
           bus.registerService(QStringLiteral(TIKKRO_APP_ID));
}

QByteArray RemoteControl::answer(const RemoteRequest& request)
{
    const QString why = run(request.verb, request.givenAt);
    return why.isEmpty() ? QByteArrayLiteral("ok\n") : "no " + why.toUtf8() + '\n';
}

QString RemoteControl::run(Verb verb, std::optional<qint64> givenAt)
{
    Command command = Commands.at(static_cast<std::size_t>(verb));
    if (verb == Verb::Toggle) {
        // Exactly one of the three is offered in every situation.
        for (const Command each : {Command::Start, Command::Pause, Command::Resume}) {
            if (m_window.offers(each)) {
                command = each;
            }
        }
    }
    if (!m_window.offers(command)) {
        return refusal(verb, situation());
    }
    // A moment later than now, or too far back, is not on this clock; no
    // command is timed before the one before it, which the stopwatch sees to.
    std::optional<qint64> at;
    const qint64 frequency = m_bootClock.frequency();
    if (givenAt && frequency > 0) {
        const qint64 now = m_bootClock.ticks();
        const qint64 given =
            std::llround(static_cast<double>(*givenAt) * static_cast<double>(frequency) / 1e9);
        if (given <= now && now - given <= MaxAgeSeconds * frequency) {
            at = given;
        }
    }
    m_window.runAt(command, at);
    return {};
}

QString RemoteControl::refusal(Verb verb, Situation situation)
{
    QString text;
    switch (situation) {
    case Situation::Ready:
        text = tr("%1 is not offered while the stopwatch is reset.");
        break;
    case Situation::Paused:
        text = tr("%1 is not offered while the stopwatch is paused.");
        break;
    case Situation::Running:
        // Reset is offered while running too, after a Lap.
        text = verb == Verb::Reset
                   ? tr("%1 is not offered while the stopwatch runs: take a Lap or Pause first.")
                   : tr("%1 is not offered while the stopwatch is running.");
        break;
    }
    return text.arg(tr(caption(verb)));
}

RemoteControl::Situation RemoteControl::situation() const
{
    switch (m_window.watch().state()) {
    case stopwatch::Stopwatch::State::Reset:
        return Situation::Ready;
    case stopwatch::Stopwatch::State::Paused:
        return Situation::Paused;
    default:
        return Situation::Running;
    }
}

QString RemoteControl::state() const
{
    constexpr std::array<const char*, 3> Names{"Ready", "Running", "Paused"};
    return QLatin1String(Names.at(static_cast<std::size_t>(situation())));
}

qint64 RemoteControl::elapsedMilliseconds() const
{
    return m_window.watch().elapsedMilliseconds();
}

QString RemoteControl::elapsedText() const
{
    return stopwatch::ElapsedFormat::text(elapsedMilliseconds());
}

void RemoteControl::runFromBus(Verb verb)
{
    const QString why = run(verb);
    if (!why.isEmpty() && calledFromDBus()) {
        sendErrorReply(QString::fromLatin1(NotOfferedError), why);
    }
}

void RemoteControl::Start()
{
    runFromBus(Verb::Start);
}

void RemoteControl::Pause()
{
    runFromBus(Verb::Pause);
}

void RemoteControl::Resume()
{
    runFromBus(Verb::Resume);
}

void RemoteControl::Lap()
{
    runFromBus(Verb::Lap);
}

void RemoteControl::Reset()
{
    runFromBus(Verb::Reset);
}

void RemoteControl::Toggle()
{
    runFromBus(Verb::Toggle);
}

void RemoteControl::ShowMainWindow()
{
    placement::WindowActivation::bringForward(m_window);
}

void RemoteControl::ShowEventsWindow()
{
    m_window.alarmWindows().showEvents();
}

void RemoteControl::splitIntoLines(const QString& piece)
{
    m_partLine += piece;
    qsizetype end = 0;
    while ((end = m_partLine.indexOf(u'\n')) >= 0) {
        const QString line = m_partLine.first(end);
        m_partLine.remove(0, end + 1);
        Q_EMIT LogLine(line);
    }
}

} // namespace tikkro::app
