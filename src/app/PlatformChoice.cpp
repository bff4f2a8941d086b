// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PlatformChoice.h"

namespace tikkro::app {

PlatformChoice::Environment PlatformChoice::ofThisProcess()
{
    return {qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY")};
}

QByteArray PlatformChoice::platformFor(const Environment& environment)
{
    if (environment.qpaPlatform.isEmpty() && !environment.waylandDisplay.isEmpty() &&
        !environment.display.isEmpty()) {
        return QByteArrayLiteral("xcb");
    }
    return {};
}

bool PlatformChoice::placesOwnWindows(const QString& platformName)
{
    // "wayland", "wayland-egl", "wayland-brcm"...
    return !platformName.startsWith(QLatin1String("wayland"));
}

} // namespace tikkro::app
