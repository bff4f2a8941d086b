// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowFrame.h"

#include "ui/X11ClientOrigin.h"

#include <QWidget>
#include <QWindow>

namespace tikkro::ui {

QPoint WindowFrame::outerTopLeft(const QWidget& window)
{
    if (const std::optional<QPoint> client = X11ClientOrigin::of(window)) {
        const QMargins margins = window.windowHandle()->frameMargins();
        return *client - QPoint(margins.left(), margins.top());
    }
    return window.frameGeometry().topLeft();
}

} // namespace tikkro::ui
