// SPDX-License-Identifier: GPL-3.0-or-later
#include "placement/FramePositioner.h"

#include "placement/WindowFrame.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace tikkro::placement {

namespace {
// The window manager answers within a few event rounds; a desktop without
// one never sends frame sizes, and a second is long enough to tell.
constexpr int WaitStepMs = 20;
constexpr int WaitSteps = 50;
// A window manager that keeps a window where it chose gets a few tries, not
// a fight.
constexpr int MaxCorrections = 3;
constexpr int SettleChecks = 5;
} // namespace

FramePositioner::FramePositioner(QWidget& window, Target target)
    : QObject(&window), m_window(window)
{
    m_window.installEventFilter(this);
    m_wait.setInterval(WaitStepMs);
    connect(&m_wait, &QTimer::timeout, this, &FramePositioner::placeOnceFramed);
    setTarget(std::move(target));
}

void FramePositioner::setTarget(Target target)
{
    m_target = std::move(target);
    m_window.move(m_target(frameSize(m_window)));
}

QSize FramePositioner::frameSize(QWidget& window)
{
    if (!window.isVisible() && !window.testAttribute(Qt::WA_Resized)) {
        // A window takes its size from its contents only when first shown;
        // a place worked out from the size it has before that would be off
        // by the difference. The attribute is cleared again so that the
        // show still sizes the window from contents that change meanwhile.
        window.adjustSize();
        window.setAttribute(Qt::WA_Resized, false);
    }
    return window.frameGeometry().size();
}

bool FramePositioner::eventFilter(QObject* watched, QEvent* event)
{
    // Only the first show: later ones are the user bringing back a window
    // that may have been moved since.
    if (watched == &m_window && event->type() == QEvent::Show && !m_placedAfterShow) {
        m_placedAfterShow = true;
        m_waitsLeft = WaitSteps;
        m_correctionsLeft = MaxCorrections;
        m_settleChecksLeft = SettleChecks;
        m_wait.start();
    }
    return QObject::eventFilter(watched, event);
}

void FramePositioner::placeOnceFramed()
{
    const QWindow* handle = m_window.windowHandle();
    const bool framed = handle != nullptr && !handle->frameMargins().isNull();
    if (!framed && m_waitsLeft > 0) {
        --m_waitsLeft;
        return;
    }
    // Framed, or no frame came in time: with no window manager the window
    // is its own frame, and is placed by that. Window managers differ in whether a move names the
    // frame or the client area, but every one shifts the window by as much as the move asks; so the
    // window is moved by what it lacks until the frame sits where it should. A window manager may
    // still be working through an earlier move, so the frame must stay put for a few checks before
    // it counts as placed.
    const QPoint lacking =
        m_target(m_window.frameGeometry().size()) - WindowFrame::outerTopLeft(m_window);
    if (lacking.isNull()) {
        if (--m_settleChecksLeft <= 0) {
            m_wait.stop();
        }
        return;
    }
    if (m_correctionsLeft <= 0) {
        m_wait.stop();
        return;
    }
    --m_correctionsLeft;
    m_settleChecksLeft = SettleChecks;
    m_window.move(m_window.pos() + lacking);
}

} // namespace tikkro::placement
