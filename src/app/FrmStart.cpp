// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmStart.h"

#include "alarms/AlarmSlots.h"
#include "printing/PrintCommand.h"
#include "settings/DatabaseError.h"
#include "settings/SettingsDatabase.h"
#include "stopwatch/LogStrip.h"
#include "ui/ButtonArt.h"
#include "ui/DisplayField.h"
#include "ui/ImageWidget.h"
#include "ui/MessageService.h"
#include "ui/Twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

namespace tikkro::app {

namespace {
const QColor WindowColor(132, 72, 103);
const QColor ClockText(128, 255, 128);
const QColor ElapsedText(0, 0, 64);
const QColor ElapsedBackground(255, 255, 192);
const QColor LogBackground(0, 0, 192);

constexpr int ClientWidth = 5340;
constexpr int ClientHeight = 2115;
constexpr int DefaultTop = 270;
constexpr int MonitorInterval = 500;

constexpr int KeyAlt = 4;

QFont namedFont(const QString& family, qreal points)
{
    // Where the named face is not installed, fontconfig picks the nearest.
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}
} // namespace

FrmStart::FrmStart(const Services& services, QWidget* parent)
    : QMainWindow(parent), m_services(services), m_timer1(this), m_timer2(this),
      m_watch(services.counter, services.clock, m_timer1, *this),
      m_store(services.database, services.slots),
      m_alarmWindows(services.slots, m_store, *this, services.clock, services.sound,
                     services.messages),
      m_about([this] {
          return new about::FrmAbout(m_services.sound, m_services.sysInfo,
                                     m_services.database.filePath());
      })
{
    setWindowTitle(QStringLiteral("Tikkro"));
    buildControls();
    buildMenus();
    connect(&m_timer1, &ui::WindowTimer::tick, this, [this] { m_watch.Timer1_Timer(); });
    connect(&m_timer2, &ui::WindowTimer::tick, this, &FrmStart::Timer2_Timer);
}

FrmStart::~FrmStart() = default;

void FrmStart::buildControls()
{
    auto* client = new QWidget(this);
    client->setFixedSize(ui::twipsSize(ClientWidth, ClientHeight));
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, WindowColor);
    client->setPalette(palette);
    setCentralWidget(client);

    ElapsedTime = new ui::DisplayField(client);
    ElapsedTime->setObjectName(QStringLiteral("ElapsedTime"));
    ElapsedTime->setGeometry(ui::twipsRect(60, 420, 1755, 300));
    ElapsedTime->setColors(ElapsedBackground, ElapsedText);
    ElapsedTime->setFont(namedFont(QStringLiteral("Trebuchet MS"), 9.75));
    ElapsedTime->setText(QStringLiteral("00:00:00.000"));
    ElapsedTime->setAccessibleName(QStringLiteral("Elapsed time"));

    Text1 = new stopwatch::LogStrip(client);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(ui::twipsRect(1860, 60, 3435, 1995));
    QPalette logPalette = Text1->palette();
    logPalette.setColor(QPalette::Base, LogBackground);
    logPalette.setColor(QPalette::Text, Qt::white);
    Text1->setPalette(logPalette);
    Text1->setAccessibleName(QStringLiteral("Log strip"));
    connect(Text1, &stopwatch::LogStrip::keyDown, this, &FrmStart::Text1_KeyDown);

    Uhr = new ui::DisplayField(client);
    Uhr->setObjectName(QStringLiteral("Uhr"));
    Uhr->setGeometry(ui::twipsRect(60, 120, 1755, 195));
    Uhr->setColors(WindowColor, ClockText);
    Uhr->setFont(namedFont(QStringLiteral("MS Sans Serif"), 8.25));
    Uhr->setFocusPolicy(Qt::NoFocus);
    Uhr->setAccessibleName(QStringLiteral("Date and time"));

