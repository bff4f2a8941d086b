// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/DisplayField.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QPainter>

namespace tikkro::widgets {

DisplayField::DisplayField(const QString& sample, QWidget* parent)
    : QFrame(parent), m_sample(sample)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void DisplayField::setText(const QString& text)
{
    if (text == m_text) {
        return;
    }
    m_text = text;
    announceChange();
    // Painted at once rather than on the next update request: a refresh
    // every 15 ms would otherwise wake the program twice per refresh.
    repaint(contentsRect());
}

QRect DisplayField::characterRect(qsizetype i) const
{
    if (i < 0 || i >= m_text.size()) {
        return {};
    }
    const QFontMetrics metrics(font());
    const QRect area = contentsRect();
    const int left = area.left() + (area.width() - metrics.horizontalAdvance(m_text)) / 2;
    return {left + metrics.horizontalAdvance(m_text.left(i)), area.top(),
            metrics.horizontalAdvance(m_text.at(i)), area.height()};
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
    const int frame = 2 * frameWidth();
    // A character's room either side, so the text never touches the frame.
    return {metrics.horizontalAdvance(m_sample) + metrics.averageCharWidth() + frame,
            metrics.height() + frame};
}

QSize DisplayField::minimumSizeHint() const
{
    return sizeHint();
}

void DisplayField::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(contentsRect(), Qt::AlignCenter, m_text);
}

} // namespace tikkro::widgets
