// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DisplayField.h"

#include "ui/AccessibleFactory.h"

#include <QAccessible>
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
    AccessibleFactory::install();
}

void DisplayField::setColors(const QColor& background, const QColor& foreground)
{
    m_background = background;
    m_foreground = foreground;
    invalidatePictures();
    update();
}

int DisplayField::advanceOf(QChar ch) const
{
    // Digits share one width so that a changing digit never moves its
    // neighbours: only the changed cells need repainting.
    if (ch.isDigit()) {
        return m_digitAdvance;
    }
    return static_cast<int>(std::ceil(QFontMetricsF(m_drawFont).horizontalAdvance(ch)));
}

void DisplayField::layoutText()
{
    // Where the named face is missing, its stand-in may be wider: shrink the
    // text until it fits rather than cut its ends off.
    const int room = this->width() - 2 * FrameWidth - 2;
    const QFont wanted = font();
    if (m_drawFont != wanted) {
        m_drawFont = wanted;
    }
    int width = 0;
    for (int attempt = 0; attempt < 12; ++attempt) {
        const QFontMetricsF metrics(m_drawFont);
        qreal widest = 0;
        for (char digit = '0'; digit <= '9'; ++digit) {
            widest = std::max(widest, metrics.horizontalAdvance(QLatin1Char(digit)));
        }
        m_digitAdvance = static_cast<int>(std::ceil(widest));
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
    int x = (this->width() - width) / 2;
    for (qsizetype i = 0; i < m_text.size(); ++i) {
        m_positions[i] = x;
        x += advanceOf(m_text.at(i));
    }
    m_positions[m_text.size()] = x;
    invalidatePictures();
}

void DisplayField::invalidatePictures()
{
    m_backgroundPicture = QPixmap();
    m_glyphs.fill(QPixmap());
}

const QPixmap& DisplayField::background()
{
    const qreal ratio = devicePixelRatioF();
    if (m_backgroundPicture.isNull() || m_backgroundPicture.devicePixelRatio() != ratio) {
        m_backgroundPicture = QPixmap((QSizeF(size()) * ratio).toSize());
        m_backgroundPicture.setDevicePixelRatio(ratio);
        m_backgroundPicture.fill(m_background);
        QPainter painter(&m_backgroundPicture);
        QStyleOptionFrame frame;
        frame.initFrom(this);
        frame.lineWidth = FrameWidth;
        frame.midLineWidth = 0;
        frame.state |= QStyle::State_Sunken | QStyle::State_ReadOnly;
        style()->drawPrimitive(QStyle::PE_FrameLineEdit, &frame, &painter, this);
    }
    return m_backgroundPicture;
}

const QPixmap& DisplayField::glyph(QChar ch)
{
    static const QPixmap none;
    if (ch.unicode() >= m_glyphs.size()) {
        return none;
    }
    QPixmap& picture = m_glyphs[ch.unicode()];
    const qreal ratio = devicePixelRatioF();
    if (picture.isNull() || picture.devicePixelRatio() != ratio) {
        const QSize cell(advanceOf(ch), height() - 2 * FrameWidth);
        picture = QPixmap((QSizeF(cell) * ratio).toSize());
        picture.setDevicePixelRatio(ratio);
        picture.fill(m_background);
        QPainter painter(&picture);
        painter.setFont(m_drawFont);
        painter.setPen(m_foreground);
        const QFontMetricsF metrics(m_drawFont);
        // Each character is centred in its cell, so a narrow digit in a
        // proportional font still sits where a wide one would.
        const qreal x = (cell.width() - metrics.horizontalAdvance(ch)) / 2.0;
        const qreal baseline = (height() + metrics.ascent() - metrics.descent()) / 2.0 - FrameWidth;
        painter.drawText(QPointF(x, baseline), QString(ch));
    }
    return picture;
}

QRect DisplayField::cellRect(qsizetype from, qsizetype to) const
{
    return QRect(m_positions[from], FrameWidth, m_positions[to] - m_positions[from],
                 height() - 2 * FrameWidth)
        .intersected(rect());
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
    announceChange();
    if (sameShape) {
        // Painted at once rather than on the next update request: a refresh
        // every 15 ms would otherwise wake the program twice per refresh.
        repaint(cellRect(first, last + 1));
        return;
    }
    layoutText();
    update();
}

QRect DisplayField::characterRect(qsizetype i) const
{
    if (i < 0 || i >= m_text.size()) {
        return {};
    }
    return cellRect(i, i + 1);
}

bool DisplayField::isWorthAnnouncing(const QString& told, const QString& text)
{
    if (told.size() != text.size()) {
        return true;
    }
    // A fraction is the run of digits after the last point; a date's points
    // are followed by more than digits.
    qsizetype whole = text.lastIndexOf(QLatin1Char('.'));
    for (qsizetype i = whole + 1; whole >= 0 && i < text.size(); ++i) {
        if (!text.at(i).isDigit()) {
            whole = -1;
        }
    }
    if (whole < 0) {
        whole = text.size();
    }
    return QStringView(told).left(whole) != QStringView(text).left(whole);
}

void DisplayField::announceChange()
{
    if (!QAccessible::isActive() || !isWorthAnnouncing(m_announced, m_text)) {
        return;
    }
    QAccessibleTextUpdateEvent change(this, 0, m_announced, m_text);
    QAccessible::updateAccessibility(&change);
    m_announced = m_text;
}

QSize DisplayField::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(m_text) + 4 * FrameWidth, metrics.height() + 2 * FrameWidth};
}

void DisplayField::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    painter.drawPixmap(dirty, background(),
                       QRectF(QRectF(dirty).topLeft() * devicePixelRatioF(),
                              QSizeF(dirty.size()) * devicePixelRatioF()));
    for (qsizetype i = 0; i < m_text.size(); ++i) {
        if (m_positions[i + 1] <= dirty.left() || m_positions[i] > dirty.right()) {
            continue;
        }
        painter.drawPixmap(QPoint(m_positions[i], FrameWidth), glyph(m_text.at(i)));
    }
}

void DisplayField::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
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
