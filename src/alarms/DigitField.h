// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/DigitFieldStyle.h"

#include <QAbstractSpinBox>

namespace tikkro::alarms {

// A digit field of the Set/Edit dialogs: a spin box with centred text that
// takes whatever the user types; Set reads and checks it. Its arrows, the Up
// and Down keys and the mouse wheel step the number the text holds (empty
// text counts as 0) and wrap it by the field's rule; text that holds no such
// number stays as typed. A value typed outside the range steps from where it
// stands: 75 minutes stepped down gives 74, stepped up 00.
class DigitField : public QAbstractSpinBox
{
    Q_OBJECT
    // What assistive technology reads and sets as the field's value.
    Q_PROPERTY(int value READ number WRITE setNumber)
    Q_PROPERTY(int minimum READ minimum)
    Q_PROPERTY(int maximum READ maximum)
public:
    struct Rule
    {
        // Stepping up to limit wraps to wrapValue; stepping down below
        // lowerBound wraps to limit - 1.
        int limit = 60;
        int wrapValue = 0;
        int lowerBound = 0;
        // Values are shown with at least this many digits.
        int digits = 2;
    };

    explicit DigitField(const Rule& rule, QWidget* parent = nullptr);
    ~DigitField() override;
    DigitField(const DigitField&) = delete;
    DigitField& operator=(const DigitField&) = delete;

    // Replaces the text with the caret at its start, as a program filling in
    // a field leaves it.
    void setText(const QString& text);
    // Shows a value with the field's digits.
    void setNumber(int value);
    // The number the text holds as a step reads it, or 0 when it holds none.
    int number() const;
    int minimum() const { return m_rule.lowerBound; }
    int maximum() const { return m_rule.limit - 1; }

    // Selects from the caret to the end of the text when the field gets the
    // focus, so that typing replaces a value that was just filled in.
    void setSelectOnFocus(bool select) { m_selectOnFocus = select; }
    // The field is made this many digits wide, or wider for its frame.
    void setWidthInDigits(double digits);

    QValidator::State validate(QString& input, int& pos) const override;
    void stepBy(int steps) override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    StepEnabled stepEnabled() const override;
    void focusInEvent(QFocusEvent* event) override;

private:
    QString format(int value) const;

    Rule m_rule;
    double m_widthInDigits;
    bool m_selectOnFocus = false;
    DigitFieldStyle m_style;
};

} // namespace tikkro::alarms
