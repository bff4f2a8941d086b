// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

namespace tikkro::placement {

// The settings file keeps the main window's position in twips: 1440 to the
// inch, 15 to a device-independent pixel, the pixels Qt lays widgets out in.
inline constexpr int TwipsPerPixel = 15;

constexpr int toPixels(int twips)
{
    // Round to the nearest pixel, halves away from zero, so that negative
    // positions on a screen left of the primary one convert symmetrically.
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel
                      : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

constexpr int toTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

inline int toPixels(double twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

constexpr QSize twipsSize(int width, int height)
{
    return {toPixels(width), toPixels(height)};
}

constexpr QPoint toTwips(QPoint pixels)
{
    return {toTwips(pixels.x()), toTwips(pixels.y())};
}

} // namespace tikkro::placement
