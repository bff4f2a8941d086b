// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/MessageService.h"

#include <QList>

namespace tikkro::fakes {

// Records every message box instead of showing it.
class FakeMessageService final : public desktop::MessageService
{
public:
    struct Message
    {
        QString text;
        Icon icon;
        QString title;
        bool modeless;
    };

    void show(const QString& text, Icon icon, const QString& title = {}) override
    {
        messages.append({text, icon, title, false});
    }
    void showModeless(const QString& text, Icon icon, const QString& title = {}) override
    {
        messages.append({text, icon, title, true});
    }
    void beep() override { ++beeps; }

    QList<Message> messages;
    int beeps = 0;
};

} // namespace tikkro::fakes
