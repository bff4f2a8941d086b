// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace tikkro::alarms {

// The events window: one text box collecting the monitor's entries while
// the window is loaded. The user may type into it; closing it discards the
// text.
class EventsWindow : public QWidget
{
    Q_OBJECT
public:
    explicit EventsWindow(QWidget* parent = nullptr);

    // The box's text with CR LF line ends.
    QString text() const;
    void setText(const QString& text);

    QPlainTextEdit* textBox() const { return m_textBox; }

private:
    QPlainTextEdit* m_textBox;
};

} // namespace tikkro::alarms
