// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayField.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <cmath>

namespace tikkro::ui {

namespace {
constexpr int FrameWidth = 2;
}

DisplayField::DisplayField(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    layoutText();
}

void DisplayField::setColors(const QColor& background, const QColor& foreground)
{
    m_background = background;
    m_foreground = foreground;
    update();
}

qreal DisplayField::advanceOf(QChar ch) const
{
    // Digits share one width so that a changing digit never moves its
    // neighbours: only the changed cells need repainting.
    if (ch.isDigit()) {
        return m_digitAdvance;
    }
    return QFontMetricsF(m_drawFont).horizontalAdvance(ch);
}

void DisplayField::layoutText()
{
    // Where the named face is missing, its stand-in may be wider: shrink the
    // text until it fits rather than cut its ends off.
    const qreal room = this->width() - 2 * FrameWidth - 2;
    m_drawFont = font();
    qreal width = 0;
    for (int attempt = 0; attempt < 12; ++attempt) {
        const QFontMetricsF metrics(m_drawFont);
        m_digitAdvance = 0;
        for (char digit = '0'; digit <= '9'; ++digit) {
            m_digitAdvance =
                std::max(m_digitAdvance, metrics.horizontalAdvance(QLatin1Char(digit)));
        }
        width = 0;
        for (const QChar ch : m_text) {
            width += advanceOf(ch);
        }
        if (width <= room || room <= 0 || m_drawFont.pointSizeF() <= 5.0) {
            break;
        }
        m_drawFont.setPointSizeF(m_drawFont.pointSizeF() * 0.94);
    }
    m_positions.resize(m_text.size() + 1);
    qreal x = std::floor((this->width() - width) / 2.0);
    for (qsizetype i = 0; i < m_text.size(); ++i) {
        m_positions[i] = x;
        x += advanceOf(m_text.at(i));
    }
    m_positions[m_text.size()] = x;
}

QRect DisplayField::cellRect(qsizetype from, qsizetype to) const
{
    const int left = static_cast<int>(std::floor(m_positions[from])) - 1;
    const int right = static_cast<int>(std::ceil(m_positions[to])) + 1;
    return QRect(left, FrameWidth, right - left, height() - 2 * FrameWidth).intersected(rect());
}

void DisplayField::setText(const QString& text)
{
    if (text == m_text) {
        return;
    }
    bool sameShape = text.size() == m_text.size();
    qsizetype first = -1;
    qsizetype last = -1;
    for (qsizetype i = 0; sameShape && i < text.size(); ++i) {
        if (text.at(i) == m_text.at(i)) {
            continue;
        }
        if (!text.at(i).isDigit() || !m_text.at(i).isDigit()) {
            sameShape = false;
        }
        if (first < 0) {
            first = i;
        }
        last = i;
    }
    m_text = text;
    if (sameShape) {
        update(cellRect(first, last + 1));
        return;
    }
    layoutText();
    update();
}

QSize DisplayField::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(m_text) + 4 * FrameWidth, metrics.height() + 2 * FrameWidth};
}

void DisplayField::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), m_background);

    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.lineWidth = FrameWidth;
    frame.midLineWidth = 0;
    frame.state |= QStyle::State_Sunken | QStyle::State_ReadOnly;
    style()->drawPrimitive(QStyle::PE_FrameLineEdit, &frame, &painter, this);

    painter.setPen(m_foreground);
    painter.setFont(m_drawFont);
    const QFontMetricsF metrics(m_drawFont);
    const qreal baseline = (height() + metrics.ascent() - metrics.descent()) / 2.0;
    const QRect dirty = event->rect();
    for (qsizetype i = 0; i < m_text.size(); ++i) {
        if (m_positions[i + 1] < dirty.left() || m_positions[i] > dirty.right() + 1) {
            continue;
        }
        // Each character is centred in its cell, so a narrow digit in a
        // proportional font still sits where a wide one would.
        const QChar ch = m_text.at(i);
        const qreal cell = m_positions[i + 1] - m_positions[i];
        const qreal x = m_positions[i] + (cell - metrics.horizontalAdvance(ch)) / 2.0;
        painter.drawText(QPointF(x, baseline), QString(ch));
    }
}

void DisplayField::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        layoutText();
        update();
    }
    QWidget::changeEvent(event);
}

void DisplayField::resizeEvent(QResizeEvent* event)
{
    layoutText();
    QWidget::resizeEvent(event);
}

} // namespace tikkro::ui
