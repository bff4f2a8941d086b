// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowPlacement.h"

#include "ui/Twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace tikkro::ui {

WindowPlacement::WindowPlacement(QWidget& window) : QObject(&window), m_window(window)
{
    m_window.installEventFilter(this);
}

void WindowPlacement::restore(std::optional<double> leftTwips, std::optional<double> topTwips)
{
    if (!leftTwips) {
        placeAtDefault();
        return;
    }
    const QPoint saved(toPixels(*leftTwips), toPixels(topTwips.value_or(DefaultTopTwips)));

    // A monitor unplugged since the last run would leave the window where
    // nobody can reach it.
    const QRect wanted(saved, m_window.frameGeometry().size());
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->geometry().intersects(wanted)) {
            m_window.move(saved);
            return;
        }
    }
    placeAtDefault();
}

void WindowPlacement::placeAtDefault()
{
    m_atDefault = true;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenRight = screen != nullptr ? screen->geometry().right() + 1 : m_window.width();
    m_window.move(screenRight - m_window.frameGeometry().width(), toPixels(DefaultTopTwips));
}

QPoint WindowPlacement::positionToSave() const
{
    return toTwips(m_window.pos());
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_window && event->type() == QEvent::Show && m_atDefault) {
        // The window manager adds its frame only once the window is shown:
        // touch the right edge with the frame, not just the client area.
        m_atDefault = false;
        QTimer::singleShot(0, this, &WindowPlacement::touchRightEdge);
    }
    return QObject::eventFilter(watched, event);
}

void WindowPlacement::touchRightEdge()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        m_window.move(screen->geometry().right() + 1 - m_window.frameGeometry().width(),
                      m_window.y());
    }
}

} // namespace tikkro::ui
