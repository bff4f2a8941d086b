// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/DigitField.h"

namespace tikkro::alarms {

DigitField::DigitField(QWidget* parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignCenter);
}

void DigitField::fill(const QString& text)
{
    setText(text);
    setCursorPosition(0);
}

void DigitField::focusInEvent(QFocusEvent* event)
{
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    QLineEdit::focusInEvent(event);
    if (m_selectOnFocus) {
        setSelection(start, static_cast<int>(text().size()) - start);
    }
}

} // namespace tikkro::alarms
