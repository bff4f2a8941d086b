// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/CursorBlinkTimeout.h"

#include <QApplication>
#include <QEvent>

namespace tikkro::widgets {

CursorBlinkTimeout::CursorBlinkTimeout(int timeoutMs, QObject* parent)
    : QObject(parent), m_flashTimeMs(QApplication::cursorFlashTime())
{
    if (m_flashTimeMs <= 0) {
        return;
    }
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(timeoutMs);
    connect(&m_timeout, &QTimer::timeout, this, &CursorBlinkTimeout::stopBlinking);
    qApp->installEventFilter(this);
    m_timeout.start();
}

CursorBlinkTimeout::~CursorBlinkTimeout()
{
    if (m_flashTimeMs > 0) {
        QApplication::setCursorFlashTime(m_flashTimeMs);
    }
}

bool CursorBlinkTimeout::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::InputMethod:
        if (QApplication::cursorFlashTime() != m_flashTimeMs) {
            QApplication::setCursorFlashTime(m_flashTimeMs);
        }
        m_timeout.start();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void CursorBlinkTimeout::stopBlinking()
{
    // Zero leaves the cursor shown, without a timer.
    QApplication::setCursorFlashTime(0);
}

} // namespace tikkro::widgets
