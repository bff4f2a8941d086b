// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tikkro::alarms {

// The events window's text box as the monitor sees it. Lines end with CR LF.
class EventLog
{
public:
    virtual ~EventLog() = default;

    // Shows the events window, loading it (empty) first when it is not
    // loaded, and gives its current text.
    virtual QString showAndReadText() = 0;
    virtual void setText(const QString& text) = 0;
};

} // namespace tikkro::alarms
