// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/DesktopNotifier.h"

namespace tikkro::fakes {

// Records every desktop notification instead of sending it.
class FakeDesktopNotifier final : public desktop::DesktopNotifier
{
public:
    struct Notification
    {
        QString summary;
        QString body;
        bool operator==(const Notification&) const = default;
    };

    void notify(const QString& summary, const QString& body) override
    {
        sent.append({summary, body});
    }

    QList<Notification> sent;
};

} // namespace tikkro::fakes
