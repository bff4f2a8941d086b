// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/alarms/AlarmMonitor.h"

#include <QWidget>

class QPlainTextEdit;

namespace tikkro::alarms {

// The events window: one plain-text edit collecting an entry for every alarm or
// timer that rings while the window is loaded. The user may type into it;
// closing it discards the text.
class EventsWindow : public QWidget
{
    Q_OBJECT
public:
    explicit EventsWindow(QWidget* parent = nullptr);

    // The box's text, its lines ended by LF.
    QString text() const;
    // Appends the entry's three lines below what the box holds, one empty
    // line after any text already there. Neither the caret nor the view
    // moves.
    void addEntry(const AlarmMonitor::Firing& firing);

    // "Alarm '" or "Timer '" and the slot's name.
    static QString title(const AlarmMonitor::Firing& firing);
    // Follows the effective time of an entry that rang late.
    static QString lateMark() { return tr(" !!!"); }

    QPlainTextEdit* textEdit() const { return m_textEdit; }

private:
    QPlainTextEdit* m_textEdit;
};

} // namespace tikkro::alarms
