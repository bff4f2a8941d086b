// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/PauseWhileHidden.h"

#include "core/WindowTimer.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace tikkro::widgets {

PauseWhileHidden::PauseWhileHidden(QWidget& window,
                                   std::initializer_list<core::WindowTimer*> timers)
    : QObject(&window), m_window(window), m_unmapped(!window.isVisible())
{
    for (core::WindowTimer* timer : timers) {
        m_timers.append(timer);
    }
    m_window.installEventFilter(this);
    update();
}

bool PauseWhileHidden::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_native && event->type() == QEvent::Expose) {
        update();
    }
    if (watched == &m_window) {
        switch (event->type()) {
        case QEvent::Show:
            m_unmapped = false;
            watchNativeWindow();
            update();
            break;
        case QEvent::Hide:
            m_unmapped = true;
            update();
            break;
        case QEvent::WindowStateChange:
            update();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void PauseWhileHidden::watchNativeWindow()
{
    QWindow* native = m_window.windowHandle();
    if (native != nullptr && native != m_native) {
        m_native = native;
        m_native->installEventFilter(this);
    }
}

void PauseWhileHidden::update()
{
    const bool unseen = !m_native.isNull() && !m_native->isExposed();
    const bool suspended = m_unmapped || m_window.isMinimized() || unseen;
    for (const QPointer<core::WindowTimer>& timer : m_timers) {
        if (timer != nullptr) {
            timer->setSuspended(suspended);
        }
    }
}

} // namespace tikkro::widgets
