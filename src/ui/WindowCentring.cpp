// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowCentring.h"

#include "ui/FramePositioner.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tikkro::ui {

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

} // namespace tikkro::ui
