// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/WindowPixelWriter.h"

#include <QImage>
#include <QPainter>
#include <QRect>

namespace tikkro::fakes {

// Writes into an image that stands for the window's pixels.
class FakeWindowPixelWriter final : public widgets::WindowPixelWriter
{
public:
    explicit FakeWindowPixelWriter(QImage* window) : m_window(window) {}
    bool bind(const QWidget&) override { return true; }
    bool write(const QImage& image, const QRect& source, QPoint target) override
    {
        QPainter(m_window).drawImage(target, image, source);
        return true;
    }

private:
    QImage* m_window;
};

} // namespace tikkro::fakes
