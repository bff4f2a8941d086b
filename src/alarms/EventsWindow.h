// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace tikkro::alarms {

// The events window: one text box collecting the monitor's entries while
// the window is loaded. The user may type into it; closing it discards the
// text.
class frmEvents : public QWidget
{
    Q_OBJECT
public:
    explicit frmEvents(QWidget* parent = nullptr);

    // The box's text with CR LF line ends.
    QString text() const;
    void setText(const QString& text);

    QPlainTextEdit* txtEventLog() const { return m_txtEventLog; }

private:
    QPlainTextEdit* m_txtEventLog;
};

} // namespace tikkro::alarms
