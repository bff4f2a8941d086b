// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

class QImage;
class QRect;
class QWidget;

namespace tikkro::widgets {

// Puts pixels straight into a shown window, past Qt's repaint and its
// backing store: for a field that changes a few characters 66 times a
// second, Qt's repaint costs several times the drawing itself. What it puts
// there is the caller's to keep right, for Qt's backing store does not see
// it.
class WindowPixelWriter
{
public:
    virtual ~WindowPixelWriter() = default;

    // Puts image's pixels in source at target, in window's own device
    // pixels, and sends them on their way. False when it cannot, and the
    // caller must paint the usual way.
    virtual bool write(const QWidget& window, const QImage& image, const QRect& source,
                       QPoint target) = 0;
};

} // namespace tikkro::widgets
