// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/WindowPixelWriter.h"

#include <xcb/xcb.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace tikkro::widgets {

// Writes a 32-bit RGB image into a window with one PutImage request on Qt's
// own X connection, so that it is ordered with Qt's drawing. Used only where
// the window's pixels are laid out as the image's are: 24 or 32 bits deep,
// 8 bits a colour, in the machine's byte order.
class X11PixelWriter final : public WindowPixelWriter
{
public:
    // A writer on the X connection Qt uses, or none off X11.
    static std::unique_ptr<WindowPixelWriter> create();

    ~X11PixelWriter() override;
    X11PixelWriter(const X11PixelWriter&) = delete;
    X11PixelWriter& operator=(const X11PixelWriter&) = delete;

    bool bind(const QWidget& window) override;
    bool write(const QImage& image, const QRect& source, QPoint target) override;

private:
    explicit X11PixelWriter(xcb_connection_t* connection);
    // Asks the server once about a new window; false if its pixels differ
    // from the image's.
    bool takeWindow(xcb_window_t window);
    void releaseContext();

    xcb_connection_t* m_connection;
    xcb_window_t m_window = XCB_NONE;
    xcb_gcontext_t m_context = XCB_NONE;
    std::uint8_t m_depth = 0;
    std::size_t m_maxBytes = 0;
    // The rows in one piece, as PutImage takes them; kept between writes.
    std::vector<std::uint8_t> m_rows;
};

} // namespace tikkro::widgets
