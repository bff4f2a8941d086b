// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmStart.h"

#include "alarms/AlarmSlots.h"
#include "stopwatch/LogStrip.h"
#include "ui/ButtonArt.h"
#include "ui/DisplayField.h"
#include "ui/ImageWidget.h"
#include "ui/Twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>

namespace tikkro::app {

namespace {
const QColor WindowColor(132, 72, 103);
const QColor ClockText(128, 255, 128);
const QColor ElapsedText(0, 0, 64);
const QColor ElapsedBackground(255, 255, 192);
const QColor LogBackground(0, 0, 192);

constexpr int ClientWidth = 5340;
constexpr int ClientHeight = 2115;

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
      m_watch(services.counter, services.clock, m_timer1, *this)
{
    setWindowTitle(QStringLiteral("Tikkro"));
    buildControls();
    buildMenus();
    connect(&m_timer1, &ui::WindowTimer::tick, this, [this] { m_watch.Timer1_Timer(); });
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
    m_watch.ReadFrequency();
    Text1->clear();
    m_watch.TickMs = 15;
    m_watch.DoReset();
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
    switch (key) {
    case Qt::Key_S:
        if (isShown(imgStart)) {
            imgStart_MouseDown();
        }
        break;
    case Qt::Key_L:
        if (isShown(imgLap)) {
            imgLap_MouseDown();
        }
        break;
    case Qt::Key_R:
        if (isShown(imgResume)) {
            imgResume_MouseDown();
        }
        break;
    case Qt::Key_P:
        if (isShown(imgPause)) {
            imgPause_MouseDown();
        }
        break;
    case Qt::Key_T:
        if (isShown(imgReset)) {
            imgReset_MouseDown();
        }
        break;
    default:
        break;
    }
}

// --- Menus -----------------------------------------------------------------

void FrmStart::mnPrint_Click() {}

void FrmStart::mnExit_Click()
{
    close();
}

void FrmStart::mnSetEdit_Click(int index)
{
    m_services.slots.CurrentAlarm = static_cast<qint16>(index);
}

void FrmStart::mnCounter_Click(int index)
{
    m_services.slots.CurrentTimer = static_cast<qint16>(index);
}

void FrmStart::mnClearStrip_Click()
{
    Text1->clear();
}

void FrmStart::mnEvents_Click() {}

void FrmStart::mnAbout_Click() {}

void FrmStart::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
}

} // namespace tikkro::app
