// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

namespace tikkro::widgets {

// Contrast between two colours as the accessibility guidelines measure it,
// from 1:1 (the same) to 21:1 (black on white); text wants at least 4.5.
class Contrast
{
public:
    static double ratio(const QColor& first, const QColor& second);

    // Black or white, whichever reads better on the background. A window
    // with a fixed background colour thus keeps a fixed, readable pair
    // whatever the palette around it.
    static QColor textOn(const QColor& background);

private:
    static double luminance(const QColor& colour);
};

} // namespace tikkro::widgets
