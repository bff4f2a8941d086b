// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/DigitField.h"

#include "core/alarms/WholeNumber.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tikkro::alarms {

DigitField::DigitField(const Rule& rule, QWidget* parent)
    : QAbstractSpinBox(parent), m_rule(rule), m_widthInDigits(rule.digits)
{
    setStyle(&m_style);
    setAlignment(Qt::AlignCenter);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setText(format(0));
}

DigitField::~DigitField()
{
    // The style goes before the widget it lays out.
    setStyle(nullptr);
}

void DigitField::setText(const QString& text)
{
    lineEdit()->setText(text);
    lineEdit()->setCursorPosition(0);
}

void DigitField::setNumber(int value)
{
    setText(format(value));
}

int DigitField::number() const
{
    return WholeNumber::parseForSpin(text()).value_or(0);
}

void DigitField::setWidthInDigits(double digits)
{
    m_widthInDigits = digits;
    updateGeometry();
}

QValidator::State DigitField::validate(QString&, int&) const
{
    return QValidator::Acceptable;
}

void DigitField::stepBy(int steps)
{
    const std::optional<qint16> read = WholeNumber::parseForSpin(text());
    if (!read) {
        return;
    }
    int value = *read;
    for (int step = 0; step < std::abs(steps); ++step) {
        if (steps > 0) {
            value = value + 1 >= m_rule.limit ? m_rule.wrapValue : value + 1;
        } else {
            value = value - 1 < m_rule.lowerBound ? m_rule.limit - 1 : value - 1;
        }
    }
    lineEdit()->setText(format(value));
    selectAll();
}

QSize DigitField::sizeHint() const
{
    ensurePolished();
    const QFontMetrics metrics = fontMetrics();
    QStyleOptionFrame option;
    option.initFrom(this);
    option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    // As a line edit measures itself: its text keeps two pixels clear on
    // either side and one above and below, inside the frame.
    const double digits =
        QFontMetricsF(font()).horizontalAdvance(QLatin1Char('0')) * m_widthInDigits;
    const QSize text(static_cast<int>(std::ceil(digits)) + 4, std::max(metrics.height(), 14) + 2);
    const QSize framed = style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, this);
    const QSize arrows = DigitFieldStyle::arrowsSize(metrics);
    return {framed.width() + DigitFieldStyle::ArrowsGap + arrows.width(),
            std::max(framed.height(), arrows.height())};
}

QSize DigitField::minimumSizeHint() const
{
    return sizeHint();
}

QAbstractSpinBox::StepEnabled DigitField::stepEnabled() const
{
    // Every value wraps, so both ways are always open.
    return StepUpEnabled | StepDownEnabled;
}

void DigitField::focusInEvent(QFocusEvent* event)
{
    const QLineEdit* edit = lineEdit();
    const int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    QAbstractSpinBox::focusInEvent(event);
    if (m_selectOnFocus) {
        lineEdit()->setSelection(start, static_cast<int>(text().size()) - start);
    }
}

QString DigitField::format(int value) const
{
    // Padded, never cut: a typed 150 stepped down must read 149, not 49.
    return QStringLiteral("%1").arg(value, m_rule.digits, 10, QLatin1Char('0'));
}

} // namespace tikkro::alarms
