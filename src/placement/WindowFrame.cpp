// SPDX-License-Identifier: GPL-3.0-or-later
#include "placement/WindowFrame.h"

#include "placement/X11ClientOrigin.h"

#include <QWidget>
#include <QWindow>

namespace tikkro::placement {

QPoint WindowFrame::outerTopLeft(const QWidget& window)
{
    if (const std::optional<QPoint> client = X11ClientOrigin::of(window)) {
        const QMargins margins = window.windowHandle()->frameMargins();
        return *client - QPoint(margins.left(), margins.top());
    }
    return window.frameGeometry().topLeft();
}

} // namespace tikkro::placement
