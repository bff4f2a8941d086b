// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/SpinRule.h"

#include <QDialog>
#include <QVector>
#include <functional>

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

// What the Set/Edit Alarm and Set/Edit Timer dialogs share: the name box,
// digit fields with press-and-hold spin buttons, the three buttons along the
// bottom (Close is the cancel button, Set the default), the refill each
// time the user comes to the dialog from another window of the program, and
// the report of a failed command in a message box titled after it.
class SetEditDialog : public QDialog
{
    Q_OBJECT
public:
    struct Services
    {
        AlarmSlots& slots;
        AlarmStore& store;
        AlarmMenu& menu;
        ui::WallClock& clock;
        ui::MessageService& messages;
    };

    virtual void Form_Activate() = 0;
    void Command1_Click(); // Close
    virtual void Command2_Click() = 0;
    virtual void Command3_Click() = 0;

    // One digit field with its heading above and its spin button to the
    // right, at a left edge and width in twips.
    struct FieldDesign
    {
        const char* heading;
        int left;
        int width;
        SpinRule rule;
    };

    QLineEdit* AlName() const { return m_alName; }
    DigitField* Z(int index) const { return m_z.at(index); }
    ui::ImageWidget* I(int index) const { return m_i.at(index); }
    QPushButton* Command1() const { return m_command1; }
    QPushButton* Command2() const { return m_command2; }
    QPushButton* Command3() const { return m_command3; }
    ui::WindowTimer* Timer1() const;

protected:
    SetEditDialog(const Services& services, const QString& caption, const QString& command3Caption,
                  QWidget* parent);

    // Builds the fields in index order, then chains the tab order: the name
    // box, the fields in the order given, Close, Set and the third button.
    void addFields(const QVector<FieldDesign>& fields, const QVector<int>& tabOrder);

    // Runs a command; a failure is shown with its description, a warning
    // icon and the title given, and ends the command where it happened.
    void reportingFailures(const QString& title, const std::function<void()>& command);

    // Called when the dialog closes: it is deleted only later, and until then
    // nothing of it may tick.
    virtual void stopTimers();

    void closeEvent(QCloseEvent* event) override;

    AlarmSlots& m_slots;
    AlarmStore& m_store;
    AlarmMenu& m_menu;
    ui::WallClock& m_clock;
    ui::MessageService& m_messages;

    QLineEdit* m_alName;
    QVector<DigitField*> m_z;
    QVector<ui::ImageWidget*> m_i;
    QPushButton* m_command1;
    QPushButton* m_command2;
    QPushButton* m_command3;
    SpinControl* m_spin;
};

} // namespace tikkro::alarms
