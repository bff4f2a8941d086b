// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ImageWidget.h"

#include <QEvent>
#include <QPainter>

namespace tikkro::widgets {

ImageWidget::ImageWidget(Painter painter, QWidget* parent)
    : QWidget(parent), m_painter(std::move(painter))
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

const QPixmap& ImageWidget::cachedPixmap()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixelSize = (QSizeF(size()) * ratio).toSize();
    if (m_cache.size() != pixelSize || m_cache.devicePixelRatio() != ratio) {
        m_cache = QPixmap(pixelSize);
        m_cache.setDevicePixelRatio(ratio);
        m_cache.fill(Qt::transparent);
        QPainter painter(&m_cache);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(font());
        painter.setPen(palette().color(foregroundRole()));
        if (m_painter) {
            m_painter(painter, QRectF(QPointF(0, 0), QSizeF(size())));
        }
    }
    return m_cache;
}

void ImageWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, cachedPixmap());
}

void ImageWidget::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::PaletteChange:
    case QEvent::FontChange:
    case QEvent::StyleChange:
        m_cache = QPixmap();
        update();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

} // namespace tikkro::widgets
