// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <array>

class QLabel;
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

// The Set/Edit Timer dialog: names one of the two countdown timers, sets its
// length, starts and stops it, and counts the running one down with a small
// turning stopwatch. It works on the timer the main window's menu chose
// (CurrentTimer), read afresh at every use, and fills itself from that timer
// each time the user comes to it from another window of the program.
class frmInputCount : public QDialog
{
    Q_OBJECT
public:
    static constexpr int RefreshMs = 200;

    frmInputCount(AlarmSlots& slots, AlarmStore& store, AlarmMenu& menu, ui::WallClock& clock,
                  ui::MessageService& messages, QWidget* parent = nullptr);

    void Form_Activate();
    void Command1_Click(); // Close
    void Command2_Click(); // Set
    void Command3_Click(); // Reset
    void Timer2_Timer();

    // Controls, by their index in the dialog: 0 seconds, 1 minutes, 2 hours.
    QLineEdit* AlName() const { return m_alName; }
    DigitField* Z(int index) const { return m_z.at(index); }
    ui::ImageWidget* I(int index) const { return m_i.at(index); }
    ui::ImageWidget* TI(int frame) const { return m_ti.at(frame); }
    QPushButton* Command1() const { return m_command1; }
    QPushButton* Command2() const { return m_command2; }
    QPushButton* Command3() const { return m_command3; }
    ui::WindowTimer* Timer1() const;
    ui::WindowTimer* Timer2() const { return m_timer2; }
    int AnimFrame() const { return m_animFrame; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showRemaining(double due, double now);
    void reportError(const QString& description, const QString& title);

    AlarmSlots& m_slots;
    AlarmStore& m_store;
    AlarmMenu& m_menu;
    ui::WallClock& m_clock;
    ui::MessageService& m_messages;

    QLineEdit* m_alName;
    std::array<DigitField*, 3> m_z{};
    std::array<ui::ImageWidget*, 3> m_i{};
    std::array<ui::ImageWidget*, 8> m_ti{};
    QPushButton* m_command1;
    QPushButton* m_command2;
    QPushButton* m_command3;
    SpinControl* m_spin;
    ui::WindowTimer* m_timer2;
    int m_animFrame = 0;
};

} // namespace tikkro::alarms
