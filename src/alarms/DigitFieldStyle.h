// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace tikkro::alarms {

// Lays a digit field out as the Set/Edit dialogs show it: a framed line edit
// with the spin arrows beside it, not inside its frame, drawn as two plain
// triangles in the button text colour. The upper seven of every fifteen
// rows of the arrows step up, the rest step down. Everything else is the
// desktop's style.
class DigitFieldStyle : public QProxyStyle
{
    Q_OBJECT
public:
    DigitFieldStyle();

    // The arrows' size for a font: 11 x 15 px at the usual desktop font,
    // growing with larger ones.
    static QSize arrowsSize(const QFontMetrics& metrics);
    // Room between the frame and the arrows.
    static constexpr int ArrowsGap = 1;

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
};

} // namespace tikkro::alarms
