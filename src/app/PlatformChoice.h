// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace tikkro::app {

// Which of Qt's window platforms Tikkro asks for. A Wayland compositor
// places every native window itself and tells no program where it put it, so
// the first-start place at the screen's right edge and the saved place work
// only on X11. Wayland desktops usually offer X11 beside themselves
// (XWayland, announced by DISPLAY), and Tikkro takes it; a platform the user
// chose always stands.
class PlatformChoice
{
public:
    // The variables the choice rests on. An empty variable counts as unset,
    // as it does for Qt.
    struct Environment
    {
        QByteArray qpaPlatform;    // QT_QPA_PLATFORM
        QByteArray waylandDisplay; // WAYLAND_DISPLAY
        QByteArray display;        // DISPLAY
    };

    static Environment ofThisProcess();

    // "xcb" when Tikkro should ask for X11; empty to leave the choice to Qt.
    static QByteArray platformFor(const Environment& environment);

    // Whether a window on the Qt platform of that name is placed where the
    // program puts it, and can learn where it is.
    static bool placesOwnWindows(const QString& platformName);
};

} // namespace tikkro::app
