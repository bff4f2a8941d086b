// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <chrono>

namespace tikkro::desktop {

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

    // A modal box that closes by itself after `timeout` unless the user
    // answers it first: for a note the program must not wait on for long,
    // such as the last word at shut-down.
    virtual void showFor(const QString& text, Icon icon, std::chrono::milliseconds timeout,
                         const QString& title = {})
    {
        (void)timeout;
        show(text, icon, title);
    }

    virtual void beep() = 0;
};

} // namespace tikkro::desktop