    // Grey twins first, so that each coloured image lies above its twin.
    imgStartGrau = makeButton(QStringLiteral("Start"), 0, false, 60, 840);
    imgLapGrau = makeButton(QStringLiteral("Lap"), 0, false, 960, 840);
    imgResumeGrau = makeButton(QStringLiteral("Resume"), 0, false, 60, 1245);
    imgPauseGrau = makeButton(QStringLiteral("Pause"), 0, false, 960, 1245);
    imgResetGrau = makeButton(QStringLiteral("Reset"), 4, false, 480, 1635);
    imgStart = makeButton(QStringLiteral("Start"), 0, true, 60, 840);
    imgLap = makeButton(QStringLiteral("Lap"), 0, true, 960, 840);
    imgResume = makeButton(QStringLiteral("Resume"), 0, true, 60, 1245);
    imgPause = makeButton(QStringLiteral("Pause"), 0, true, 960, 1245);
    imgReset = makeButton(QStringLiteral("Reset"), 4, true, 480, 1635);

    connect(imgStart, &ui::ImageWidget::mouseDown, this, &FrmStart::imgStart_MouseDown);
    connect(imgLap, &ui::ImageWidget::mouseDown, this, &FrmStart::imgLap_MouseDown);
    connect(imgResume, &ui::ImageWidget::mouseDown, this, &FrmStart::imgResume_MouseDown);
    connect(imgPause, &ui::ImageWidget::mouseDown, this, &FrmStart::imgPause_MouseDown);
    connect(imgReset, &ui::ImageWidget::mouseDown, this, &FrmStart::imgReset_MouseDown);

    // The elapsed time comes first in the tab order, then the log strip.
    setTabOrder(ElapsedTime, Text1);
}

ui::ImageWidget* FrmStart::makeButton(const QString& word, int accessLetter, bool available,
                                      int left, int top)
{
    const ui::ButtonArt art{word, accessLetter, available, WindowColor};
    auto* image = new ui::ImageWidget(
        [art](QPainter& painter, const QRectF& area) { art.paint(painter, area); },
        centralWidget());
    image->setGeometry(ui::twipsRect(left, top, 855, 375));
    image->setObjectName(QStringLiteral("img") + word + (available ? QString() : u"Grau"_qs));
    image->setAccessibleName(word);
    if (!available) {
        // The grey twins never take input; the coloured image above gets it.
        image->setAttribute(Qt::WA_TransparentForMouseEvents);
        image->setAccessibleDescription(QStringLiteral("unavailable"));
    }
    return image;
}

void FrmStart::buildMenus()
{
    mnFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnPrint = mnFile->addAction(QStringLiteral("&Print Log Strip"), this, &FrmStart::mnPrint_Click);
    mnFile->addSeparator();
    mnExit = mnFile->addAction(QStringLiteral("E&xit"), this, &FrmStart::mnExit_Click);

    mnAlarm = menuBar()->addMenu(QStringLiteral("&Alarm"));
    mnAbsolute = mnAlarm->addMenu(QStringLiteral("&Absolute Time"));
    mnCountDown = mnAlarm->addMenu(QStringLiteral("&CountDown"));
    for (int i = 0; i < 2; ++i) {
        const QString digit = QString::number(i + 1);
        mnSetEdit[i] = mnAbsolute->addAction(QStringLiteral("Alarm&") + digit, this,
                                             [this, i] { mnSetEdit_Click(i); });
        mnCounter[i] = mnCountDown->addAction(QStringLiteral("Timer&") + digit, this,
                                              [this, i] { mnCounter_Click(i); });
    }

    mnExtra = menuBar()->addMenu(QStringLiteral("&Extra"));
    mnClearStrip =
        mnExtra->addAction(QStringLiteral("&Clear Log Strip"), this, &FrmStart::mnClearStrip_Click);
    mnEvents =
        mnExtra->addAction(QStringLiteral("Show &Events Window"), this, &FrmStart::mnEvents_Click);

    mnHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnAbout = mnHelp->addAction(QStringLiteral("&About"), this, &FrmStart::mnAbout_Click);
}

