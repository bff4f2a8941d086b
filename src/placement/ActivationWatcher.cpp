// SPDX-License-Identifier: GPL-3.0-or-later
#include "placement/ActivationWatcher.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace tikkro::placement {

ActivationWatcher::ActivationWatcher(QWidget* window, std::function<void()> onActivate)
    : QObject(window), m_window(window), m_onActivate(std::move(onActivate))
{
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
            &ActivationWatcher::focusWindowChanged);
}

void ActivationWatcher::focusWindowChanged(QWindow* focused)
{
    if (focused == nullptr) {
        return;
    }
    QWindow* mine = m_window->window()->windowHandle();
    const bool cameFromElsewhere = !m_seenOnce || m_lastFocused != focused;
    m_lastFocused = focused;
    m_seenOnce = true;
    if (focused == mine && cameFromElsewhere) {
        m_onActivate();
    }
}

} // namespace tikkro::placement
