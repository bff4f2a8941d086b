// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tikkro::ui {

// Message boxes go through this seam so that tests can read and answer them.
class MessageService
{
public:
    enum class Icon
    {
        None,
        Information,
        Warning,
    };

    virtual ~MessageService() = default;

    // A modal box with a single OK button. An empty title shows the
    // application's title.
    virtual void show(const QString& text, Icon icon, const QString& title = {}) = 0;

    // A box that does not block its caller, for reports from timer ticks that
    // must keep running while the box is open.
    virtual void showModeless(const QString& text, Icon icon, const QString& title = {}) = 0;

    virtual void beep() = 0;
};

} // namespace tikkro::ui
