// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/SpinRule.h"

#include <QObject>
#include <QPointer>
#include <QVector>

namespace tikkro::ui {
class SpinArrows;
class WindowTimer;
} // namespace tikkro::ui

namespace tikkro::alarms {

class DigitField;

// The press-and-hold spin buttons of a Set/Edit dialog. Pressing the upper
// part of a button steps its field up, the lower part down; the first step
// comes one repeat interval after the press and then one per interval while
// the button is held, so a quick click changes nothing. Up and Down in a
// field, and an arrow pressed by assistive technology, step it at once.
class SpinControl : public QObject
{
    Q_OBJECT
public:
    static constexpr int RepeatMs = 150;
    // The upper arrow and the first empty pixel row below it.
    static constexpr int UpperTwips = 105;

    explicit SpinControl(QObject* parent);

    // Field and spin button k, stepped by rule; k counts from 0 in the order
    // of the calls.
    void add(DigitField* field, ui::SpinArrows* button, const SpinRule& rule);

    // A spin button pressed at a height in twips, and let go.
    void press(int index, int yTwips);
    void release();

    // One step of field k, up for direction > 0.
    void step(int index, int direction);

    ui::WindowTimer* repeatTimer() const { return m_repeatTimer; }

private:
    struct Field
    {
        QPointer<DigitField> edit;
        SpinRule rule;
    };

    void repeat();

    ui::WindowTimer* m_repeatTimer;
    QVector<Field> m_fields;
    int m_spinIndex = 0;
    int m_spinDir = 0;
};

} // namespace tikkro::alarms
