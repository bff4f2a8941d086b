// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ImageButton.h"

#include "ui/AccessibleFactory.h"

#include <QAccessible>
#include <QEvent>

namespace tikkro::ui {

ImageButton::ImageButton(const ImageWidget::Painter& live, const ImageWidget::Painter& grey,
                         QWidget* parent)
    : QWidget(parent), m_grey(new ImageWidget(grey, this)), m_live(new ImageWidget(live, this))
{
    // The grey twin never takes input; the live picture above it gets it.
    m_grey->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_live->installEventFilter(this);
    AccessibleFactory::install();
}

void ImageButton::press()
{
    if (isAvailable()) {
        Q_EMIT pressed();
    }
}

bool ImageButton::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == m_live && (type == QEvent::ShowToParent || type == QEvent::HideToParent)) {
        QAccessible::State changed;
        changed.disabled = true;
        QAccessibleStateChangeEvent notice(this, changed);
        QAccessible::updateAccessibility(&notice);
    }
    return QWidget::eventFilter(watched, event);
}

void ImageButton::resizeEvent(QResizeEvent* event)
{
    m_grey->setGeometry(rect());
    m_live->setGeometry(rect());
    QWidget::resizeEvent(event);
}

} // namespace tikkro::ui
