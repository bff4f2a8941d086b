// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowCentring.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tikkro::ui {

void WindowCentring::centreOnScreen(QWidget& window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    QRect frame(QPoint(0, 0), window.size());
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

} // namespace tikkro::ui
