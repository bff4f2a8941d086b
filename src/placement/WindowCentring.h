// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace tikkro::placement {

// Dialog-like windows open with their frame in the middle of the screen.
class WindowCentring
{
public:
    static void centreOnScreen(QWidget& window);
};

} // namespace tikkro::placement
