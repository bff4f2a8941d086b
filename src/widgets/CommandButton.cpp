// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/CommandButton.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QShortcutEvent>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <cmath>

namespace tikkro::widgets {

namespace {
// The word's size against the desktop's text, and the oval around it: a
// little wider than the word and about twice its line high.
constexpr qreal WordScale = 0.9;
constexpr qreal OvalWidthPerWord = 1.15;
constexpr qreal OvalHeightPerLine = 1.95;
} // namespace

CommandButton::CommandButton(const QString& text, QWidget* parent) : QAbstractButton(parent)
{
    setText(text);
    // The same key as the text's mnemonic, set as the button's shortcut so
    // that assistive technology names it too.
    setShortcut(QKeySequence::mnemonic(text));
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // Space and assistive technology press the button through Qt's own path.
    connect(this, &QAbstractButton::pressed, this, [this] { Q_EMIT commanded(0); });
}

QFont CommandButton::wordFont() const
{
    QFont bold = font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * WordScale);
    return bold;
}

QString CommandButton::word() const
{
    QString shown = text();
    shown.remove(QLatin1Char('&'));
    return shown;
}

QSize CommandButton::sizeHint() const
{
    const QFontMetricsF metrics(wordFont());
    return {static_cast<int>(std::ceil(metrics.horizontalAdvance(word()) * OvalWidthPerWord)),
            static_cast<int>(std::ceil(metrics.height() * OvalHeightPerLine))};
}

QSize CommandButton::minimumSizeHint() const
{
    return sizeHint();
}

bool CommandButton::event(QEvent* event)
{
    // The stopwatch takes every press at once: Qt's animated click would
    // swallow a second Lap given within its tenth of a second.
    if (event->type() == QEvent::Shortcut) {
        if (isEnabled() && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
            Q_EMIT shortcutPressed();
        }
        return true;
    }
    return QAbstractButton::event(event);
}

void CommandButton::mousePressEvent(QMouseEvent* event)
{
    // Any mouse button presses it, at the press and not at the release.
    event->accept();
    Q_EMIT commanded(event->timestamp());
}

void CommandButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool lit = isEnabled() && !isDown();

    const QRectF oval = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    QLinearGradient body(oval.topLeft(), oval.bottomLeft());
    if (lit) {
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
    gloss.setColorAt(0.0, QColor(255, 255, 255, lit ? 120 : 60));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillPath(shine, gloss);

    const QFont font = wordFont();
    const QFontMetricsF metrics(font);
    const QString shown = word();
    const qreal textWidth = metrics.horizontalAdvance(shown);
    const qreal x = oval.center().x() - textWidth / 2.0;
    const qreal baseline = oval.center().y() + (metrics.ascent() - metrics.descent()) / 2.0;
    const QColor ink = lit ? QColor(Qt::white) : QColor(150, 150, 150);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(QPointF(x, baseline), shown);

    const qsizetype letter = text().indexOf(QLatin1Char('&'));
    if (letter >= 0 && letter < shown.size()) {
        const qreal from = x + metrics.horizontalAdvance(shown.left(letter));
        const qreal width = metrics.horizontalAdvance(shown.at(letter));
        const qreal y = baseline + qMax<qreal>(1.0, metrics.underlinePos());
        painter.setPen(QPen(ink, qMax<qreal>(1.0, metrics.lineWidth())));
        painter.drawLine(QPointF(from, y), QPointF(from + width, y));
    }

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect =
            QRectF(x - 2, baseline - metrics.ascent() - 1, textWidth + 4, metrics.height() + 2)
                .toAlignedRect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

} // namespace tikkro::widgets
