// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/MessageService.h"

#include <chrono>

namespace tikkro::fakes {

// Records every message box instead of showing it.
class FakeMessageService final : public desktop::MessageService
{
public:
    struct Message
    {
        QString text;
        bool modeless;
        // How long a note that goes by itself stays; zero: until answered.
        std::chrono::milliseconds timeout;
    };

    void show(const QString& text, Icon, const QString& = {}) override
    {
        messages.append({text, false, {}});
    }
    void showModeless(const QString& text, Icon, const QString& = {}) override
    {
        messages.append({text, true, {}});
    }
    void showFor(const QString& text, Icon, std::chrono::milliseconds timeout,
                 const QString& = {}) override
    {
        messages.append({text, false, timeout});
    }
    void beep() override {}

    QList<Message> messages;
};

} // namespace tikkro::fakes
