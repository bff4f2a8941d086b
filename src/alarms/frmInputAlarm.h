// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;

namespace tikkro::ui {
class ImageWidget;
class MessageService;
class WallClock;
class WindowTimer;
} // namespace tikkro::ui

namespace tikkro::alarms {

class AlarmMenu;
class AlarmStore;
class DigitField;
class SpinControl;
struct AlarmSlots;

// The Set/Edit Alarm dialog: names one of the two alarms and sets the date
// and time at which it rings, arms it, or disarms it and shows the present
// time. It works on the alarm the main window's menu chose (CurrentAlarm)
// and fills itself from that alarm each time the user comes to it from
// another window of the program.
class frmInputAlarm : public QDialog
{
    Q_OBJECT
public:
    frmInputAlarm(AlarmSlots& slots, AlarmStore& store, AlarmMenu& menu, ui::WallClock& clock,
                  ui::MessageService& messages, QWidget* parent = nullptr);

    void Form_Activate();
    void Command1_Click(); // Close
    void Command2_Click(); // Set
    void Command3_Click(); // Now

    // Controls by index: 0 second, 1 minute, 2 hour, 3 day, 4 month, 5 year.
    QLineEdit* AlName() const { return m_alName; }
    DigitField* Z(int index) const { return m_z.at(index); }
    ui::ImageWidget* I(int index) const { return m_i.at(index); }
    QPushButton* Command1() const { return m_command1; }
    QPushButton* Command2() const { return m_command2; }
    QPushButton* Command3() const { return m_command3; }
    ui::WindowTimer* Timer1() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void reportError(const QString& description, const QString& title);

    AlarmSlots& m_slots;
    AlarmStore& m_store;
    AlarmMenu& m_menu;
    ui::WallClock& m_clock;
    ui::MessageService& m_messages;

    QLineEdit* m_alName;
    std::array<DigitField*, 6> m_z{};
    std::array<ui::ImageWidget*, 6> m_i{};
    QPushButton* m_command1;
    QPushButton* m_command2;
    QPushButton* m_command3;
    SpinControl* m_spin;
};

} // namespace tikkro::alarms
