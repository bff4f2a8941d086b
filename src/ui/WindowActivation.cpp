// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowActivation.h"

#include <QWidget>

namespace tikkro::ui {

void WindowActivation::bringForward(QWidget& window)
{
    window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace tikkro::ui
