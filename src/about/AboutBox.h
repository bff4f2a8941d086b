// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace tikkro::desktop {
class SoundService;
} // namespace tikkro::desktop

namespace tikkro::about {

class SysInfoLauncher;

// The About window: name, version, a word of warning about precision and who
// makes the program. It greets the user with a sound each time it is loaded
// and can start the system information viewer, and names the database file
// in use. OK, Enter, Esc and the close button unload it.
class AboutBox : public QWidget
{
    Q_OBJECT
public:
    static constexpr const char* Sound = "Der Microsoft Sound.wav";

    AboutBox(desktop::SoundService& sound, SysInfoLauncher& sysInfo,
             const QString& databasePath = {}, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPushButton* m_okButton;
    QLabel* m_database;
    QString m_databaseText;
};

} // namespace tikkro::about
