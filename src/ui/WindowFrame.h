// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

class QWidget;

namespace tikkro::ui {

// Where a window's frame really is on the screen. Under a reparenting X11
// window manager Qt's own idea of a shown window's position can lag what the
// window manager did with it, so on X11 the server is asked.
class WindowFrame
{
public:
    // The outer top-left of the frame, title bar and borders included.
    static QPoint outerTopLeft(const QWidget& window);
};

} // namespace tikkro::ui
