// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QSize>

#include <functional>
#include <optional>

class QWidget;

namespace tikkro::placement {

class FramePositioner;

// Where the main window opens and what of its place is kept. Positions are
// the outer top-left of the window's frame, in twips: a saved position when
// it still lies on a screen, otherwise the default place with the frame
// against the right edge of the primary screen.
class WindowPlacement
{
public:
    static constexpr int DefaultTopTwips = 270;

    explicit WindowPlacement(QWidget& window);

    // Moves the window to a saved position. No saved left edge means the
    // default place; no saved top means the default top.
    void restore(std::optional<double> leftTwips, std::optional<double> topTwips);

    void placeAtDefault();

    // The frame's present position, in twips, as it is to be saved.
    QPoint positionToSave() const;

private:
    void place(QPoint frameTopLeft);
    void aim(const std::function<QPoint(const QSize&)>& target);

    QWidget& m_window;
    FramePositioner* m_positioner = nullptr;
};

} // namespace tikkro::placement
