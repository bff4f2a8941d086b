// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/SlotSetter.h"
#include "alarms/SpinRule.h"

#include <QDialog>
#include <QVector>
#include <functional>

class QLineEdit;
class QPushButton;

namespace tikkro::ui {
class FittedFonts;
class ImageWidget;
class MessageService;
class SpinArrows;
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
// bottom (Close is the cancel button, Set the default, the third disarms the
// slot), the refill each time the user comes to the dialog from another
// window of the program, and the report of a failed command in a message
// box titled after it. Every control is reached and named for the keyboard
// and for assistive technology, and the texts are sized to the fixed layout.
class SlotDialog : public QDialog
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

    // Shows the chosen slot.
    virtual void refill() = 0;
    // Arms the chosen slot as the fields say.
    virtual void set() = 0;
    // Disarms the chosen slot and fills the fields afresh.
    virtual void disarm() = 0;

    // One digit field with its heading above and its spin button to the
    // right, at a left edge and width in twips. The name is what assistive
    // technology calls the field ("Hours"); its arrows are "Increase hours"
    // and "Decrease hours".
    struct FieldDesign
    {
        const char* heading;
        const char* name;
        int left;
        int width;
        SpinRule rule;
    };

    QLineEdit* nameField() const { return m_nameField; }
    DigitField* field(int index) const { return m_fields.at(index); }
    ui::SpinArrows* spinButton(int index) const { return m_spinButtons.at(index); }
    QPushButton* closeButton() const { return m_closeButton; }
    QPushButton* setButton() const { return m_setButton; }
    QPushButton* disarmButton() const { return m_disarmButton; }
    ui::WindowTimer* spinTimer() const;

protected:
    SlotDialog(const Services& services, const QString& caption, const QString& disarmCaption,
               QWidget* parent);

    // Builds the fields in index order, then chains the tab order: the name
    // box, the fields in the order given, Close, Set and the third button.
    void addFields(const QVector<FieldDesign>& fields, const QVector<int>& tabOrder);
    int fieldCount() const { return static_cast<int>(m_fields.size()); }

    // A label in front of a control: assistive technology reads it with the
    // control.
    void addLabel(const QString& text, const QRect& geometry, QWidget* buddy);

    // Runs a command; a failure is shown with its description, a warning
    // icon and the title given, and ends the command where it happened.
    void reportingFailures(const QString& title, const std::function<void()>& command);

    // Called when the dialog closes: it is deleted only later, and until then
    // nothing of it may tick.
    virtual void stopTimers();

    void closeEvent(QCloseEvent* event) override;

    AlarmSlots& slots() const { return m_slots; }
    ui::WallClock& clock() const { return m_clock; }
    SlotSetter& setter() { return m_setter; }

private:
    AlarmSlots& m_slots;
    ui::WallClock& m_clock;
    ui::MessageService& m_messages;
    SlotSetter m_setter;

    QLineEdit* m_nameField;
    QVector<DigitField*> m_fields;
    QVector<ui::SpinArrows*> m_spinButtons;
    QPushButton* m_closeButton;
    QPushButton* m_setButton;
    QPushButton* m_disarmButton;
    SpinControl* m_spin;
    ui::FittedFonts* m_fonts;
};

} // namespace tikkro::alarms
