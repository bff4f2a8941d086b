// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/SpinControl.h"

#include "alarms/DigitField.h"
#include "ui/SpinArrows.h"
#include "ui/WindowTimer.h"

namespace tikkro::alarms {

SpinControl::SpinControl(QObject* parent)
    : QObject(parent), m_repeatTimer(new ui::WindowTimer(this))
{
    connect(m_repeatTimer, &ui::WindowTimer::tick, this, &SpinControl::repeat);
}

void SpinControl::add(DigitField* field, ui::SpinArrows* button, const SpinRule& rule)
{
    const int index = static_cast<int>(m_fields.size());
    m_fields.append({field, rule});
    // Any mouse button spins.
    connect(button, &ui::ImageWidget::mouseDown, this,
            [this, index](Qt::MouseButton, Qt::KeyboardModifiers, int, int yTwips) {
                press(index, yTwips);
            });
    connect(button, &ui::ImageWidget::mouseUp, this, &SpinControl::release);
    const auto stepThis = [this, index](int direction) { step(index, direction); };
    connect(button, &ui::SpinArrows::stepRequested, this, stepThis);
    connect(field, &DigitField::stepRequested, this, stepThis);
}

void SpinControl::press(int index, int yTwips)
{
    m_spinDir = yTwips < UpperTwips ? 1 : -1;
    m_spinIndex = index;
    m_repeatTimer->setInterval(RepeatMs);
}

void SpinControl::release()
{
    m_repeatTimer->setInterval(0);
}

void SpinControl::repeat()
{
    step(m_spinIndex, m_spinDir);
}

void SpinControl::step(int index, int direction)
{
    if (index < 0 || index >= m_fields.size()) {
        return;
    }
    const Field& field = m_fields.at(index);
    if (field.edit.isNull()) {
        return;
    }
    // A field holding something other than a whole number stays as typed;
    // Set will say what is wrong with it.
    if (const std::optional<QString> next = field.rule.step(field.edit->text(), direction)) {
        field.edit->setText(*next);
    }
}

} // namespace tikkro::alarms
