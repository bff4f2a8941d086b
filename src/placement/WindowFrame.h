// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

class QWidget;

namespace tikkro::placement {

// Where a window's frame really is on the screen: on X11 the server is asked,
// as Qt's own idea of a shown window's position can lag behind it.
class WindowFrame
{
public:
    // The outer top-left of the frame, title bar and borders included.
    static QPoint outerTopLeft(const QWidget& window);
};

} // namespace tikkro::placement
