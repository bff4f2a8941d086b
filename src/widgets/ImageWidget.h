// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>

namespace tikkro::widgets {

// A picture widget: a picture drawn by our own painting code, crisp at any
// screen scale because it is painted afresh for the device pixel ratio.
// The painting code gets a painter set up as for a widget: the widget's font,
// and a pen in its foreground colour, so that a picture drawn in the pen's
// colour follows the palette and is drawn anew when the palette changes.
class ImageWidget : public QWidget
{
    Q_OBJECT
public:
    using Painter = std::function<void(QPainter&, const QRectF&)>;

    explicit ImageWidget(Painter painter, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    const QPixmap& cachedPixmap();

    Painter m_painter;
    QPixmap m_cache;
};

} // namespace tikkro::widgets
