// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ButtonArt.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace tikkro::ui {

void ButtonArt::paint(QPainter& painter, const QRectF& area) const
{
    painter.save();
    painter.fillRect(area, background);

    const QRectF oval = area.adjusted(1.5, 1.5, -1.5, -1.5);
    QLinearGradient body(oval.topLeft(), oval.bottomLeft());
    if (available) {
        body.setColorAt(0.0, QColor(96, 150, 255));
        body.setColorAt(0.45, QColor(28, 78, 214));
        body.setColorAt(1.0, QColor(10, 36, 130));
    } else {
        body.setColorAt(0.0, QColor(70, 104, 170));
        body.setColorAt(0.45, QColor(40, 64, 130));
        body.setColorAt(1.0, QColor(26, 40, 88));
    }
    painter.setPen(QPen(QColor(8, 20, 70), 1.0));
    painter.setBrush(body);
    painter.drawEllipse(oval);

    // A soft highlight across the upper half gives the oval its depth.
    QPainterPath shine;
    const QRectF upper(oval.left() + oval.width() * 0.12, oval.top() + 1.5, oval.width() * 0.76,
                       oval.height() * 0.42);
    shine.addEllipse(upper);
    QLinearGradient gloss(upper.topLeft(), upper.bottomLeft());
    gloss.setColorAt(0.0, QColor(255, 255, 255, available ? 120 : 60));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillPath(shine, gloss);

    QFont font = painter.font();
    font.setBold(true);
    // The word fills most of the oval's height unless that would make it
    // wider than the oval's flat middle: long words get a smaller size.
    font.setPixelSize(qMax(6, qRound(area.height() * 0.46)));
    const qreal room = oval.width() * 0.82;
    while (font.pixelSize() > 6 && QFontMetricsF(font).horizontalAdvance(word) > room) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const qreal textWidth = metrics.horizontalAdvance(word);
    const qreal x = area.center().x() - textWidth / 2.0;
    const qreal baseline = area.center().y() + (metrics.ascent() - metrics.descent()) / 2.0;
    const QColor ink = available ? QColor(Qt::white) : QColor(150, 150, 150);
    painter.setPen(ink);
    painter.drawText(QPointF(x, baseline), word);

    if (accessLetter >= 0 && accessLetter < word.size()) {
        const qreal from = x + metrics.horizontalAdvance(word.left(accessLetter));
        const qreal width = metrics.horizontalAdvance(word.at(accessLetter));
        const qreal y = baseline + qMax<qreal>(1.0, metrics.underlinePos());
        painter.setPen(QPen(ink, qMax<qreal>(1.0, metrics.lineWidth())));
        painter.drawLine(QPointF(from, y), QPointF(from + width, y));
    }
    painter.restore();
}

} // namespace tikkro::ui
