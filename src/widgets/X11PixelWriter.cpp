// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/X11PixelWriter.h"

#include <QGuiApplication>
#include <QImage>
#include <QRect>
#include <QSysInfo>
#include <QWidget>
#include <QWindow>

#include <cstdlib>
#include <cstring>

namespace tikkro::widgets {

namespace {

template <typename Reply> using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

const xcb_visualtype_t* findVisual(const xcb_setup_t* setup, xcb_visualid_t id)
{
    for (auto screen = xcb_setup_roots_iterator(setup); screen.rem > 0; xcb_screen_next(&screen)) {
        for (auto depth = xcb_screen_allowed_depths_iterator(screen.data); depth.rem > 0;
             xcb_depth_next(&depth)) {
            for (auto visual = xcb_depth_visuals_iterator(depth.data); visual.rem > 0;
                 xcb_visualtype_next(&visual)) {
                if (visual.data->visual_id == id) {
                    return visual.data;
                }
            }
        }
    }
    return nullptr;
}

} // namespace

std::unique_ptr<WindowPixelWriter> X11PixelWriter::create()
{
    // Other platforms, the offscreen one among them, may still answer to
    // the X11 interface, without a connection.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return nullptr;
    }
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        return nullptr;
    }
    return std::unique_ptr<WindowPixelWriter>(new X11PixelWriter(x11->connection()));
}

X11PixelWriter::X11PixelWriter(xcb_connection_t* connection) : m_connection(connection) {}

X11PixelWriter::~X11PixelWriter()
{
    releaseContext();
}

void X11PixelWriter::releaseContext()
{
    // The connection lives as long as the application.
    if (m_context != XCB_NONE && qGuiApp != nullptr) {
        xcb_free_gc(m_connection, m_context);
    }
    m_context = XCB_NONE;
}

bool X11PixelWriter::takeWindow(xcb_window_t window)
{
    releaseContext();
    m_window = window;
    const auto geometryAsked = xcb_get_geometry(m_connection, window);
    const auto attributesAsked = xcb_get_window_attributes(m_connection, window);
    const ReplyPointer<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(m_connection, geometryAsked, nullptr), &std::free);
    const ReplyPointer<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(m_connection, attributesAsked, nullptr), &std::free);
    if (!geometry || !attributes || (geometry->depth != 24 && geometry->depth != 32)) {
        return false;
    }
    const xcb_setup_t* setup = xcb_get_setup(m_connection);
    const bool machineOrder = (setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST) ==
                              (QSysInfo::ByteOrder == QSysInfo::LittleEndian);
    bool wholeWords = false;
    for (auto format = xcb_setup_pixmap_formats_iterator(setup); format.rem > 0;
         xcb_format_next(&format)) {
        if (format.data->depth == geometry->depth) {
            wholeWords = format.data->bits_per_pixel == 32 && format.data->scanline_pad == 32;
        }
    }
    const xcb_visualtype_t* visual = findVisual(setup, attributes->visual);
    if (!machineOrder || !wholeWords || visual == nullptr ||
        (visual->_class != XCB_VISUAL_CLASS_TRUE_COLOR &&
         visual->_class != XCB_VISUAL_CLASS_DIRECT_COLOR) ||
        visual->red_mask != 0xff0000 || visual->green_mask != 0xff00 || visual->blue_mask != 0xff) {
        return false;
    }
    m_depth = geometry->depth;
    // PutImage's own header takes 24 bytes of the longest request.
    m_maxBytes = std::size_t{xcb_get_maximum_request_length(m_connection)} * 4 - 24;
    m_context = xcb_generate_id(m_connection);
    const std::uint32_t noExposures = 0;
    xcb_create_gc(m_connection, m_context, window, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
    return true;
}

bool X11PixelWriter::bind(const QWidget& window)
{
    const QWindow* handle = window.windowHandle();
    if (handle == nullptr) {
        return false;
    }
    const auto id = static_cast<xcb_window_t>(handle->winId());
    if (id != m_window) {
        takeWindow(id);
    }
    return m_context != XCB_NONE;
}

bool X11PixelWriter::write(const QImage& image, const QRect& source, QPoint target)
{
    if (m_context == XCB_NONE || image.format() != QImage::Format_RGB32 || source.isEmpty() ||
        !image.rect().contains(source)) {
        return false;
    }
    const auto rowBytes = static_cast<std::size_t>(source.width()) * 4;
    const std::size_t bytes = rowBytes * static_cast<std::size_t>(source.height());
    if (bytes > m_maxBytes) {
        return false;
    }
    // Rows that span the image lie in one piece already.
    const uchar* rows = image.constScanLine(source.y());
    if (source.width() != image.width() ||
        static_cast<std::size_t>(image.bytesPerLine()) != rowBytes) {
        m_rows.resize(bytes);
        for (int y = 0; y < source.height(); ++y) {
            std::memcpy(m_rows.data() + static_cast<std::size_t>(y) * rowBytes,
                        image.constScanLine(source.y() + y) + source.x() * 4, rowBytes);
        }
        rows = m_rows.data();
    }
    xcb_put_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_window, m_context,
                  static_cast<std::uint16_t>(source.width()),
                  static_cast<std::uint16_t>(source.height()),
                  static_cast<std::int16_t>(target.x()), static_cast<std::int16_t>(target.y()), 0,
                  m_depth, static_cast<std::uint32_t>(bytes), rows);
    xcb_flush(m_connection);
    return true;
}

} // namespace tikkro::widgets
