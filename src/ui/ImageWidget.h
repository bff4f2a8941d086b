// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>

namespace tikkro::ui {

// An image control: a picture drawn by our own painting code, crisp at any
// screen scale because it is painted afresh for the device pixel ratio.
// The painting code gets a painter set up as for a widget: the widget's font,
// and a pen in its foreground colour, so that a picture drawn in the pen's
// colour follows the palette and is drawn anew when the palette changes.
// Reports mouse presses and releases with the button, the modifiers, the
// position in twips relative to its top-left corner and the event's time
// stamp (milliseconds on the platform's input clock). A hidden image
// receives no mouse events.
class ImageWidget : public QWidget
{
    Q_OBJECT
public:
    using Painter = std::function<void(QPainter&, const QRectF&)>;

    explicit ImageWidget(Painter painter, QWidget* parent = nullptr);

Q_SIGNALS:
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int xTwips, int yTwips,
                   quint64 timestamp);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int xTwips, int yTwips,
                 quint64 timestamp);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    const QPixmap& cachedPixmap();

    Painter m_painter;
    QPixmap m_cache;
};

} // namespace tikkro::ui
