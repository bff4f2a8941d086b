// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/DigitField.h"

#include <QKeyEvent>

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

void DigitField::keyPressEvent(QKeyEvent* event)
{
    // Held down, the key repeats and the field spins like a held arrow.
    const Qt::KeyboardModifiers held =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (held == Qt::NoModifier && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        Q_EMIT stepRequested(event->key() == Qt::Key_Up ? 1 : -1);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
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
