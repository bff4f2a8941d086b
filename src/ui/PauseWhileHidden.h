// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

namespace tikkro::ui {

class WindowTimer;

// Suspends a window's display timer while the window is hidden or
// minimised, when nobody can see what it paints, and resumes it as the
// window shows again.
class PauseWhileHidden : public QObject
{
    Q_OBJECT
public:
    PauseWhileHidden(QWidget& window, WindowTimer& timer);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void update();

    QWidget& m_window;
    WindowTimer& m_timer;
    // A window the window system has unmapped still counts as visible.
    bool m_unmapped;
};

} // namespace tikkro::ui
