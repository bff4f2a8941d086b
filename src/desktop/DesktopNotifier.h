// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tikkro::desktop {

// Desktop notifications go through this seam so that tests can read them.
class DesktopNotifier
{
public:
    virtual ~DesktopNotifier() = default;

    // Asks the desktop to show a notification and returns at once. Never
    // reports failure: a desktop without a notification service shows
    // nothing, and nothing else changes.
    virtual void notify(const QString& summary, const QString& body) = 0;
};

} // namespace tikkro::desktop
