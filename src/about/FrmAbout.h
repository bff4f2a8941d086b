// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace tikkro::ui {
class ImageWidget;
class SoundService;
} // namespace tikkro::ui

namespace tikkro::about {

class SysInfoLauncher;

// The About window: name, version, a word of warning about precision and who
// makes the program. It greets the user with a sound each time it is loaded
// and can start the system information viewer, and names the database file
// in use. OK, Enter, Esc and the close box unload it.
class FrmAbout : public QWidget
{
    Q_OBJECT
public:
    static constexpr const char* Sound = "Der Microsoft Sound.wav";

    FrmAbout(ui::SoundService& sound, SysInfoLauncher& sysInfo, const QString& databasePath = {},
             QWidget* parent = nullptr);

    void StartSysInfo();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();

    ui::SoundService& m_sound;
    SysInfoLauncher& m_sysInfo;

    ui::ImageWidget* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* lblDisclaimer;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* lblDatabase;
    std::array<QFrame*, 2> Line1;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
};

} // namespace tikkro::about
