// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/AboutLogo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace tikkro::about {

void AboutLogo::paint(QPainter& painter, const QRectF& area)
{
    painter.save();
    painter.translate(area.topLeft());
    painter.scale(area.width() / Width, area.height() / Height);

    const QPointF centre(38, 25.5);
    constexpr double Radius = 16.0;

    // Speed lines trailing to the left.
    painter.setPen(QPen(QColor(70, 130, 200), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(4, 18.5), QPointF(17, 18.5));
    painter.drawLine(QPointF(1, 25.5), QPointF(16, 25.5));
    painter.drawLine(QPointF(5, 32.5), QPointF(18, 32.5));

    // Crown and the two side buttons.
    painter.setPen(QPen(QColor(20, 45, 95), 1.0));
    painter.setBrush(QColor(160, 170, 185));
    painter.drawRoundedRect(QRectF(34.5, 0.8, 7, 4.5), 1.2, 1.2);
    painter.drawRect(QRectF(36.5, 4.8, 3, 3));
    painter.save();
    painter.translate(centre);
    for (const double angle : {-45.0, 45.0}) {
        painter.save();
        painter.rotate(angle);
        painter.drawRoundedRect(QRectF(-2.5, -Radius - 5, 5, 4), 1, 1);
        painter.restore();
    }
    painter.restore();

    // Case with a metallic blue rim.
    QLinearGradient rim(centre.x() - Radius, centre.y() - Radius, centre.x() + Radius,
                        centre.y() + Radius);
    rim.setColorAt(0, QColor(110, 170, 235));
    rim.setColorAt(1, QColor(20, 60, 140));
    painter.setBrush(rim);
    painter.drawEllipse(centre, Radius + 2.5, Radius + 2.5);

    QRadialGradient face(centre - QPointF(4, 5), Radius * 1.4);
    face.setColorAt(0, Qt::white);
    face.setColorAt(1, QColor(222, 230, 240));
    painter.setBrush(face);
    painter.setPen(QPen(QColor(20, 45, 95), 0.8));
    painter.drawEllipse(centre, Radius, Radius);

    // Twelve ticks, the quarters longer.
    for (int i = 0; i < 12; ++i) {
        const double angle = qDegreesToRadians(i * 30.0);
        const double inner = i % 3 == 0 ? Radius - 4.5 : Radius - 2.8;
        const QPointF direction(std::sin(angle), -std::cos(angle));
        painter.setPen(
            QPen(QColor(30, 40, 60), i % 3 == 0 ? 1.4 : 0.8, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(centre + direction * inner, centre + direction * (Radius - 1.2));
    }

    // The elapsed part of the minute, then the hand that sweeps it.
    QPainterPath sweep;
    sweep.moveTo(centre);
    sweep.arcTo(QRectF(centre.x() - 10, centre.y() - 10, 20, 20), 90, -130);
    sweep.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(230, 80, 60, 70));
    painter.drawPath(sweep);

    const double handAngle = qDegreesToRadians(130.0);
    const QPointF hand(std::sin(handAngle), -std::cos(handAngle));
    painter.setPen(QPen(QColor(215, 45, 35), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre - hand * 3.5, centre + hand * (Radius - 3));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 45, 95));
    painter.drawEllipse(centre, 1.8, 1.8);

    painter.restore();
}

void AboutLogo::paintIcon(QPainter& painter, double side)
{
    const double height = side * Height / Width;
    paint(painter, QRectF(0, (side - height) / 2, side, height));
}

} // namespace tikkro::about
