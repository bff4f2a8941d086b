// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

namespace tikkro::alarms {

// A digit field of the Set/Edit dialogs: a text box with centred text that
// takes whatever the user types. Optionally it selects from the caret to the
// end of its text when it gets the focus, so that typing replaces a value
// that was just filled in. Up and Down ask for a step, as its spin arrows do.
class DigitField : public QLineEdit
{
    Q_OBJECT
public:
    explicit DigitField(QWidget* parent = nullptr);

    void setSelectOnFocus(bool select) { m_selectOnFocus = select; }

    // Replaces the text with the caret at its start, as a program filling in
    // a field leaves it.
    void fill(const QString& text);

Q_SIGNALS:
    // direction > 0 steps up.
    void stepRequested(int direction);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_selectOnFocus = false;
};

} // namespace tikkro::alarms
