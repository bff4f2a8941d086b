// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/DigitFieldStyle.h"

#include "alarms/AlarmArt.h"

#include <QPainter>
#include <QStyleOption>

#include <algorithm>

namespace tikkro::alarms {

namespace {

// The font height at which the arrows have their drawn size.
constexpr int DesignFontHeight = 15;
// Rows of the arrows picture that step up: the up triangle and the first
// empty row below it.
constexpr int UpperRows = 7;

} // namespace

DigitFieldStyle::DigitFieldStyle() = default;

QSize DigitFieldStyle::arrowsSize(const QFontMetrics& metrics)
{
    const int height =
        std::max(AlarmArt::SpinHeight, AlarmArt::SpinHeight * metrics.height() / DesignFontHeight);
    return {(height * AlarmArt::SpinWidth + AlarmArt::SpinHeight / 2) / AlarmArt::SpinHeight,
            height};
}

QRect DigitFieldStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                      SubControl subControl, const QWidget* widget) const
{
    if (control != CC_SpinBox) {
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    }
    const QRect all = option->rect;
    const QSize arrows = arrowsSize(option->fontMetrics);
    const QRect frame(all.topLeft(), QSize(all.width() - arrows.width() - ArrowsGap, all.height()));
    const QRect picture(
        QPoint(frame.right() + 1 + ArrowsGap, all.top() + (all.height() - arrows.height()) / 2),
        arrows);
    const int upper =
        (picture.height() * UpperRows + AlarmArt::SpinHeight / 2) / AlarmArt::SpinHeight;
    switch (subControl) {
    case SC_SpinBoxFrame:
        return frame;
    case SC_SpinBoxEditField: {
        const int width = pixelMetric(PM_DefaultFrameWidth, option, widget);
        return frame.adjusted(width, width, -width, -width);
    }
    case SC_SpinBoxUp:
        return picture.adjusted(0, 0, 0, upper - picture.height());
    case SC_SpinBoxDown:
        return picture.adjusted(0, upper, 0, 0);
    default:
        return {};
    }
}

void DigitFieldStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                         QPainter* painter, const QWidget* widget) const
{
    const auto* spin = qstyleoption_cast<const QStyleOptionSpinBox*>(option);
    if (control != CC_SpinBox || spin == nullptr) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    if (spin->frame) {
        QStyleOptionFrame frame;
        frame.QStyleOption::operator=(*spin);
        frame.rect = subControlRect(control, spin, SC_SpinBoxFrame, widget);
        frame.lineWidth = pixelMetric(PM_DefaultFrameWidth, spin, widget);
        frame.state |= State_Sunken;
        drawPrimitive(PE_PanelLineEdit, &frame, painter, widget);
    }
    const QRect up = subControlRect(control, spin, SC_SpinBoxUp, widget);
    const QRect down = subControlRect(control, spin, SC_SpinBoxDown, widget);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(spin->palette.color(QPalette::ButtonText));
    AlarmArt::paintSpinArrows(*painter, QRectF(up.united(down)));
    painter->restore();
}

} // namespace tikkro::alarms
