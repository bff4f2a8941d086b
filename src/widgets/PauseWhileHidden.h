// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/WindowTimer.h"

#include <QObject>
#include <QPointer>

class QWidget;
class QWindow;

namespace tikkro::widgets {

// Suspends a window's display timer while the window is hidden, minimised
// or otherwise not on the screen (as on another workspace), when nobody can
// see what it paints, and resumes it as the window shows again.
class PauseWhileHidden : public QObject
{
    Q_OBJECT
public:
    PauseWhileHidden(QWidget& window, core::WindowTimer& timer);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void update();
    void watchNativeWindow();

    QWidget& m_window;
    // Whether the window system shows any of the window; known once the
    // window has been shown.
    QPointer<QWindow> m_native;
    // The timer may be a member of the window, gone while the window's own
    // destructor still hides it.
    QPointer<core::WindowTimer> m_timer;
    // A window the window system has unmapped still counts as visible.
    bool m_unmapped;
};

} // namespace tikkro::widgets
