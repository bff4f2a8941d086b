// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "about/FrmAbout.h"
#include "alarms/AlarmMenu.h"
#include "alarms/AlarmStore.h"
#include "alarms/AlarmWindows.h"
#include "stopwatch/Stopwatch.h"
#include "stopwatch/StopwatchView.h"
#include "ui/FormSlot.h"
#include "ui/WindowTimer.h"

#include <QMainWindow>
#include <array>
#include <functional>

class QAction;
class QMenu;

namespace tikkro::about {
class SysInfoLauncher;
} // namespace tikkro::about

namespace tikkro::printing {
class PrintCommand;
} // namespace tikkro::printing

namespace tikkro::settings {
class SettingsDatabase;
} // namespace tikkro::settings

namespace tikkro::stopwatch {
class LogStrip;
class PerformanceCounter;
} // namespace tikkro::stopwatch

namespace tikkro::ui {
class DisplayField;
class ImageWidget;
class MessageService;
class SoundService;
class WallClock;
} // namespace tikkro::ui

namespace tikkro::app {

// The main window: the stopwatch with its five buttons and log strip, the
// clock field, and the menus that reach every other window.
class FrmStart : public QMainWindow, public stopwatch::StopwatchView, public alarms::AlarmMenu
{
    Q_OBJECT
public:
    // Everything the window takes from the world outside it.
    struct Services
    {
        const stopwatch::PerformanceCounter& counter;
        ui::WallClock& clock;
        ui::MessageService& messages;
        alarms::AlarmSlots& slots;
        const settings::SettingsDatabase& database;
        ui::SoundService& sound;
        about::SysInfoLauncher& sysInfo;
        printing::PrintCommand& print;
        // Blocks until the next whole second of the system clock.
        std::function<void()> waitForWholeSecond;
    };

    explicit FrmStart(const Services& services, QWidget* parent = nullptr);
    ~FrmStart() override;

    // StopwatchView
    void setElapsedDisplay(const QString& text) override;
    void setAvailableCommands(const stopwatch::CommandSet& commands) override;
    void appendToLog(const QString& piece) override;
    bool logIsEmpty() const override;
    void focusLogEnd() override;

    // AlarmMenu
    void setAlarmCaption(int slot, const QString& caption) override;
    void setTimerCaption(int slot, const QString& caption) override;

    void Form_Load();
    void Form_Unload();

    // Image button handlers: hide the pressed image, then run the command.
    void imgStart_MouseDown();
    void imgLap_MouseDown();
    void imgResume_MouseDown();
    void imgPause_MouseDown();
    void imgReset_MouseDown();
    void Text1_KeyDown(int key, Qt::KeyboardModifiers modifiers);

    void mnPrint_Click();
    void mnExit_Click();
    void mnSetEdit_Click(int index);
    void mnCounter_Click(int index);
    void mnClearStrip_Click();
    void mnEvents_Click();
    void mnAbout_Click();

    stopwatch::Stopwatch& watch() { return m_watch; }
    ui::WindowTimer& timer1() { return m_timer1; }
    ui::WindowTimer& timer2() { return m_timer2; }
    alarms::AlarmWindows& alarmWindows() { return m_alarmWindows; }
    about::FrmAbout* aboutBox() const { return m_about.form(); }
    void Timer2_Timer();

    // Controls, named as the rest of the program knows them.
    ui::DisplayField* Uhr = nullptr;
    ui::DisplayField* ElapsedTime = nullptr;
    stopwatch::LogStrip* Text1 = nullptr;
    ui::ImageWidget* imgStart = nullptr;
    ui::ImageWidget* imgLap = nullptr;
    ui::ImageWidget* imgResume = nullptr;
    ui::ImageWidget* imgPause = nullptr;
    ui::ImageWidget* imgReset = nullptr;
    ui::ImageWidget* imgStartGrau = nullptr;
    ui::ImageWidget* imgLapGrau = nullptr;
    ui::ImageWidget* imgResumeGrau = nullptr;
    ui::ImageWidget* imgPauseGrau = nullptr;
    ui::ImageWidget* imgResetGrau = nullptr;

    QMenu* mnFile = nullptr;
    QAction* mnPrint = nullptr;
    QAction* mnExit = nullptr;
    QMenu* mnAlarm = nullptr;
    QMenu* mnAbsolute = nullptr;
    std::array<QAction*, 2> mnSetEdit{};
    QMenu* mnCountDown = nullptr;
    std::array<QAction*, 2> mnCounter{};
    QMenu* mnExtra = nullptr;
    QAction* mnClearStrip = nullptr;
    QAction* mnEvents = nullptr;
    QMenu* mnHelp = nullptr;
    QAction* mnAbout = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void restorePosition();
    void placeAtDefaultPosition();
    void reportStartupError(const QString& reason);

    void buildControls();
    void buildMenus();
    ui::ImageWidget* makeButton(const QString& word, int accessLetter, bool available, int left,
                                int top);
    static bool isShown(const QWidget* image);
    void pressImage(ui::ImageWidget* image, void (stopwatch::Stopwatch::*command)());

    Services m_services;
    ui::WindowTimer m_timer1;
    ui::WindowTimer m_timer2;
    stopwatch::Stopwatch m_watch;
    alarms::AlarmStore m_store;
    alarms::AlarmWindows m_alarmWindows;
    ui::FormSlot<about::FrmAbout> m_about;
    bool m_atDefaultPosition = false;
};

} // namespace tikkro::app
