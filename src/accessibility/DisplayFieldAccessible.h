// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

namespace tikkro::widgets {
class DisplayField;
}

namespace tikkro::accessibility {

// A display field as assistive technology sees it: static text named after
// what it shows ("Elapsed time"), whose text is read when asked for, so
// that it is always the one on the screen.
class DisplayFieldAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit DisplayFieldAccessible(widgets::DisplayField* field);

    QString text(QAccessible::Text kind) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTextInterface: read-only text without a caret.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    widgets::DisplayField* field() const;
};

} // namespace tikkro::accessibility
