// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/DigitField.h"
#include "core/alarms/SlotSetter.h"

#include <QDialog>
#include <QVector>
#include <functional>

class QLineEdit;
class QPushButton;

namespace tikkro::core {
class WallClock;
} // namespace tikkro::core
namespace tikkro::desktop {
class MessageService;
} // namespace tikkro::desktop

namespace tikkro::alarms {

class AlarmMenu;
class AlarmStore;
struct AlarmSlots;

// What the Set/Edit Alarm and Set/Edit Timer dialogs share: the name box,
// a row of digit fields under their headings, the three buttons along the
// bottom (Close is the cancel button, Set the default, the third disarms the
// slot), the refill each time the user comes to the dialog from another
// window of the program, and the report of a failed command in a message
// box titled after it. Every widget is reached and named for the keyboard
// and for assistive technology.
class SlotDialog : public QDialog
{
    Q_OBJECT
public:
    struct Services
    {
        AlarmSlots& slots;
        AlarmStore& store;
        AlarmMenu& menu;
        core::WallClock& clock;
        desktop::MessageService& messages;
    };

    // Shows the chosen slot.
    virtual void refill() = 0;
    // Arms the chosen slot as the fields say.
    virtual void set() = 0;
    // Disarms the chosen slot and fills the fields afresh.
    virtual void disarm() = 0;

    QLineEdit* nameField() const { return m_nameField; }
    DigitField* field(int index) const { return m_fields.at(index); }
    QPushButton* closeButton() const { return m_closeButton; }
    QPushButton* setButton() const { return m_setButton; }
    QPushButton* disarmButton() const { return m_disarmButton; }

protected:
    // One digit field: its heading above it ("hh"), the name assistive
    // technology calls it ("Hours"), its index among the fields, its rule
    // and how many digits wide it is.
    struct FieldDesign
    {
        QString heading;
        QString name;
        int index;
        DigitField::Rule rule;
        double widthInDigits;
    };

    // The label and assistive name of the name box, the label of the
    // fields' row and the caption of the third button.
    struct Texts
    {
        QString nameLabel;
        QString nameField;
        QString fieldsLabel;
        QString disarmButton;
    };

    SlotDialog(const Services& services, const QString& caption, QWidget* parent);

    // Room in pixels between the parts of the fields' row, at any font:
    // after the labels, before each field but the first, before the widget
    // beside the fields, and after it up to the name box's right edge.
    struct Spacing
    {
        int afterLabel;
        QVector<int> beforeField;
        int beforeBeside = 0;
        int afterBeside = 0;
    };

    // Lays the dialog out: the name row, the fields left to right under
    // their headings with `beside` to their right, and the buttons. Tab
    // order: the name box, the fields left to right, Close, Set and the
    // third button.
    void build(const Texts& texts, const QVector<FieldDesign>& leftToRight, const Spacing& spacing,
               QWidget* beside = nullptr);
    int fieldCount() const { return static_cast<int>(m_fields.size()); }

    // Runs a command; a failure is shown with its description, a warning
    // icon and the title given, and ends the command where it happened.
    void reportingFailures(const QString& title, const std::function<void()>& command);

    // Called when the dialog closes: it is deleted only later, and until then
    // nothing of it may tick.
    virtual void stopTimers() {}

    void closeEvent(QCloseEvent* event) override;

    AlarmSlots& slots() const { return m_slots; }
    core::WallClock& clock() const { return m_clock; }
    SlotSetter& setter() { return m_setter; }

private:
    AlarmSlots& m_slots;
    core::WallClock& m_clock;
    desktop::MessageService& m_messages;
    SlotSetter m_setter;

    QLineEdit* m_nameField = nullptr;
    QVector<DigitField*> m_fields;
    QPushButton* m_closeButton = nullptr;
    QPushButton* m_setButton = nullptr;
    QPushButton* m_disarmButton = nullptr;
};

} // namespace tikkro::alarms
