// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility/DisplayFieldAccessible.h"

#include "widgets/DisplayField.h"

namespace tikkro::accessibility {

DisplayFieldAccessible::DisplayFieldAccessible(widgets::DisplayField* field)
    : QAccessibleWidget(field, QAccessible::StaticText)
{}

widgets::DisplayField* DisplayFieldAccessible::field() const
{
    return static_cast<widgets::DisplayField*>(widget());
}

QString DisplayFieldAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value) {
        return field()->text();
    }
    return QAccessibleWidget::text(kind);
}

void* DisplayFieldAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

void DisplayFieldAccessible::selection(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

int DisplayFieldAccessible::selectionCount() const
{
    return 0;
}

void DisplayFieldAccessible::addSelection(int, int) {}

void DisplayFieldAccessible::removeSelection(int) {}

void DisplayFieldAccessible::setSelection(int, int, int) {}

int DisplayFieldAccessible::cursorPosition() const
{
    return 0;
}

void DisplayFieldAccessible::setCursorPosition(int) {}

QString DisplayFieldAccessible::text(int startOffset, int endOffset) const
{
    const QString shown = field()->text();
    if (endOffset < 0 || endOffset > shown.size()) {
        endOffset = static_cast<int>(shown.size());
    }
    startOffset = qBound(0, startOffset, endOffset);
    return shown.mid(startOffset, endOffset - startOffset);
}

int DisplayFieldAccessible::characterCount() const
{
    return static_cast<int>(field()->text().size());
}

QRect DisplayFieldAccessible::characterRect(int offset) const
{
    const QRect local = field()->characterRect(offset);
    if (local.isNull()) {
        return {};
    }
    return {field()->mapToGlobal(local.topLeft()), local.size()};
}

int DisplayFieldAccessible::offsetAtPoint(const QPoint& point) const
{
    for (int i = 0; i < characterCount(); ++i) {
        if (characterRect(i).contains(point)) {
            return i;
        }
    }
    return -1;
}

void DisplayFieldAccessible::scrollToSubstring(int, int) {}

QString DisplayFieldAccessible::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

} // namespace tikkro::accessibility
