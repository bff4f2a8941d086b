// SPDX-License-Identifier: GPL-3.0-or-later
#include "placement/WindowCentring.h"

#include "placement/FramePositioner.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tikkro::placement {

void WindowCentring::centreOnScreen(QWidget& window)
{
    new FramePositioner(window, [&window](const QSize& frameSize) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen == nullptr) {
            return window.pos();
        }
        QRect frame(QPoint(0, 0), frameSize);
        frame.moveCenter(screen->availableGeometry().center());
        return frame.topLeft();
    });
}

} // namespace tikkro::placement
