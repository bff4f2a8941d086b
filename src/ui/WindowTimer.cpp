// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowTimer.h"

namespace tikkro::ui {

WindowTimer::WindowTimer(QObject* parent) : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &WindowTimer::tick);
}

int WindowTimer::interval() const
{
    return m_timer.isActive() ? m_timer.interval() : 0;
}

void WindowTimer::setInterval(int milliseconds)
{
    if (milliseconds <= 0) {
        m_timer.stop();
        return;
    }
    m_timer.start(milliseconds);
}

} // namespace tikkro::ui
