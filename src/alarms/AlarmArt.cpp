// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/AlarmArt.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace tikkro::alarms {

void AlarmArt::paintSpinArrows(QPainter& painter, const QRectF& area)
{
    painter.save();
    // Drawn on the design's 11 x 15 pixel grid, scaled to the area.
    painter.translate(area.topLeft());
    painter.scale(area.width() / SpinWidth, area.height() / SpinHeight);
    const QColor ink = painter.pen().color();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);

    QPainterPath up;
    up.moveTo(5.5, 0.0);
    up.lineTo(11.0, 6.0);
    up.lineTo(0.0, 6.0);
    up.closeSubpath();
    painter.drawPath(up);

    QPainterPath down;
    down.moveTo(0.0, 9.0);
    down.lineTo(11.0, 9.0);
    down.lineTo(5.5, 15.0);
    down.closeSubpath();
    painter.drawPath(down);
    painter.restore();
}

double AlarmArt::handAngle(int frame)
{
    const int step = ((frame % FrameCount) + FrameCount) % FrameCount;
    return std::fmod(225.0 + 45.0 * step, 360.0);
}

void AlarmArt::paintStopwatch(QPainter& painter, const QRectF& area, int frame)
{
    painter.save();
    painter.translate(area.topLeft());
    painter.scale(area.width() / FrameWidth, area.height() / FrameHeight);

    const QColor metal(70, 70, 78);
    const QPointF centre(14.5, 18.0);
    const double radius = 12.5;

    // Crown and its stem on top, a small push button to the upper right.
    painter.setPen(Qt::NoPen);
    painter.setBrush(metal);
    painter.drawRoundedRect(QRectF(11.5, 0.5, 6.0, 2.5), 1.0, 1.0);
    painter.drawRect(QRectF(13.3, 2.8, 2.4, 3.0));
    painter.save();
    painter.translate(centre);
    painter.rotate(45.0);
    painter.drawRoundedRect(QRectF(-1.5, -radius - 3.2, 3.0, 3.0), 0.8, 0.8);
    painter.restore();

    // Case and dial.
    painter.setBrush(metal);
    painter.drawEllipse(centre, radius + 1.2, radius + 1.2);
    QRadialGradient dial(centre - QPointF(3.0, 3.0), radius * 1.4);
    dial.setColorAt(0.0, QColor(255, 255, 255));
    dial.setColorAt(1.0, QColor(214, 220, 228));
    painter.setBrush(dial);
    painter.drawEllipse(centre, radius - 0.3, radius - 0.3);

    // Marks: long at the quarters, short at the eighths.
    for (int mark = 0; mark < 8; ++mark) {
        const double angle = mark * 45.0 * std::numbers::pi / 180.0;
        const double outer = radius - 1.6;
        const double inner = mark % 2 == 0 ? radius - 4.2 : radius - 3.0;
        const QPointF direction(std::sin(angle), -std::cos(angle));
        painter.setPen(
            QPen(QColor(40, 40, 48), mark % 2 == 0 ? 1.4 : 0.9, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(centre + direction * inner, centre + direction * outer);
    }

    // The hand, with a short tail behind the hub.
    const double angle = handAngle(frame) * std::numbers::pi / 180.0;
    const QPointF direction(std::sin(angle), -std::cos(angle));
    painter.setPen(QPen(QColor(214, 16, 16), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre - direction * 2.5, centre + direction * (radius - 2.2));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(214, 16, 16));
    painter.drawEllipse(centre, 1.7, 1.7);
    painter.restore();
}

} // namespace tikkro::alarms