void FrmStart::Form_Load()
{
    QString failure;
    try {
        m_services.database.createIfMissing();
        restorePosition();
    } catch (const settings::DatabaseError& error) {
        failure = error.description();
        placeAtDefaultPosition();
    }

    m_watch.ReadFrequency();
    Text1->clear();
    m_watch.TickMs = 15;
    m_watch.DoReset();

    // Ticks of the monitor fall half a second after each whole second, so
    // the clock field turns over with the system clock.
    if (m_services.waitForWholeSecond) {
        m_services.waitForWholeSecond();
    }
    m_timer2.setInterval(MonitorInterval);

    if (failure.isEmpty()) {
        try {
            m_store.LoadAlarms(*this);
        } catch (const settings::DatabaseError& error) {
            failure = error.description();
        }
    }
    if (!failure.isEmpty()) {
        reportStartupError(failure);
    }
}

void FrmStart::restorePosition()
{
    const settings::SettingsDatabase& db = m_services.database;
    const QVariant left =
        db.DGetValue(QStringLiteral("MeLeft"), QStringLiteral("tUser"), QString());
    if (left.isNull()) {
        placeAtDefaultPosition();
        return;
    }
    const QVariant top = db.DGetValue(QStringLiteral("MeTop"), QStringLiteral("tUser"), QString());
    const QPoint saved(ui::toPixels(left.toDouble()),
                       ui::toPixels(top.isNull() ? double(DefaultTop) : top.toDouble()));

    // A monitor unplugged since the last run would leave the window where
    // nobody can reach it.
    const QRect wanted(saved, frameGeometry().size());
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->geometry().intersects(wanted)) {
            move(saved);
            return;
        }
    }
    placeAtDefaultPosition();
}

void FrmStart::placeAtDefaultPosition()
{
    m_atDefaultPosition = true;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenRight = screen != nullptr ? screen->geometry().right() + 1 : width();
    move(screenRight - frameGeometry().width(), ui::toPixels(DefaultTop));
}

void FrmStart::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_atDefaultPosition) {
        // The window manager adds its frame only once the window is shown:
        // touch the right edge with the frame, not just the client area.
        m_atDefaultPosition = false;
        QTimer::singleShot(0, this, [this] {
            const QScreen* screen = QGuiApplication::primaryScreen();
            if (screen != nullptr) {
                move(screen->geometry().right() + 1 - frameGeometry().width(), y());
            }
        });
    }
}

void FrmStart::reportStartupError(const QString& reason)
{
    m_services.messages.show(
        // The reason names the file.
        QStringLiteral("Tikkro could not use its settings file.\n\n%1\n\n"
                       "Tikkro starts with the default window position and without the "
                       "stored alarms and timers.")
            .arg(reason),
        ui::MessageService::Icon::Warning);
}

void FrmStart::Form_Unload()
{
    // Nothing may keep the program from closing: a settings file that cannot
    // be written only means the position is not kept.
    const QPoint position = ui::toTwips(pos());
    const settings::SettingsDatabase& db = m_services.database;
    try {
        db.DSetValue(QStringLiteral("MeLeft"), QStringLiteral("tUser"),
                     QVariant(static_cast<float>(position.x())), QString());
    } catch (const settings::DatabaseError&) {
    }
    try {
        db.DSetValue(QStringLiteral("MeTop"), QStringLiteral("tUser"),
                     QVariant(static_cast<float>(position.y())), QString());
    } catch (const settings::DatabaseError&) {
    }
    m_alarmWindows.unloadAll();
    m_about.unload();
    // A report box left open by the monitor must not keep the program alive.
    QCoreApplication::quit();
}

void FrmStart::Timer2_Timer()
{
    Uhr->setText(m_alarmWindows.Timer2_Timer());
}

// --- StopwatchView ---------------------------------------------------------

void FrmStart::setElapsedDisplay(const QString& text)
{
    ElapsedTime->setText(text);
}

