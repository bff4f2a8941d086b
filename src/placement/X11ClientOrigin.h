// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

#include <optional>

class QWidget;

namespace tikkro::placement {

// Asks the X server where a window's client area really lies on the
// screen. Under a reparenting window manager Qt's own idea of a shown
// window's position can lag what the window manager did.
class X11ClientOrigin
{
public:
    // The client area's top-left in device-independent pixels, as the X
    // server has it; nothing off X11 or before the window exists there.
    static std::optional<QPoint> of(const QWidget& window);
};

} // namespace tikkro::placement
