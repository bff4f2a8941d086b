// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include "alarms/AlarmSlots.h"
#include "app/PlatformChoice.h"
#include "printing/PrintCommand.h"
#include "settings/DatabaseError.h"
#include "settings/SettingsDatabase.h"
#include "stopwatch/LogStrip.h"
#include "stopwatch/SaveLogCommand.h"
#include "ui/ButtonArt.h"
#include "ui/DisplayField.h"
#include "ui/ImageButton.h"
#include "ui/ImageWidget.h"
#include "ui/MessageService.h"
#include "ui/PauseWhileHidden.h"
#include "ui/Twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>

#include <optional>

namespace tikkro::app {

namespace {
const QColor WindowColor(132, 72, 103);
const QColor ClockText(128, 255, 128);
const QColor ElapsedText(0, 0, 64);
const QColor ElapsedBackground(255, 255, 192);
const QColor LogBackground(0, 0, 192);

constexpr int ClientWidth = 5340;
constexpr int ClientHeight = 2115;
constexpr int MonitorInterval = 500;

using stopwatch::Command;

// What each command is: its word on the button, the letter of the word its
// Alt key underlines, where the button sits in twips and its key.
struct CommandDesign
{
    const char* word;
    int accessLetter;
    int left;
    int top;
    int key;
};

// Indexed by Command.
const std::array<CommandDesign, 5> Commands{{
    {"Start", 0, 60, 840, Qt::Key_S},
    {"Lap", 0, 960, 840, Qt::Key_L},
    {"Resume", 0, 60, 1245, Qt::Key_R},
    {"Pause", 0, 960, 1245, Qt::Key_P},
    {"Reset", 4, 480, 1635, Qt::Key_T},
}};

std::size_t indexOf(Command command)
{
    return static_cast<std::size_t>(command);
}

QFont namedFont(const QString& family, qreal points)
{
    // Where the named face is not installed, fontconfig picks the nearest.
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

std::optional<double> storedNumber(const QVariant& value)
{
    return value.isNull() ? std::nullopt : std::optional<double>(value.toDouble());
}
} // namespace

MainWindow::MainWindow(const Services& services, QWidget* parent)
    : QMainWindow(parent), m_services(services),
      m_inputClock(services.counter,
                   services.inputEventClock != nullptr ? *services.inputEventClock : m_monotonic),
      m_writer(services.database, services.messages), m_refreshTimer(this), m_monitorTimer(this),
      m_watch(services.counter, services.clock, m_refreshTimer, *this),
      m_store(services.database, services.slots, m_writer),
      m_alarmWindows(services.slots, m_store, *this, services.clock, services.sound,
                     services.messages, services.notifier),
      m_about([this] {
          return new about::AboutBox(m_services.sound, m_services.sysInfo,
                                     m_services.database.filePath());
      }),
      m_placement(*this)
{
    setWindowTitle(QStringLiteral("Tikkro"));
    buildControls();
    buildMenus();
    connect(&m_refreshTimer, &ui::WindowTimer::tick, this, [this] { m_watch.refresh(); });
    connect(&m_monitorTimer, &ui::WindowTimer::tick, this, &MainWindow::checkDue);
    // Nobody sees the display of a hidden or minimised window. The times
    // come from the counter, so the first refresh on showing is exact.
    new ui::PauseWhileHidden(*this, m_refreshTimer);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls()
{
    auto* client = new QWidget(this);
    client->setFixedSize(ui::twipsSize(ClientWidth, ClientHeight));
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, WindowColor);
    client->setPalette(palette);
    setCentralWidget(client);

    m_elapsedField = new ui::DisplayField(client);
    m_elapsedField->setObjectName(QStringLiteral("elapsedTime"));
    m_elapsedField->setGeometry(ui::twipsRect(60, 420, 1755, 300));
    m_elapsedField->setColors(ElapsedBackground, ElapsedText);
    m_elapsedField->setFont(namedFont(QStringLiteral("Trebuchet MS"), 9.75));
    m_elapsedField->setText(QStringLiteral("00:00:00.000"));
    m_elapsedField->setAccessibleName(QStringLiteral("Elapsed time"));

    m_logStrip = new stopwatch::LogStrip(client);
    m_logStrip->setObjectName(QStringLiteral("logStrip"));
    m_logStrip->setGeometry(ui::twipsRect(1860, 60, 3435, 1995));
    QPalette logPalette = m_logStrip->palette();
    logPalette.setColor(QPalette::Base, LogBackground);
    logPalette.setColor(QPalette::Text, Qt::white);
    m_logStrip->setPalette(logPalette);
    m_logStrip->setAccessibleName(QStringLiteral("Log strip"));

    m_clockField = new ui::DisplayField(client);
    m_clockField->setObjectName(QStringLiteral("clockField"));
    m_clockField->setGeometry(ui::twipsRect(60, 120, 1755, 195));
    m_clockField->setColors(WindowColor, ClockText);
    m_clockField->setFont(namedFont(QStringLiteral("MS Sans Serif"), 8.25));
    m_clockField->setFocusPolicy(Qt::NoFocus);
    m_clockField->setAccessibleName(QStringLiteral("Date and time"));

    for (std::size_t i = 0; i < Commands.size(); ++i) {
        const CommandDesign& design = Commands.at(i);
        ui::ImageButton* button = makeButton(QString::fromLatin1(design.word), design.accessLetter,
                                             design.left, design.top);
        button->setKeyBinding(QKeyCombination(Qt::AltModifier, Qt::Key(design.key)));
        m_commandButtons.at(i) = button->live();
        const auto command = static_cast<Command>(i);
        connect(button->live(), &ui::ImageWidget::mouseDown, this,
                [this, command](Qt::MouseButton, Qt::KeyboardModifiers, int, int,
                                quint64 timestamp) { run(command, timestamp); });
        connect(button, &ui::ImageButton::pressed, this, [this, command] { run(command); });
    }

    // The elapsed time comes first in the tab order, then the log strip.
    // The strip has the focus from the start, so that the first command key
    // works.
    setTabOrder(m_elapsedField, m_logStrip);
    m_logStrip->setFocus();
}

ui::ImageButton* MainWindow::makeButton(const QString& word, int accessLetter, int left, int top)
{
    const auto picture = [&word, accessLetter](bool available) {
        return [art = ui::ButtonArt{word, accessLetter, available, WindowColor}](
                   QPainter& painter, const QRectF& area) { art.paint(painter, area); };
    };
    auto* button = new ui::ImageButton(picture(true), picture(false), centralWidget());
    button->setGeometry(ui::twipsRect(left, top, 855, 375));
    button->setObjectName(word.toLower() + u"Command"_qs);
    button->setAccessibleName(word);
    button->live()->setObjectName(word.toLower() + u"Button"_qs);
    button->grey()->setObjectName(word.toLower() + u"ButtonGrey"_qs);
    return button;
}

void MainWindow::buildMenus()
{
    const auto addAction = [this](QMenu* menu, const QString& caption, const QString& name,
                                  const std::function<void()>& handler) {
        QAction* action = menu->addAction(caption, this, handler);
        action->setObjectName(name);
        return action;
    };

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    addAction(file, QStringLiteral("&Print Log Strip"), QStringLiteral("printAction"),
              [this] { m_services.print.run(this, m_logStrip->text()); });
    QAction* saveAs =
        addAction(file, QStringLiteral("Save Log Strip &As..."), QStringLiteral("saveLogAction"),
                  [this] { m_services.saveLog.run(this, m_logStrip->text()); });
    // The menu bar's shortcuts work wherever the focus is in the window.
    saveAs->setShortcut(QKeySequence::Save);
    file->addSeparator();
    addAction(file, QStringLiteral("E&xit"), QStringLiteral("exitAction"), [this] { close(); });

    QMenu* alarm = menuBar()->addMenu(QStringLiteral("&Alarm"));
    QMenu* absolute = alarm->addMenu(QStringLiteral("&Absolute Time"));
    QMenu* countDown = alarm->addMenu(QStringLiteral("&CountDown"));
    for (int i = 0; i < 2; ++i) {
        const QString digit = QString::number(i + 1);
        const auto slot = static_cast<std::size_t>(i);
        m_alarmActions.at(slot) = addAction(absolute, QStringLiteral("Alarm&") + digit,
                                            QStringLiteral("alarmAction") + digit,
                                            [this, i] { m_alarmWindows.showAlarmDialog(i); });
        m_timerActions.at(slot) = addAction(countDown, QStringLiteral("Timer&") + digit,
                                            QStringLiteral("timerAction") + digit,
                                            [this, i] { m_alarmWindows.showTimerDialog(i); });
    }

    QMenu* extra = menuBar()->addMenu(QStringLiteral("&Extra"));
    addAction(extra, QStringLiteral("&Clear Log Strip"), QStringLiteral("clearLogAction"),
              [this] { m_logStrip->clear(); });
    addAction(extra, QStringLiteral("Show &Events Window"), QStringLiteral("eventsAction"),
              [this] { m_alarmWindows.showEvents(); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    addAction(help, QStringLiteral("&About"), QStringLiteral("aboutAction"),
              [this] { m_about.show(); });
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
            const QString reason =
                QStringLiteral("Changes will not be kept: ") + error.description();
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
            problems.append(QStringLiteral("The window starts at its default place: its position "
                                           "could not be read. ") +
                            error.description());
        }
    }
    if (!placed) {
        m_placement.placeAtDefault();
    }

    m_watch.readFrequency();
    m_logStrip->clear();
    m_watch.reset();

    // Ticks of the monitor fall half a second after each whole second, so
    // the clock field turns over with the system clock.
    if (m_services.waitForWholeSecond) {
        m_services.waitForWholeSecond();
    }
    m_monitorTimer.setInterval(MonitorInterval);

    if (fileThere) {
        try {
            problems.append(m_store.load(*this));
        } catch (const settings::DatabaseError& error) {
            problems.append(QStringLiteral("The stored alarms and timers could not be loaded. ") +
                            error.description());
        }
    }
    if (!problems.isEmpty()) {
        reportStartupProblems(problems);
    }
}

void MainWindow::restorePosition()
{
    const settings::SettingsDatabase& db = m_services.database;
    const std::optional<double> left =
        storedNumber(db.value(QStringLiteral("MeLeft"), QStringLiteral("tUser"), QString()));
    std::optional<double> top;
    if (left) {
        top = storedNumber(db.value(QStringLiteral("MeTop"), QStringLiteral("tUser"), QString()));
    }
    m_placement.restore(left, top);
}

void MainWindow::reportStartupProblems(const QStringList& problems)
{
    m_services.messages.show(QStringLiteral("Tikkro could not use its settings file as it "
                                            "should.\n\n") +
                                 problems.join(QStringLiteral("\n\n")),
                             ui::MessageService::Icon::Warning);
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
        m_writer.write(QStringLiteral("The window position could not be kept."),
                       [position](const settings::SettingsDatabase& db) {
                           db.storeValue(QStringLiteral("MeLeft"), QStringLiteral("tUser"),
                                         QVariant(static_cast<double>(position.x())), QString());
                           db.storeValue(QStringLiteral("MeTop"), QStringLiteral("tUser"),
                                         QVariant(static_cast<double>(position.y())), QString());
                       });
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
                                    ui::MessageService::Icon::Warning, ExitNoteShown);
    }
    // A report box left open by the monitor must not keep the program alive.
    QCoreApplication::quit();
}

