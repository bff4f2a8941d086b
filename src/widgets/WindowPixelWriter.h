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

    // Makes window's native window the one written into; on the GUI
    // thread. False when the writer cannot write into it.
    virtual bool bind(const QWidget& window) = 0;
    // Puts image's pixels in source at target in the bound window, in its
    // own device pixels, and sends them on their way. False when it cannot,
    // and the caller must paint the usual way. May be called from one other
    // thread at a time, while the GUI thread leaves the writer alone.
    virtual bool write(const QImage& image, const QRect& source, QPoint target) = 0;
};

} // namespace tikkro::widgets
