// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/Contrast.h"

#include <algorithm>
#include <cmath>

namespace tikkro::widgets {

double Contrast::luminance(const QColor& colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double Contrast::ratio(const QColor& first, const QColor& second)
{
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor Contrast::textOn(const QColor& background)
{
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return ratio(black, background) >= ratio(white, background) ? black : white;
}

} // namespace tikkro::widgets
