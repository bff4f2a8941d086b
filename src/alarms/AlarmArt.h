// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>

class QPainter;

namespace tikkro::alarms {

// The pictures of the Set/Edit dialogs, painted to whatever size the
// painter's area has.
class AlarmArt
{
public:
    // Spin button picture, 11 x 15 px by design: an up triangle in the upper
    // six pixel rows, a down triangle in the lower six, in the painter's pen
    // colour so that they follow the palette.
    static constexpr int SpinWidth = 11;
    static constexpr int SpinHeight = 15;
    static void paintSpinArrows(QPainter& painter, const QRectF& area);

    // Animation frame, 29 x 32 px by design: a stopwatch face whose red hand
    // stands at 7:30 in frame 0 and turns 45 degrees clockwise per frame.
    static constexpr int FrameCount = 8;
    static constexpr int FrameWidth = 29;
    static constexpr int FrameHeight = 32;
    static void paintStopwatch(QPainter& painter, const QRectF& area, int frame);

    // The hand's angle in degrees clockwise from 12 o'clock.
    static double handAngle(int frame);
};

} // namespace tikkro::alarms
