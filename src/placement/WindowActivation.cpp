// SPDX-License-Identifier: GPL-3.0-or-later
#include "placement/WindowActivation.h"

#include <QWidget>

namespace tikkro::placement {

void WindowActivation::bringForward(QWidget& window)
{
    window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace tikkro::placement
