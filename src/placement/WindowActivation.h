// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace tikkro::placement {

// Brings a window in front of the others and gives it the focus, as far as
// the window manager allows: restored if minimised, shown if hidden.
class WindowActivation
{
public:
    static void bringForward(QWidget& window);
};

} // namespace tikkro::placement
