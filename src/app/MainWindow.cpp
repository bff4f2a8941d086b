// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include "accessibility/AccessibleFactory.h"
#include "app/PlatformChoice.h"
#include "core/ClockChanges.h"
#include "core/WallClock.h"
#include "core/alarms/AlarmSlots.h"
#include "core/settings/DatabaseError.h"
#include "core/settings/SettingsDatabase.h"
#include "desktop/MessageService.h"
#include "printing/PrintCommand.h"
#include "stopwatch/LogStrip.h"
#include "stopwatch/SaveLogCommand.h"
#include "widgets/CommandButton.h"
#include "widgets/DisplayField.h"
#include "widgets/PauseWhileHidden.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <optional>
#include <span>
#include <utility>

namespace tikkro::app {

namespace {
const QColor WindowColor(132, 72, 103);
const QColor ClockText(128, 255, 128);
const QColor ElapsedText(0, 0, 64);
const QColor ElapsedBackground(255, 255, 192);
const QColor LogBackground(0, 0, 192);

// The monitor ticks once a second, half a second after each whole second
// of the system clock: due times fall on whole seconds, so a slot rings
// within half a second of them, and the clock field's seconds are read well
// inside the second they name.
constexpr int MonitorInterval = 1000;
constexpr int MonitorPhase = 500;

// The window's look at the desktop's usual text size, in pixels: the
// controls keep these sizes at least and grow with a larger font.
constexpr QSize FieldSize(117, 20);
constexpr QSize ClockSize(117, 13);
constexpr QSize ButtonSize(57, 25);
constexpr QSize LogSize(229, 133);
// The text of the two fields against the desktop's: the elapsed time a
// little larger, the date and time a little smaller, both bold.
constexpr qreal ElapsedScale = 13.0 / 12.0;
constexpr qreal ClockScale = 0.85;

using stopwatch::Command;

// What each command's button is: its word, with "&" before the letter of
// its Alt key, and its object name.
struct CommandDesign
{
    const char* text;
    const char* name;
};

// Indexed by Command: the first four in two rows of two, Reset centred
// below them.
const std::array<CommandDesign, 5> Commands{{
    {QT_TRANSLATE_NOOP("tikkro::app::MainWindow", "&Start"), "startButton"},
    {QT_TRANSLATE_NOOP("tikkro::app::MainWindow", "&Lap"), "lapButton"},
    {QT_TRANSLATE_NOOP("tikkro::app::MainWindow", "&Resume"), "resumeButton"},
    {QT_TRANSLATE_NOOP("tikkro::app::MainWindow", "&Pause"), "pauseButton"},
    {QT_TRANSLATE_NOOP("tikkro::app::MainWindow", "Rese&t"), "resetButton"},
}};

std::size_t indexOf(Command command)
{
    return static_cast<std::size_t>(command);
}

QFont boldFont(const QFont& desktop, qreal scale)
{
    QFont font = desktop;
    font.setPointSizeF(desktop.pointSizeF() * scale);
    font.setBold(true);
    return font;
}

void setColours(QWidget* widget, QPalette::ColorRole backgroundRole, const QColor& background,
                QPalette::ColorRole textRole, const QColor& text)
{
    QPalette palette = widget->palette();
    palette.setColor(backgroundRole, background);
    palette.setColor(textRole, text);
    widget->setPalette(palette);
}
} // namespace

MainWindow::MainWindow(const Services& services, QWidget* parent)
    : QMainWindow(parent), m_services(services),
      m_inputClock(services.counter,
                   services.inputEventClock != nullptr ? *services.inputEventClock : m_monotonic),
      m_writer(services.database), m_refreshTimer(this), m_monitorTimer(this),
      m_watch(services.counter, services.clock, m_refreshTimer, *this), m_runSaveTimer(this),
      m_runKeeper(services.database, services.counter, m_runSaveTimer,
                  [this] { return currentRun(); }),
      m_store(services.database, services.slots, m_writer),
      m_alarmWindows(services.slots, m_store, *this, services.clock, services.sound,
                     services.messages, services.notifier),
      m_about([this] {
          return new about::AboutBox(m_services.sound, m_services.sysInfo,
                                     m_services.database.filePath());
      }),
      m_placement(*this)
{
    // Screen readers learn our own widgets' texts from the factory; Qt asks it
    // only once a reader is listening.
    accessibility::AccessibleFactory::install();
    setWindowTitle(QStringLiteral("Tikkro"));
    buildControls();
    buildMenus();
    connect(&m_refreshTimer, &core::WindowTimer::tick, this, [this] {
        m_watch.refresh();
        handDisplayOver();
    });
    connect(m_elapsedField, &widgets::DisplayField::tickingEnded, this,
            &MainWindow::takeDisplayBack);
    connect(&m_refreshTimer, &core::WindowTimer::suspendedChanged, this, [this](bool suspended) {
        if (suspended) {
            takeDisplayBack();
        }
    });
    connect(&m_monitorTimer, &core::WindowTimer::tick, this, &MainWindow::checkDue);
    connect(&m_runSaveTimer, &core::WindowTimer::tick, &m_runKeeper, &settings::RunKeeper::saveDue);
    connect(&m_writer, &settings::SettingsWriter::failed, this, [this](const QString& report) {
        m_services.messages.showModeless(report, desktop::MessageService::Icon::Warning,
                                         QStringLiteral("Tikkro"));
    });
    // Nobody sees the display or the clock field of a hidden or minimised
    // window. The times come from the counter, so the first refresh on
    // showing is exact; the monitor ticks at once on showing, and while
    // hidden it sleeps until the first armed slot falls due.
    new widgets::PauseWhileHidden(*this, {&m_refreshTimer, &m_monitorTimer});
    alarms::AlarmMonitor& monitor = m_alarmWindows.monitor();
    connect(&m_monitorTimer, &core::WindowTimer::suspendedChanged, &monitor,
            [&monitor](bool suspended) { monitor.setTicked(!suspended); });
    monitor.setTicked(!m_monitorTimer.isSuspended());
    if (m_services.clockChanges != nullptr) {
        connect(m_services.clockChanges, &core::ClockChanges::changed, this, [this] {
            if (m_monitorTimer.isTicking()) {
                checkDue();
            } else {
                m_alarmWindows.monitor().checkNow();
            }
        });
    }
}

MainWindow::~MainWindow()
{
    // Hidden as the window goes, the field would end its ticking and hand
    // it back to a timer that is gone by then.
    disconnect(m_elapsedField, nullptr, this, nullptr);
}

void MainWindow::buildControls()
{
    auto* client = new QWidget(this);
    client->setAutoFillBackground(true);
    setColours(client, QPalette::Window, WindowColor, QPalette::WindowText, ClockText);
    setCentralWidget(client);

    m_elapsedField = new widgets::DisplayField(QStringLiteral("00:00:00.000"), client);
    m_elapsedField->setObjectName(QStringLiteral("elapsedTime"));
    setColours(m_elapsedField, QPalette::Window, ElapsedBackground, QPalette::WindowText,
               ElapsedText);
    m_elapsedField->setFont(boldFont(font(), ElapsedScale));
    m_elapsedField->setMinimumSize(FieldSize.expandedTo(m_elapsedField->sizeHint()));
    m_elapsedField->setText(QStringLiteral("00:00:00.000"));
    m_elapsedField->setAccessibleName(tr("Elapsed time"));

    m_logStrip = new stopwatch::LogStrip(client);
    m_logStrip->setObjectName(QStringLiteral("logStrip"));
    // The strip takes the room the stopwatch's column leaves it, never less
    // than its own size.
    m_logStrip->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_logStrip->setMinimumSize(LogSize);
    setColours(m_logStrip, QPalette::Base, LogBackground, QPalette::Text, Qt::white);
    m_logStrip->setAccessibleName(tr("Log strip"));

    m_clockField = new widgets::DisplayField(QStringLiteral("00.00.00   00:00:00"), client);
    m_clockField->setObjectName(QStringLiteral("clockField"));
    setColours(m_clockField, QPalette::Window, WindowColor, QPalette::WindowText, ClockText);
    m_clockField->setFont(boldFont(font(), ClockScale));
    m_clockField->setMinimumSize(ClockSize.expandedTo(m_clockField->sizeHint()));
    m_clockField->setFocusPolicy(Qt::NoFocus);
    m_clockField->setAccessibleName(tr("Date and time"));

    auto* buttons = new QGridLayout;
    buttons->setHorizontalSpacing(3);
    buttons->setVerticalSpacing(2);
    for (std::size_t i = 0; i < Commands.size(); ++i) {
        const CommandDesign& design = Commands.at(i);
        auto* button = new widgets::CommandButton(tr(design.text), client);
        button->setObjectName(QLatin1String(design.name));
        m_commandButtons.at(i) = button;
        const auto command = static_cast<Command>(i);
        connect(button, &widgets::CommandButton::commanded, this,
                [this, command](quint64 timestamp) { run(command, timestamp); });
        connect(button, &widgets::CommandButton::shortcutPressed, this,
                [this, command] { run(command, std::exchange(m_shortcutKeyStamp, 0)); });
        if (command != Command::Reset) {
            buttons->addWidget(button, static_cast<int>(i / 2), static_cast<int>(i % 2),
                               Qt::AlignCenter);
        }
    }

    // All five the size of the widest word's.
    QSize buttonSize = ButtonSize;
    for (const widgets::CommandButton* button : m_commandButtons) {
        buttonSize = buttonSize.expandedTo(button->sizeHint());
    }
    for (widgets::CommandButton* button : m_commandButtons) {
        button->setMinimumSize(buttonSize);
    }

    auto* stopwatchColumn = new QVBoxLayout;
    stopwatchColumn->setSpacing(0);
    stopwatchColumn->addSpacing(4);
    stopwatchColumn->addWidget(m_clockField);
    stopwatchColumn->addSpacing(7);
    stopwatchColumn->addWidget(m_elapsedField);
    stopwatchColumn->addSpacing(8);
    stopwatchColumn->addLayout(buttons);
    stopwatchColumn->addSpacing(1);
    stopwatchColumn->addWidget(m_commandButtons[indexOf(Command::Reset)], 0, Qt::AlignHCenter);
    stopwatchColumn->addStretch();

    auto* columns = new QHBoxLayout(client);
    columns->setContentsMargins(4, 4, 3, 4);
    columns->setSpacing(3);
    columns->addLayout(stopwatchColumn);
    columns->addWidget(m_logStrip, 1);
    // The strip keeps its width in proportion to the stopwatch's column as
    // a larger font widens the column.
    const int columnWidth = stopwatchColumn->sizeHint().width();
    m_logStrip->setMinimumWidth(
        std::max(LogSize.width(), columnWidth * LogSize.width() / FieldSize.width()));

    // The elapsed time comes first in the tab order, then the log strip.
    // The strip has the focus from the start, as after every command.
    setTabOrder(m_elapsedField, m_logStrip);
    m_logStrip->setFocus();
}

void MainWindow::buildMenus()
{
    const auto addAction = [this](QMenu* menu, const QString& caption, const QString& name,
                                  const std::function<void()>& handler) {
        QAction* action = menu->addAction(caption, this, handler);
        action->setObjectName(name);
        return action;
    };

    QMenu* file = menuBar()->addMenu(tr("&File"));
    addAction(file, tr("&Print Log Strip"), QStringLiteral("printAction"), [this] {
        if (const auto failure = m_services.print.run(this, m_logStrip->text())) {
            m_services.messages.show(*failure, desktop::MessageService::Icon::Warning,
                                     printing::PrintCommand::failureTitle());
        }
    });
    QAction* saveAs = addAction(file, tr("Save Log Strip &As..."), QStringLiteral("saveLogAction"),
                                [this] { m_services.saveLog.run(this, m_logStrip->text()); });
    // The menu bar's shortcuts work wherever the focus is in the window.
    saveAs->setShortcut(QKeySequence::Save);
    file->addSeparator();
    addAction(file, tr("E&xit"), QStringLiteral("exitAction"), [this] { close(); });

    QMenu* alarm = menuBar()->addMenu(tr("&Alarm"));
    QMenu* absolute = alarm->addMenu(tr("&Absolute Time"));
    QMenu* countDown = alarm->addMenu(tr("&CountDown"));
    for (int i = 0; i < 2; ++i) {
        const QString digit = QString::number(i + 1);
        const auto slot = static_cast<std::size_t>(i);
        m_alarmActions.at(slot) =
            addAction(absolute, tr("Alarm&%1").arg(digit), QStringLiteral("alarmAction") + digit,
                      [this, i] { m_alarmWindows.showAlarmDialog(i); });
        m_timerActions.at(slot) =
            addAction(countDown, tr("Timer&%1").arg(digit), QStringLiteral("timerAction") + digit,
                      [this, i] { m_alarmWindows.showTimerDialog(i); });
    }

    QMenu* extra = menuBar()->addMenu(tr("&Extra"));
    m_extraMenu = extra;
    addAction(extra, tr("&Clear Log Strip"), QStringLiteral("clearLogAction"),
              [this] { m_logStrip->clear(); });
    addAction(extra, tr("Show &Events Window"), QStringLiteral("eventsAction"),
              [this] { m_alarmWindows.showEvents(); });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    addAction(help, tr("&About"), QStringLiteral("aboutAction"), [this] { m_about.show(); });
}

void MainWindow::restoreSession()
{
    // Each entry says what went wrong and what Tikkro does instead.
    QStringList problems;
    const settings::SettingsDatabase& db = m_services.database;
    bool fileThere = true;
    try {
        db.createIfMissing();
        db.checkWritable();
    } catch (const settings::DatabaseError& error) {
        fileThere = QFileInfo::exists(db.filePath());
        // A file held by another program for the moment is still written
        // once it is let go of.
        if (!error.fileBusy()) {
            const QString reason = tr("Changes will not be kept: %1").arg(error.description());
            m_writer.keepInMemoryOnly(reason);
            problems.append(reason);
        }
    }

    bool placed = false;
    if (fileThere) {
        try {
            restorePosition();
            placed = true;
        } catch (const settings::DatabaseError& error) {
            problems.append(tr("The window starts at its default place: its position could not "
                               "be read. %1")
                                .arg(error.description()));
        }
    }
    if (!placed) {
        m_placement.placeAtDefault();
    }

    m_watch.readFrequency();
    m_logStrip->clear();
    m_watch.reset();
    bool restored = false;
    bool keepRun = fileThere && !m_writer.keepsInMemoryOnly();
    try {
        restored = keepRun && restoreRun();
    } catch (const settings::DatabaseError& error) {
        // Kept untouched for the next start rather than overwritten.
        keepRun = false;
        qWarning("Tikkro: the last run could not be read: %s", qPrintable(error.description()));
    }
    if (keepRun) {
        connect(m_logStrip->document(), &QTextDocument::contentsChanged, &m_runKeeper,
                &settings::RunKeeper::changed);
        m_runKeeper.start();
        if (restored) {
            // Kept again with the line that says it was restored.
            m_runKeeper.changed();
        }
    }

    // The window does not wait for the monitor's first tick: it shows at
    // once with the present time.
    m_clockField->setText(
        m_services.clock.now().toString(QLatin1String(alarms::AlarmMonitor::ClockPattern)));
    m_monitorTimer.setInterval(untilNextTick());

    if (fileThere) {
        try {
            problems.append(m_store.load(*this));
        } catch (const settings::DatabaseError& error) {
            problems.append(tr("The stored alarms and timers could not be loaded. %1")
                                .arg(error.description()));
        }
    }
    if (!problems.isEmpty()) {
        reportStartupProblems(problems);
    }
}

void MainWindow::restorePosition()
{
    const settings::StoredPosition stored = m_services.database.storedPosition();
    m_placement.restore(stored.left, stored.top);
}

bool MainWindow::restoreRun()
{
    const std::optional<settings::RunRecord> run = m_services.database.storedRun();
    using Watch = settings::RunRecord::Watch;
    if (!run || run->endedCleanly || (run->log.isEmpty() && run->watch == Watch::Reset)) {
        return false;
    }
    QString log = run->log;
    if (!log.isEmpty() && !log.endsWith(QLatin1Char('\n'))) {
        log += QLatin1Char('\n');
    }
    m_logStrip->setKeptText(log);
    using State = stopwatch::Stopwatch::State;
    const State state = run->watch == Watch::Running  ? State::Running
                        : run->watch == Watch::Paused ? State::Paused
                                                      : State::Reset;
    m_watch.restore(state, run->elapsedAt(m_services.clock.now()), run->startedAt, run->savedAt);
    return true;
}

settings::RunRecord MainWindow::currentRun() const
{
    using Watch = settings::RunRecord::Watch;
    settings::RunRecord run;
    run.log = m_logStrip->textSinceLast();
    run.watch = m_watch.state() == stopwatch::Stopwatch::State::Reset    ? Watch::Reset
                : m_watch.state() == stopwatch::Stopwatch::State::Paused ? Watch::Paused
                                                                         : Watch::Running;
    run.elapsedMs = m_watch.elapsedMilliseconds();
    run.savedAt = m_services.clock.now();
    run.startedAt = m_watch.startedAt();
    return run;
}

void MainWindow::reportStartupProblems(const QStringList& problems)
{
    m_services.messages.show(tr("Tikkro could not use its settings file as it should.") +
                                 QStringLiteral("\n\n") + problems.join(QStringLiteral("\n\n")),
                             desktop::MessageService::Icon::Warning);
}

void MainWindow::closeKeepingRun()
{
    m_keepRunAtClose = true;
    close();
}

void MainWindow::saveSession()
{
    // After a start-up that said changes are not kept, nothing is tried and
    // nothing said again.
    // Where the compositor places the window, its position is unknown and
    // the saved one stays.
    if (!m_writer.keepsInMemoryOnly() &&
        PlatformChoice::placesOwnWindows(QGuiApplication::platformName())) {
        const QPoint position = m_placement.positionToSave();
        m_writer.write(tr("The window position could not be kept."),
                       [position](const settings::SettingsDatabase& db) {
                           db.savePosition(position.x(), position.y());
                       });
    }
    if (!m_writer.keepsInMemoryOnly()) {
        if (m_keepRunAtClose) {
            m_runKeeper.keepRun(ExitWait);
        } else {
            m_runKeeper.endRun(ExitWait);
        }
    }
    const QStringList notKept = m_writer.finish(ExitWait);
    m_alarmWindows.unloadAll();
    m_about.unload();
    if (!notKept.isEmpty()) {
        // The window goes at once; the note says what was lost and goes by
        // itself, so that it never holds up a logout. Hiding the last
        // window would quit at once and take the note with it.
        QGuiApplication::setQuitOnLastWindowClosed(false);
        hide();
        m_services.messages.showFor(notKept.join(QStringLiteral("\n\n")),
                                    desktop::MessageService::Icon::Warning, ExitNoteShown);
    }
    // A report box left open by the monitor must not keep the program alive.
    QCoreApplication::quit();
}

void MainWindow::checkDue()
{
    m_clockField->setText(m_alarmWindows.checkDue());
    // Planned afresh from the system clock at every tick, so that the ticks
    // keep their place in the second however the timers drift from it or
    // the clock is set.
    if (m_services.msToWholeSecond) {
        m_monitorTimer.setInterval(untilNextTick());
    }
}

int MainWindow::untilNextTick() const
{
    if (!m_services.msToWholeSecond) {
        return MonitorInterval;
    }
    return (m_services.msToWholeSecond() + MonitorPhase - 1) % MonitorInterval + 1;
}

// --- StopwatchView ---------------------------------------------------------

void MainWindow::setElapsedDisplay(const QString& text)
{
    m_elapsedField->setText(text);
}

void MainWindow::setAvailableCommands(const stopwatch::CommandSet& commands)
{
    m_commandButtons[indexOf(Command::Start)]->setEnabled(commands.start);
    m_commandButtons[indexOf(Command::Lap)]->setEnabled(commands.lap);
    m_commandButtons[indexOf(Command::Resume)]->setEnabled(commands.resume);
    m_commandButtons[indexOf(Command::Pause)]->setEnabled(commands.pause);
    m_commandButtons[indexOf(Command::Reset)]->setEnabled(commands.reset);
}

void MainWindow::appendToLog(const QString& piece)
{
    m_logStrip->append(piece);
    Q_EMIT logAppended(piece);
}

bool MainWindow::logIsEmpty() const
{
    return m_logStrip->isEmpty();
}

void MainWindow::focusLogEnd()
{
    // Before the window is first shown this only chooses the control that
    // gets the focus when it is.
    m_logStrip->setFocus(Qt::OtherFocusReason);
    m_logStrip->moveToEnd();
}

// --- AlarmMenu -------------------------------------------------------------

void MainWindow::setAlarmCaption(int slot, const QString& caption)
{
    m_alarmActions.at(static_cast<std::size_t>(slot))->setText(caption);
}

void MainWindow::setTimerCaption(int slot, const QString& caption)
{
    m_timerActions.at(static_cast<std::size_t>(slot))->setText(caption);
}

// --- Commands --------------------------------------------------------------

void MainWindow::run(Command command, quint64 inputTimestamp)
{
    // A click that waited behind a busy window is timed when it was made.
    runAt(command, m_inputClock.counterAt(inputTimestamp));
}

void MainWindow::runAt(Command command, stopwatch::Stopwatch::Reading at)
{
    m_commandButtons.at(indexOf(command))->setEnabled(false);
    m_watch.run(command, at);
    m_runKeeper.changed();
}

void MainWindow::handDisplayOver()
{
    const int interval = m_refreshTimer.interval();
    if (interval == m_handOverTried || m_elapsedField->isTicking()) {
        return;
    }
    m_handOverTried = interval;
    const std::optional<stopwatch::RunningDisplay> running = m_watch.runningDisplay();
    if (!running || !m_refreshTimer.isTicking()) {
        return;
    }
    const stopwatch::PerformanceCounter& counter = m_services.counter;
    static_assert(widgets::DisplayTicker::MaxLength == stopwatch::ElapsedFormat::MaxLength);
    const auto source = [&counter, display = *running](
                            std::span<char16_t, widgets::DisplayTicker::MaxLength> text) {
        return display.writeAt(counter.ticks(), text);
    };
    if (m_elapsedField->startTicking(source, std::chrono::milliseconds(interval))) {
        m_refreshTimer.setTakenOver(true);
    }
}

void MainWindow::takeDisplayBack()
{
    m_elapsedField->stopTicking();
    m_refreshTimer.setTakenOver(false);
    m_handOverTried = 0;
}

bool MainWindow::offers(Command command) const
{
    return m_commandButtons.at(indexOf(command))->isEnabled();
}

bool MainWindow::event(QEvent* event)
{
    // Every key goes by the window as a shortcut override before it is
    // tried as a shortcut, unless a control takes it as typing.
    if (event->type() == QEvent::ShortcutOverride) {
        m_shortcutKeyStamp = static_cast<QKeyEvent*>(event)->timestamp();
    }
    return QMainWindow::event(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    saveSession();
    QMainWindow::closeEvent(event);
}

} // namespace tikkro::app
