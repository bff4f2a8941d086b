// SPDX-License-Identifier: GPL-3.0-or-later
#include "placement/WindowPlacement.h"

#include "placement/FramePositioner.h"
#include "placement/Twips.h"
#include "placement/WindowFrame.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tikkro::placement {

WindowPlacement::WindowPlacement(QWidget& window) : m_window(window) {}

void WindowPlacement::restore(std::optional<double> leftTwips, std::optional<double> topTwips)
{
    if (!leftTwips) {
        placeAtDefault();
        return;
    }
    const QPoint saved(toPixels(*leftTwips), toPixels(topTwips.value_or(DefaultTopTwips)));

    // A monitor unplugged since the last run would leave the window where
    // nobody can reach it.
    const QRect wanted(saved, FramePositioner::frameSize(m_window));
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->geometry().intersects(wanted)) {
            place(saved);
            return;
        }
    }
    placeAtDefault();
}

void WindowPlacement::placeAtDefault()
{
    const auto target = [this](const QSize& frameSize) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const int screenRight =
            screen != nullptr ? screen->geometry().right() + 1 : m_window.width();
        return QPoint(screenRight - frameSize.width(), toPixels(DefaultTopTwips));
    };
    aim(target);
}

void WindowPlacement::place(QPoint frameTopLeft)
{
    aim([frameTopLeft](const QSize&) { return frameTopLeft; });
}

void WindowPlacement::aim(const std::function<QPoint(const QSize&)>& target)
{
    if (m_positioner == nullptr) {
        m_positioner = new FramePositioner(m_window, target);
    } else {
        m_positioner->setTarget(target);
    }
}

QPoint WindowPlacement::positionToSave() const
{
    return toTwips(WindowFrame::outerTopLeft(m_window));
}

} // namespace tikkro::placement
