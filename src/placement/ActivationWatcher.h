// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;
class QWindow;

namespace tikkro::placement {

// Calls back when a window becomes the program's active window: when it is
// first shown and when the user moves to it from another window of this
// program, but not when the user comes back to it from another application.
class ActivationWatcher : public QObject
{
    Q_OBJECT
public:
    ActivationWatcher(QWidget* window, std::function<void()> onActivate);

private:
    void focusWindowChanged(QWindow* focused);

    QWidget* m_window;
    std::function<void()> m_onActivate;
    // The last window of this program that had the focus; focus leaving the
    // program (a null window) does not change it.
    QPointer<QWindow> m_lastFocused;
    bool m_seenOnce = false;
};

} // namespace tikkro::placement
