// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/ImageWidget.h"

namespace tikkro::ui {

// A spin button picture: an up arrow over a down arrow. The mouse works it
// through the image's press and release; assistive technology sees the two
// arrows as push buttons of their own, each named after what it does, and a
// press on one of them steps its field once.
class SpinArrows : public ImageWidget
{
    Q_OBJECT
public:
    explicit SpinArrows(Painter painter, QWidget* parent = nullptr);

    // "Increase hours", "Decrease hours".
    void setArrowNames(const QString& up, const QString& down);
    // direction > 0 is the up arrow.
    QString arrowName(int direction) const { return direction > 0 ? m_upName : m_downName; }
    // Where the arrow lies in the image: the up arrow in the upper half.
    QRect arrowRect(int direction) const;

    // One step at once, as the press of an arrow gives that comes without a
    // mouse.
    void step(int direction);

Q_SIGNALS:
    void stepRequested(int direction);

private:
    QString m_upName;
    QString m_downName;
};

} // namespace tikkro::ui
