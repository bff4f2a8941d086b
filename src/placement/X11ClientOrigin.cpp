// SPDX-License-Identifier: GPL-3.0-or-later
#include "placement/X11ClientOrigin.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace tikkro::placement {

std::optional<QPoint> X11ClientOrigin::of(const QWidget& window)
{
    // Other platforms, the offscreen one among them, may still answer to
    // the X11 interface, without a connection.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return std::nullopt;
    }
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    const QWindow* handle = window.windowHandle();
    if (x11 == nullptr || handle == nullptr || !window.testAttribute(Qt::WA_WState_Created)) {
        return std::nullopt;
    }
    xcb_connection_t* connection = x11->connection();
    if (connection == nullptr) {
        return std::nullopt;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (screen == nullptr) {
        return std::nullopt;
    }
    const auto cookie = xcb_translate_coordinates(
        connection, static_cast<xcb_window_t>(handle->winId()), screen->root, 0, 0);
    const std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&std::free)> reply(
        xcb_translate_coordinates_reply(connection, cookie, nullptr), &std::free);
    if (!reply) {
        return std::nullopt;
    }
    const qreal ratio = handle->devicePixelRatio();
    return QPoint(qRound(reply->dst_x / ratio), qRound(reply->dst_y / ratio));
}

} // namespace tikkro::placement
