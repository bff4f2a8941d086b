// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>
#include <QSize>
#include <QTimer>

#include <functional>

class QWidget;

namespace tikkro::placement {

// Puts a window's frame, title bar and borders included, at a place worked
// out from the frame's size. Before the first show only the client size is
// known, so the window is placed with that; once the window manager has told
// its frame, or no frame has come within a second (there is no window
// manager), it is placed again with the frame's real size. Placing a shown window by its client
// position also keeps Qt's idea of where the window is true: a window that a reparenting window
// manager placed by its frame is otherwise believed to sit one title bar higher than it does.
class FramePositioner : public QObject
{
    Q_OBJECT
public:
    // The frame's top-left for a frame of the given size.
    using Target = std::function<QPoint(const QSize& frameSize)>;

    FramePositioner(QWidget& window, Target target);

    // Another place, taken at once and again once the frame is known.
    void setTarget(Target target);

    // The frame's size as far as it is known yet: before the first show,
    // with the size the show will give the window.
    static QSize frameSize(QWidget& window);

    // Whether the window is still being placed after its first show.
    bool isPlacing() const { return m_wait.isActive(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeOnceFramed();

    QWidget& m_window;
    Target m_target;
    QTimer m_wait;
    int m_waitsLeft = 0;
    int m_correctionsLeft = 0;
    int m_settleChecksLeft = 0;
    bool m_placedAfterShow = false;
};

} // namespace tikkro::placement
