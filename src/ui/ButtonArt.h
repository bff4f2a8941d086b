// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;

namespace tikkro::ui {

// Paints a blue oval command button on the window's background with its word
// centred on it and the access letter underlined. The available button writes
// the word in white; its grey twin in grey, the look of a disabled button.
struct ButtonArt
{
    QString word;
    int accessLetter = 0; // index into word of the underlined letter
    bool available = true;
    QColor background;

    void paint(QPainter& painter, const QRectF& area) const;
};

} // namespace tikkro::ui