void FrmStart::setAvailableCommands(const stopwatch::CommandSet& commands)
{
    imgStart->setVisible(commands.start);
    imgLap->setVisible(commands.lap);
    imgResume->setVisible(commands.resume);
    imgPause->setVisible(commands.pause);
    imgReset->setVisible(commands.reset);
}

void FrmStart::appendToLog(const QString& piece)
{
    Text1->append(piece);
}

bool FrmStart::logIsEmpty() const
{
    return Text1->isEmpty();
}

void FrmStart::focusLogEnd()
{
    // Before the window is first shown the focus cannot move; the strip is
    // then left as it is, and the elapsed time keeps the initial focus.
    if (!isVisible()) {
        return;
    }
    Text1->setFocus(Qt::OtherFocusReason);
    Text1->moveToEnd();
}

// --- AlarmMenu -------------------------------------------------------------

void FrmStart::setAlarmCaption(int slot, const QString& caption)
{
    mnSetEdit.at(static_cast<std::size_t>(slot))->setText(caption);
}

void FrmStart::setTimerCaption(int slot, const QString& caption)
{
    mnCounter.at(static_cast<std::size_t>(slot))->setText(caption);
}

// --- Commands --------------------------------------------------------------

bool FrmStart::isShown(const QWidget* image)
{
    return !image->isHidden();
}

void FrmStart::pressImage(ui::ImageWidget* image, void (stopwatch::Stopwatch::*command)())
{
    image->setVisible(false);
    (m_watch.*command)();
}

void FrmStart::imgStart_MouseDown()
{
    pressImage(imgStart, &stopwatch::Stopwatch::DoStart);
}
void FrmStart::imgLap_MouseDown()
{
    pressImage(imgLap, &stopwatch::Stopwatch::DoLap);
}
void FrmStart::imgResume_MouseDown()
{
    pressImage(imgResume, &stopwatch::Stopwatch::DoResume);
}
void FrmStart::imgPause_MouseDown()
{
    pressImage(imgPause, &stopwatch::Stopwatch::DoPause);
}
void FrmStart::imgReset_MouseDown()
{
    pressImage(imgReset, &stopwatch::Stopwatch::DoReset);
}

void FrmStart::Text1_KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    int shift = 0;
    shift |= modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0;
    shift |= modifiers.testFlag(Qt::ControlModifier) ? 2 : 0;
    shift |= modifiers.testFlag(Qt::AltModifier) ? KeyAlt : 0;
    if (shift != KeyAlt) {
        return;
    }
    struct Binding
    {
        int key;
        const QWidget* image;
        void (FrmStart::*mouseDown)();
    };
    const std::array<Binding, 5> bindings{{
        {Qt::Key_S, imgStart, &FrmStart::imgStart_MouseDown},
        {Qt::Key_L, imgLap, &FrmStart::imgLap_MouseDown},
        {Qt::Key_R, imgResume, &FrmStart::imgResume_MouseDown},
        {Qt::Key_P, imgPause, &FrmStart::imgPause_MouseDown},
        {Qt::Key_T, imgReset, &FrmStart::imgReset_MouseDown},
    }};
    for (const Binding& binding : bindings) {
        // A key works only for a command whose button is offered.
        if (binding.key == key && isShown(binding.image)) {
            (this->*binding.mouseDown)();
            return;
        }
    }
}

// --- Menus -----------------------------------------------------------------

void FrmStart::mnPrint_Click()
{
    m_services.print.run(this, Text1->text());
}

void FrmStart::mnExit_Click()
{
    close();
}

void FrmStart::mnSetEdit_Click(int index)
{
    m_alarmWindows.showAlarmDialog(index);
}

void FrmStart::mnCounter_Click(int index)
{
    m_alarmWindows.showTimerDialog(index);
}

void FrmStart::mnClearStrip_Click()
{
    Text1->clear();
}

void FrmStart::mnEvents_Click()
{
    m_alarmWindows.showEvents();
}

void FrmStart::mnAbout_Click()
{
    m_about.show();
}

void FrmStart::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    QMainWindow::closeEvent(event);
}

} // namespace tikkro::app
