// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/WindowTimer.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <initializer_list>

class QWidget;
class QWindow;

namespace tikkro::widgets {

// Suspends a window's display timers while the window is hidden, minimised
// or otherwise not on the screen (as on another workspace), when nobody can
// see what it paints, and resumes it as the window shows again.
class PauseWhileHidden : public QObject
{
    Q_OBJECT
public:
    PauseWhileHidden(QWidget& window, std::initializer_list<core::WindowTimer*> timers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void update();
    void watchNativeWindow();

    QWidget& m_window;
    // Whether the window system shows any of the window; known once the
    // window has been shown.
    QPointer<QWindow> m_native;
    // The timers may be members of the window, gone while the window's own
    // destructor still hides it.
    QList<QPointer<core::WindowTimer>> m_timers;
    // A window the window system has unmapped still counts as visible.
    bool m_unmapped;
};

} // namespace tikkro::widgets