void MainWindow::checkDue()
{
    m_clockField->setText(m_alarmWindows.checkDue());
}

// --- StopwatchView ---------------------------------------------------------

void MainWindow::setElapsedDisplay(const QString& text)
{
    m_elapsedField->setText(text);
}

void MainWindow::setAvailableCommands(const stopwatch::CommandSet& commands)
{
    m_commandButtons[indexOf(Command::Start)]->setVisible(commands.start);
    m_commandButtons[indexOf(Command::Lap)]->setVisible(commands.lap);
    m_commandButtons[indexOf(Command::Resume)]->setVisible(commands.resume);
    m_commandButtons[indexOf(Command::Pause)]->setVisible(commands.pause);
    m_commandButtons[indexOf(Command::Reset)]->setVisible(commands.reset);
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
    m_commandButtons.at(indexOf(command))->setVisible(false);
    m_watch.run(command, at);
}

bool MainWindow::offers(Command command) const
{
    return !m_commandButtons.at(indexOf(command))->isHidden();
}

bool MainWindow::runCommandKey(int key, Qt::KeyboardModifiers modifiers, quint64 timestamp)
{
    // Alt alone: Shift or Ctrl held with it make another key.
    const Qt::KeyboardModifiers held =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (held != Qt::AltModifier) {
        return false;
    }
    for (std::size_t i = 0; i < Commands.size(); ++i) {
        // A key works only for a command whose button is offered.
        if (Commands.at(i).key == key && !m_commandButtons.at(i)->isHidden()) {
            run(static_cast<Command>(i), timestamp);
            return true;
        }
    }
    return false;
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    // The controls leave Alt with a letter to the window, the log strip
    // included: it never types them.
    if (runCommandKey(event->key(), event->modifiers(), event->timestamp())) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    saveSession();
    QMainWindow::closeEvent(event);
}

} // namespace tikkro::app
