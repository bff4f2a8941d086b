// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>

class QPainter;

namespace tikkro::about {

// The program's logo, a stopwatch in motion, designed on a 64 x 46 grid and
// scaled to whatever area it is given.
struct AboutLogo
{
    static constexpr int Width = 64;
    static constexpr int Height = 46;

    static void paint(QPainter& painter, const QRectF& area);

    // The logo in the middle of a square, as a program icon wants it.
    static void paintIcon(QPainter& painter, double side);
};

} // namespace tikkro::about
